// SPDX-License-Identifier: GPL-3.0-or-later
// A service as other things the week needs it: the lines for the bulletin, as text and as a table for word
// processors, and the numbers for the hymn board.
#pragma once

#include "logbook/addservice.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace Logbook {

// The heading line, then one line per line of the service: its number, a tab and its title; a line without a
// number, a tab and its text. Every line ends with lineEnd; blank lines are left out.
QString bulletinText(const QString &heading, const std::vector<ServiceLine> &lines, const QString &lineEnd);
// The same as an HTML document: the heading in a paragraph, the lines in a table of two columns.
QString bulletinHtml(const QString &heading, const std::vector<ServiceLine> &lines);

// The numbers a hymn board shows, in order: each line's number without the log's marks ("92(2)" and "92*" are 92);
// a line without a number is left off.
QStringList boardNumbers(const std::vector<ServiceLine> &lines);

} // namespace Logbook
