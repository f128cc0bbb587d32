// SPDX-License-Identifier: GPL-3.0-or-later
// The report's table model.
#include "app/report/reportmodel.h"

#include <QTextDocument>

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

} // namespace

ReportModel::ReportModel(QObject *parent) : QAbstractTableModel(parent) {}

void ReportModel::setResult(Report::ReportResult result)
{
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_result.rows.size());
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Report::ReportRow &row = m_result.rows.at(size_t(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return record(index.row()).at(index.column());
    case Qt::TextAlignmentRole:
        return isNumeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        // A title cut short in its column is read in full here, as the text it is: a tooltip renders markup.
        return index.column() == Title ? QVariant(Qt::convertFromPlainText(row.title, Qt::WhiteSpaceNormal))
                                       : QVariant();
    case FilterRole:
        return QString(row.number + u' ' + row.title);
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
        default:
            return {};
        }
    default:
        return {};
    }
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return headers().at(section);
    if (role == Qt::TextAlignmentRole)
        return isNumeric(section) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && section == DaysSince)
        return u"Days from the last use to the latest service of the file"_s;
    return {};
}

QStringList ReportModel::headers()
{
    return {u"Hymn #"_s, u"Title"_s, u"Uses"_s, u"First used"_s, u"Last used"_s, u"Days since"_s};
}

QStringList ReportModel::record(int row) const
{
    const Report::ReportRow &r = m_result.rows.at(size_t(row));
    // Plain digits, without group separators: the copies go into spreadsheets, which read them as numbers.
    return {r.number,
            r.title,
            QString::number(r.uses),
            dateText(r.firstUsed),
            dateText(r.lastUsed),
            r.daysSince < 0 ? QString() : QString::number(r.daysSince)};
}

bool ReportModel::isNumeric(int column)
{
    return column == Uses || column == DaysSince;
}

QList<int> ReportModel::textColumns()
{
    return {Number, Title};
}

QString ReportModel::dateText(QDate date)
{
    return date.isValid() ? date.toString(u"yyyy-MM-dd"_s) : QString();
}
