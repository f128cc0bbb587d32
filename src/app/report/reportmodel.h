// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report's rows as a table for the report window: one row per hymn, the texts it shows and copies, and
// the values it sorts and filters by.
#pragma once

#include "report/usagereport.h"

#include <QAbstractTableModel>
#include <QStringList>

class ReportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Title, Uses, FirstUsed, LastUsed, DaysSince, ColumnCount };
    enum Role {
        // What the column sorts by: numbers and dates as such, hymn numbers in numeric order.
        SortRole = Qt::UserRole + 1,
        // The text the filter line is matched against: the number and the title.
        FilterRole,
    };

    explicit ReportModel(QObject *parent = nullptr);

    void setResult(Report::ReportResult result);
    const Report::ReportResult &result() const { return m_result; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The column titles, and a row's texts as shown, for copies, exports and print.
    static QStringList headers();
    QStringList record(int row) const;
    // Whether a column holds figures, which line up on the right.
    static bool isNumeric(int column);
    // The columns whose cells come from the file (numbers and titles), not from counting.
    static QList<int> textColumns();
    // How a date is shown: year first, so that copies and exports sort as text too.
    static QString dateText(QDate date);

private:
    Report::ReportResult m_result;
};
