// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of one output list: plain texts, shown one per row. A refill swaps the whole list at once, so that
// listing 18,000 results costs one reset of the view rather than 18,000 items.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

class ResultRows : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every row; views lose their current row and selection, as a list box does when it is cleared.
    void setRows(QStringList rows);
    const QStringList &rows() const { return m_rows; }
    // The text of row, or an empty text outside the list.
    QString text(int row) const { return m_rows.value(row); }

    // A view lays out a reset list by asking for the index of every row; answered here without the base class's
    // round of virtual row and column counts, which made up much of listing 18,000 rows.
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList m_rows;
};
