// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a path that are the same on every system.
#include "platform/nativepath.h"

QString NativePath::withVisibleControls(QString text)
{
    for (QChar &c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20)
            c = QChar(char16_t(0x2400 + code));
        else if (code == 0x7f)
            c = QChar(char16_t(0x2421));
    }
    return text;
}
