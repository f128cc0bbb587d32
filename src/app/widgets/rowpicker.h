// SPDX-License-Identifier: GPL-3.0-or-later
// Tells when the user picks a row of a list: a left click on a row, or a key that moves the current row while
// the list has focus. Focus arriving in the list (by Tab, a dialog closing, the window being activated) picks
// nothing, although an item view makes its first row current on such a focus change.
#pragma once

#include <QObject>

class QAbstractItemView;

class RowPicker : public QObject {
    Q_OBJECT
public:
    // Watches view and lives as long as it does.
    explicit RowPicker(QAbstractItemView *view);

Q_SIGNALS:
    void picked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *m_view;
};
