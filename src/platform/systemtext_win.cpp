// SPDX-License-Identifier: GPL-3.0-or-later
// Windows ends a line of text with CR LF, and its word processors and text boxes expect it on the clipboard.
#include "platform/systemtext.h"

namespace SystemText {

QString lineEnd()
{
    return QStringLiteral("\r\n");
}

} // namespace SystemText
