// SPDX-License-Identifier: GPL-3.0-or-later
// The report's rows as text to hand on: CSV for a file, tab-separated for the clipboard.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Report {

// RFC 4180: fields holding a comma, a double quote, CR or LF are quoted, with quotes doubled; records end in CR LF.
QString csvOf(const QList<QStringList> &records);

// One line per record, fields separated by tabs, lines ending in "\n"; tabs and line breaks inside a field become
// blanks, so a paste lands in spreadsheet columns.
QString tsvOf(const QList<QStringList> &records);

// "hymn-usage 2019-01-01 to 2019-12-31.csv"; "hymn-usage.csv" when either date is null.
QString csvFileName(QDate from, QDate to);

} // namespace Report
