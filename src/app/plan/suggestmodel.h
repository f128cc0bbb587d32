// SPDX-License-Identifier: GPL-3.0-or-later
// The suggested hymns as a table for the suggestion window: the planner's cells, sorted by the planner's
// comparisons, column -1 being the planner's own order.
#pragma once

#include "plan/suggestions.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class SuggestModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SuggestModel(QObject *parent = nullptr);

    // Replaces the rows, given in the default order, and sorts them as the last sort() asked.
    void setRows(std::vector<Plan::Suggestion> rows);
    const Plan::Suggestion &row(int row) const { return m_rows.at(size_t(row)); }
    const std::vector<Plan::Suggestion> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // By a Plan::Column; -1 for the default order, which descending turns round.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // Whether a comes before b in the current order.
    bool before(const Plan::Suggestion &a, const Plan::Suggestion &b) const;

    QStringList m_headers;
    QString m_neverSung; // the Last sung cell of a hymn never sung
    std::vector<Plan::Suggestion> m_rows;
    int m_column = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
