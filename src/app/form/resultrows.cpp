// SPDX-License-Identifier: GPL-3.0-or-later
// Rows are read-only texts; the view asks for nothing but their display text.
#include "app/form/resultrows.h"

void ResultRows::setRows(QStringList rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QModelIndex ResultRows::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || row >= m_rows.size() || column != 0 || parent.isValid())
        return {};
    return createIndex(row, column);
}

int ResultRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant ResultRows::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    return m_rows.at(index.row());
}

Qt::ItemFlags ResultRows::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}
