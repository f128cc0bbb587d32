// SPDX-License-Identifier: GPL-3.0-or-later
// The report's rows as text to hand on: CSV for a file, tab-separated for the clipboard. Cells in the text columns
// come from the user's files, so they are written so that no spreadsheet takes them for a formula.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Report {

// RFC 4180: fields holding a comma, a double quote, CR or LF are quoted, with quotes doubled; records end in CR LF.
// A cell of textColumns that begins with =, +, -, @, a tab or a CR gets a leading apostrophe; a NUL in any cell
// becomes U+FFFD.
QString csvOf(const QList<QStringList> &records, const QList<int> &textColumns);

// csvOf as a file's bytes: UTF-8 after a byte-order mark, which spreadsheets need to read it as UTF-8.
QByteArray csvFileOf(const QList<QStringList> &records, const QList<int> &textColumns);

// One line per record, fields separated by tabs, lines ending in "\n"; tabs and line breaks inside a field become
// blanks, so a paste lands in spreadsheet columns. Text cells are guarded as in csvOf.
QString tsvOf(const QList<QStringList> &records, const QList<int> &textColumns);

// "hymn-usage 2019-01-01 to 2019-12-31.csv"; "hymn-usage.csv" when either date is null (in the language shown).
QString csvFileName(QDate from, QDate to);

} // namespace Report
