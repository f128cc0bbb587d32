// SPDX-License-Identifier: GPL-3.0-or-later
// A sort box with its Descending check box and a table's header, showing one order: whichever the user moves, the
// other follows, and neither echoes back to the first.
#pragma once

#include <QObject>

class QCheckBox;
class QComboBox;
class QTableView;

class SortBoxSync : public QObject {
    Q_OBJECT
public:
    // The box's rows name the table's columns from row offset on; a row before them (such as "Suggested order")
    // stands for no column, the model's own order. Owned by the table.
    SortBoxSync(QTableView *table, QComboBox *sort, QCheckBox *descending, int offset = 0);

    // The boxes show the order the header shows now.
    void showHeaderOrder();

private:
    void boxChanged();
    void headerChanged(int column, Qt::SortOrder order);

    QTableView *m_table;
    QComboBox *m_sort;
    QCheckBox *m_descending;
    int m_offset;
};
