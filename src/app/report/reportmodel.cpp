// SPDX-License-Identifier: GPL-3.0-or-later
// The report's table model, with its own sort and filter over the rows of one report.
#include "app/report/reportmodel.h"

#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Hymn numbers sort by their value ("9" before "10"), a letter after the digits ("12a") after the plain number,
// and keys that do not start with a digit after every number, by their text in any case.
QString numberSortKey(const QString &number)
{
    qsizetype digits = 0;
    while (digits < number.size() && number.at(digits).isDigit() && number.at(digits).unicode() < 128)
        ++digits;
    if (digits == 0)
        return u"~"_s + number.toCaseFolded();
    // Leading zeros do not make a number larger.
    QString key = number.left(digits);
    while (key.size() > 1 && key.startsWith(u'0'))
        key.remove(0, 1);
    return QString(20 - qMin<qsizetype>(20, key.size()), u'0') + key + number.sliced(digits).toCaseFolded();
}

// The figures of a count, as record() writes them; none for a count that is not there (-1).
qsizetype digitsOf(int count)
{
    if (count < 0)
        return 0;
    qsizetype digits = 1;
    for (; count >= 10; count /= 10)
        ++digits;
    return digits;
}

} // namespace

ReportModel::ReportModel(QObject *parent) : QAbstractTableModel(parent) {}

void ReportModel::setResult(Report::ReportResult result, bool withCredits)
{
    beginResetModel();
    m_result = std::move(result);
    m_withCredits = withCredits;
    // Without the column, an order by it would be an order the header cannot show.
    if (!m_withCredits && m_sortColumn == Credits) {
        m_sortColumn = Uses;
        m_sortOrder = Qt::DescendingOrder;
    }
    m_keys.clear();
    m_foldedKeys.clear();
    m_textKeys.clear();
    m_textKeysColumn = -1;
    m_order = ordered();
    m_shown = filtered();
    endResetModel();
}

void ReportModel::setFilter(const QString &text)
{
    const QString folded = text.toCaseFolded();
    if (folded == m_filter)
        return;
    // A reset, not rows removed and inserted one run at a time: a view takes the one far faster than thousands of
    // the other. The window keeps its selection by hymn across it.
    beginResetModel();
    m_filter = folded;
    m_shown = filtered();
    endResetModel();
}

void ReportModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> sources;
    sources.reserve(size_t(before.size()));
    for (const QModelIndex &index : before)
        sources.push_back(m_shown.at(size_t(index.row())));

    m_sortColumn = column;
    m_sortOrder = order;
    m_order = ordered();
    m_shown = filtered();

    std::vector<int> rowOf(m_result.rows.size(), -1);
    for (size_t row = 0; row < m_shown.size(); ++row)
        rowOf[size_t(m_shown[row])] = int(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOf[size_t(sources[size_t(i)])], before.at(i).column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> ReportModel::ordered() const
{
    std::vector<int> rows(m_result.rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = int(i);
    const auto &all = m_result.rows;
    const auto by = [&](auto key) {
        // Descending turns the comparison round rather than the list, so that ties stay in the order of first use.
        if (m_sortOrder == Qt::AscendingOrder)
            std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return key(a) < key(b); });
        else
            std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return key(b) < key(a); });
    };
    switch (m_sortColumn) {
    case Number:
    case Title:
    case Credits:
        if (m_textKeysColumn != m_sortColumn) {
            m_textKeys.resize(all.size());
            for (size_t i = 0; i < all.size(); ++i) {
                m_textKeys[i] = m_sortColumn == Number  ? numberSortKey(all[i].number)
                                : m_sortColumn == Title ? all[i].title.toCaseFolded()
                                                        : all[i].credits.toCaseFolded();
            }
            m_textKeysColumn = m_sortColumn;
        }
        by([&](int r) -> const QString & { return m_textKeys[size_t(r)]; });
        break;
    case Uses:
        by([&](int r) { return all[size_t(r)].uses; });
        break;
    case FirstUsed:
        by([&](int r) { return all[size_t(r)].firstUsed.toJulianDay(); });
        break;
    case LastUsed:
        by([&](int r) { return all[size_t(r)].lastUsed.toJulianDay(); });
        break;
    case DaysSince:
        by([&](int r) { return all[size_t(r)].daysSince; });
        break;
    default:
        break;
    }
    return rows;
}

std::vector<int> ReportModel::filtered() const
{
    if (m_filter.isEmpty())
        return m_order;
    if (m_foldedKeys.size() != m_result.rows.size()) {
        m_foldedKeys.resize(m_result.rows.size());
        for (size_t i = 0; i < m_foldedKeys.size(); ++i)
            m_foldedKeys[i] = keyOf(int(i)).toCaseFolded();
    }
    std::vector<int> shown;
    for (const int row : m_order) {
        if (m_foldedKeys[size_t(row)].contains(m_filter))
            shown.push_back(row);
    }
    return shown;
}

const QString &ReportModel::keyOf(int sourceRow) const
{
    if (m_keys.size() != m_result.rows.size()) {
        m_keys.resize(m_result.rows.size());
        for (size_t i = 0; i < m_keys.size(); ++i)
            m_keys[i] = m_result.rows[i].number + u' ' + m_result.rows[i].title;
    }
    return m_keys[size_t(sourceRow)];
}

QList<int> ReportModel::longestRows(int column, int limit) const
{
    const auto length = [&](int row) -> qsizetype {
        const Report::ReportRow &r = m_result.rows[size_t(m_shown[size_t(row)])];
        switch (column) {
        case Number:
            return r.number.size();
        case Title:
            return r.title.size();
        case Credits:
            return r.credits.size();
        case Uses:
            return digitsOf(r.uses);
        case FirstUsed:
            return r.firstUsed.isValid() ? 10 : 0;
        case LastUsed:
            return r.lastUsed.isValid() ? 10 : 0;
        default:
            return digitsOf(r.daysSince);
        }
    };
    qsizetype longest = -1;
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        const qsizetype size = length(row);
        if (size > longest) {
            longest = size;
            rows.clear();
        }
        if (size == longest && rows.size() < limit)
            rows.append(row);
    }
    return rows;
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_withCredits ? int(ColumnCount) : int(Credits);
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int source = sourceRow(index.row());
    const Report::ReportRow &row = m_result.rows.at(size_t(source));
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::TextAlignmentRole:
        return isNumeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        // A title or credits line cut short in its column is read in full here, as the text it is: a tooltip
        // renders markup.
        if (index.column() == Title || index.column() == Credits)
            return Qt::convertFromPlainText(text(row, index.column()), Qt::WhiteSpaceNormal);
        return {};
    case KeyRole:
        return keyOf(source);
    case SortRole:
        switch (index.column()) {
        case Number:
            return numberSortKey(row.number);
        case Title:
            return row.title.toCaseFolded();
        case Uses:
            return row.uses;
        case FirstUsed:
            return row.firstUsed;
        case LastUsed:
            return row.lastUsed;
        case DaysSince:
            return row.daysSince;
        case Credits:
            return row.credits.toCaseFolded();
        default:
            return {};
        }
    default:
        return {};
    }
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return shownHeaders().value(section);
    if (role == Qt::TextAlignmentRole)
        return isNumeric(section) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && section == DaysSince)
        return tr("Days from the last use to the latest service counted");
    return {};
}

QStringList ReportModel::headers(bool withCredits)
{
    // The headings of the table are those of its copies and exports too: a CSV is headed in the language shown.
    //: The usage report's column of hymn numbers, also the heading of its copies and CSV.
    QStringList titles{tr("Hymn #"), tr("Title"), tr("Uses"), tr("First used"), tr("Last used"),
                       //: The usage report's column of days from a hymn's last use to the latest service.
                       tr("Days since")};
    if (withCredits)
        titles.append(tr("Credits"));
    return titles;
}

QString ReportModel::text(const Report::ReportRow &row, int column)
{
    // Plain digits, without group separators: the copies go into spreadsheets, which read them as numbers.
    switch (column) {
    case Number:
        return row.number;
    case Title:
        return row.title;
    case Uses:
        return QString::number(row.uses);
    case FirstUsed:
        return dateText(row.firstUsed);
    case LastUsed:
        return dateText(row.lastUsed);
    case DaysSince:
        return row.daysSince < 0 ? QString() : QString::number(row.daysSince);
    case Credits:
        return row.credits;
    default:
        return {};
    }
}

QStringList ReportModel::record(int sourceRow) const
{
    const Report::ReportRow &row = m_result.rows.at(size_t(sourceRow));
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column)
        texts.append(text(row, column));
    return texts;
}

bool ReportModel::isNumeric(int column)
{
    return column == Uses || column == DaysSince;
}

QList<int> ReportModel::textColumns()
{
    return {Number, Title, Credits};
}

QString ReportModel::dateText(QDate date)
{
    return date.isValid() ? date.toString(u"yyyy-MM-dd"_s) : QString();
}
