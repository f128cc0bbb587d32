// SPDX-License-Identifier: GPL-3.0-or-later
// The help message behind the credit label.
#pragma once

#include <QString>
#include <QStringList>

namespace Panes {

QString HelpTitle();

// Eight lines joined by a lone carriage return, with no separator after the last.
QString HelpText();

} // namespace Panes
