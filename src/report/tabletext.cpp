// SPDX-License-Identifier: GPL-3.0-or-later
// Writing records as CSV and as tab-separated text.
#include "report/tabletext.h"

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

} // namespace

QString csvOf(const QList<QStringList> &records)
{
    QString out;
    for (const QStringList &record : records) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            if (f > 0)
                out += u',';
            const QString &field = record[f];
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

QString tsvOf(const QList<QStringList> &records)
{
    QString out;
    for (const QStringList &record : records) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            if (f > 0)
                out += u'\t';
            QString field = record[f];
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
    if (!from.isValid() || !to.isValid())
        return u"hymn-usage.csv"_s;
    return u"hymn-usage %1 to %2.csv"_s.arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate));
}

} // namespace Report
