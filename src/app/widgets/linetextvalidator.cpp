// SPDX-License-Identifier: GPL-3.0-or-later
// The text is mended in place: QLineEdit takes what validate leaves, cursor and all.
#include "app/widgets/linetextvalidator.h"

namespace {

// The characters that end a line (Unicode's mandatory breaks), and NUL, which no line of the file can hold.
bool breaksLine(QChar c)
{
    switch (c.unicode()) {
    case 0x0000:
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

QValidator::State LineTextValidator::validate(QString &input, int &pos) const
{
    for (qsizetype at = 0; at < input.size(); ++at) {
        if (!breaksLine(input[at]))
            continue;
        if (input[at] == u'\r' && at + 1 < input.size() && input[at + 1] == u'\n') {
            input.remove(at + 1, 1);
            if (pos > at + 1)
                --pos;
        }
        input[at] = u' ';
    }
    return Acceptable;
}
