// SPDX-License-Identifier: GPL-3.0-or-later
// The help message; the tips repeat, in the user's words, rules that other parts enforce.
#include "panes/helptext.h"

#include "version.h"

using namespace Qt::StringLiterals;

namespace Panes {

QString HelpTitle()
{
    return u"Cantorix2 ver "_s + QString::fromUtf16(CantorixVersion);
}

QString HelpText()
{
    const QStringList lines{
        QChar(169) + u"Cantorix2 team, 2026"_s,
        u"cantorix2@example.org"_s,
        QString(),
        u"- only 'Exclude' terms are case sensitive"_s,
        u"- either > or < may be used in date or year box"_s,
        u"- R click on an output box will copy box contents to clipboard"_s,
        u"- L click in either output box will re-synchronize both boxes"_s,
        u"- to select from directory box, double click your selection"_s,
    };
    return lines.join(QChar(13));
}

} // namespace Panes
