// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report's rows as a table for the report window: one row per hymn, the texts it shows and copies, and
// the order and filter it shows them in. It sorts and filters by keys made once per report, not through variants
// compared row against row, so that a log of thousands of hymns re-sorts and filters at typing speed.
#pragma once

#include "report/usagereport.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class ReportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Credits is shown only with a hymnal set (withCredits).
    enum Column { Number, Title, Uses, FirstUsed, LastUsed, DaysSince, Credits, ColumnCount };
    enum Role {
        // What the column sorts by: numbers and dates as such, hymn numbers in numeric order.
        SortRole = Qt::UserRole + 1,
        // The hymn as one text, the number and the title: what the filter looks in, and what names a hymn from one
        // report to the next.
        KeyRole,
    };

    explicit ReportModel(QObject *parent = nullptr);

    // New rows, in the order and under the filter already set; with credits, the Credits column too.
    void setResult(Report::ReportResult result, bool withCredits = false);
    bool withCredits() const { return m_withCredits; }
    const Report::ReportResult &result() const { return m_result; }

    // Shows only the hymns whose number or title holds text, in any case; every hymn for an empty text.
    void setFilter(const QString &text);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The result's row that the table shows at row.
    int sourceRow(int row) const { return m_shown.at(size_t(row)); }
    // The shown rows whose text in column is among the longest (at most limit): the widest text is one of them.
    QList<int> longestRows(int column, int limit) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The column titles, and a row of the result as texts, for copies, exports and print: the Credits column only
    // with credits.
    static QStringList headers(bool withCredits = false);
    QStringList shownHeaders() const { return headers(m_withCredits); }
    QStringList record(int sourceRow) const;
    // Whether a column holds figures, which line up on the right.
    static bool isNumeric(int column);
    // The columns whose cells come from the file (numbers and titles), not from counting.
    static QList<int> textColumns();
    // How a date is shown: year first, so that copies and exports sort as text too.
    static QString dateText(QDate date);

private:
    static QString text(const Report::ReportRow &row, int column);
    // The result's rows in the order of the sort column, ties in the order of first use.
    std::vector<int> ordered() const;
    // m_order without the rows the filter leaves out.
    std::vector<int> filtered() const;
    const QString &keyOf(int sourceRow) const;

    Report::ReportResult m_result;
    bool m_withCredits = false;
    int m_sortColumn = Uses;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
    QString m_filter;         // case folded
    std::vector<int> m_order; // every row of the result, sorted
    std::vector<int> m_shown; // the rows the table shows, sorted
    // Made when first needed for this result: the keys of each row, and the text keys of the sort.
    mutable std::vector<QString> m_keys;
    mutable std::vector<QString> m_foldedKeys;
    mutable std::vector<QString> m_textKeys;
    mutable int m_textKeysColumn = -1;
};
