// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX systems end a line of text with LF.
#include "platform/systemtext.h"

namespace SystemText {

QString lineEnd()
{
    return QStringLiteral("\n");
}

} // namespace SystemText
