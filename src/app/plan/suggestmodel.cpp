// SPDX-License-Identifier: GPL-3.0-or-later
// The suggestion table's cells and its sorting, which keeps the selection on the same hymns.
#include "app/plan/suggestmodel.h"

#include "plan/suggestiontable.h"

#include <QTextDocument>

#include <algorithm>
#include <numeric>

// The words the cells and headings show are looked up once: the windows speak the language of the start.
SuggestModel::SuggestModel(QObject *parent)
    : QAbstractTableModel(parent), m_headers(Plan::columnHeaders()), m_neverSung(Plan::neverSungText())
{}

void SuggestModel::setRows(std::vector<Plan::Suggestion> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    if (m_column >= 0 || m_order == Qt::DescendingOrder)
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [this](const Plan::Suggestion &a, const Plan::Suggestion &b) { return before(a, b); });
    endResetModel();
}

int SuggestModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SuggestModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Plan::ColumnCount;
}

QVariant SuggestModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= Plan::ColumnCount)
        return {};
    const Plan::Suggestion &suggestion = m_rows[size_t(index.row())];
    const auto column = static_cast<Plan::Column>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return Plan::cellText(suggestion, column, m_neverSung);
    case Qt::TextAlignmentRole:
        return Plan::isNumericColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole:
        // Titles and reasons are the hymnal's text and may be cut off; a tooltip reads rich text, so they are
        // turned into it rather than handed over as they are, their blanks kept from breaking the line.
        if (column == Plan::Column::Title || column == Plan::Column::Reason) {
            const QString text = Plan::cellText(suggestion, column, m_neverSung);
            return text.isEmpty() ? QVariant() : QVariant(Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
        }
        return {};
    default:
        return {};
    }
}

QVariant SuggestModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= Plan::ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_headers.value(section);
    if (role == Qt::TextAlignmentRole && Plan::isNumericColumn(static_cast<Plan::Column>(section)))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool SuggestModel::before(const Plan::Suggestion &a, const Plan::Suggestion &b) const
{
    const int order =
        m_column < 0 ? Plan::compareDefault(a, b) : Plan::compareRows(a, b, static_cast<Plan::Column>(m_column));
    return m_order == Qt::AscendingOrder ? order < 0 : order > 0;
}

void SuggestModel::sort(int column, Qt::SortOrder order)
{
    m_column = column >= 0 && column < Plan::ColumnCount ? column : -1;
    m_order = order;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> sorted(m_rows.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [this](int a, int b) { return before(m_rows[size_t(a)], m_rows[size_t(b)]); });
    std::vector<Plan::Suggestion> rows;
    rows.reserve(m_rows.size());
    std::vector<int> newRow(m_rows.size());
    for (size_t i = 0; i < sorted.size(); ++i) {
        rows.push_back(std::move(m_rows[size_t(sorted[i])]));
        newRow[size_t(sorted[i])] = int(i);
    }
    m_rows = std::move(rows);
    // The view's selection and current cell are persistent indexes: they move with their hymns.
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(index.isValid() ? createIndex(newRow.at(size_t(index.row())), index.column()) : QModelIndex());
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
