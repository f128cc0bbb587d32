// SPDX-License-Identifier: GPL-3.0-or-later
// Writing records as CSV and as tab-separated text.
#include "report/tabletext.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Report {

namespace {

bool needsQuotes(const QString &field)
{
    for (QChar c : field) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

// A spreadsheet runs a cell that begins like a formula, whatever the file it came from meant by it; the apostrophe
// makes it text and is not shown. Most cells need nothing and are passed on shared, not copied.
QString cellText(const QString &cell, bool isText)
{
    const QChar first = cell.isEmpty() ? QChar() : cell.front();
    const bool formula = isText && (first == u'=' || first == u'+' || first == u'-' || first == u'@' ||
                                    first == u'\t' || first == u'\r');
    if (!formula && !cell.contains(QChar(u'\0')))
        return cell;
    QString out = formula ? u'\'' + cell : cell;
    out.replace(QChar(u'\0'), QChar(QChar::ReplacementCharacter));
    return out;
}

} // namespace

QString csvOf(const QList<QStringList> &records, const QList<int> &textColumns)
{
    QString out;
    for (const QStringList &record : records) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            if (f > 0)
                out += u',';
            const QString field = cellText(record[f], textColumns.contains(int(f)));
            if (!needsQuotes(field)) {
                out += field;
                continue;
            }
            out += u'"';
            for (QChar c : field) {
                if (c == u'"')
                    out += u'"';
                out += c;
            }
            out += u'"';
        }
        out += "\r\n"_L1;
    }
    return out;
}

QByteArray csvFileOf(const QList<QStringList> &records, const QList<int> &textColumns)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + csvOf(records, textColumns).toUtf8();
}

QString tsvOf(const QList<QStringList> &records, const QList<int> &textColumns)
{
    QString out;
    for (const QStringList &record : records) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            if (f > 0)
                out += u'\t';
            QString field = cellText(record[f], textColumns.contains(int(f)));
            for (QChar &c : field) {
                if (c == u'\t' || c == u'\r' || c == u'\n')
                    c = u' ';
            }
            out += field;
        }
        out += u'\n';
    }
    return out;
}

QString csvFileName(QDate from, QDate to)
{
    // The name is offered in the save dialog in the language shown; the suffix is the file type's, never translated.
    if (!from.isValid() || !to.isValid())
        //: The file name offered for the usage report's exports, without its suffix (.csv, .pdf, .png).
        return QCoreApplication::translate("Report", "hymn-usage") + u".csv"_s;
    //: The file name offered for the usage report's exports, without its suffix: %1 and %2 are the range's dates.
    return QCoreApplication::translate("Report", "hymn-usage %1 to %2")
               .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate)) +
           u".csv"_s;
}

} // namespace Report
