// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a date typed by the user or written in a head line, the way the user's regional settings would.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace Search::DateParse {

// The date the text names, or nothing. Accepted, with spaces allowed around the text:
//   month names:  "Jan 1, 2019", "January 1 2019", "1 Jan 2019", "1-Jan-2019", "2019 Jan 1" (English names and the
//                 locale's own, long or short, any case; a unique prefix of three letters or more also counts)
//   numbers:      "5/1/2022", "5-1-22", "5.1.2022" in the locale's order of day, month and year; "2022-05-01"
// Between two parts stand spaces and at most one of , / - . and one "." may close the text. A year has two
// digits (00-29 is 2000-2029, 30-99 is 1930-1999) or four; a text without a year is not a date.
std::optional<QDate> parse(QStringView text, const QLocale &locale = QLocale());
std::optional<QDate> parse(const QString &text, const QLocale &locale = QLocale());

bool isDate(QStringView text, const QLocale &locale = QLocale());
bool isDate(const QString &text, const QLocale &locale = QLocale());

} // namespace Search::DateParse
