// SPDX-License-Identifier: GPL-3.0-or-later
// The help message; the tips repeat, in the user's words, rules that other parts enforce.
#include "panes/helptext.h"

#include "version.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Panes {

namespace {

// The tips as the message lists them, each a line of its own.
constexpr const char *tips[] = {
    //: A tip in the help message: the boxes captioned "exclude title:", "exclude phrase:" and "exclude hymn:".
    QT_TRANSLATE_NOOP("Panes", "- only 'Exclude' terms are case sensitive"),
    //: A tip in the help message: "> 1990" or "< 2000" typed in the date or year box.
    QT_TRANSLATE_NOOP("Panes", "- either > or < may be used in date or year box"),
    //: A tip in the help message: "R click" is a click of the right mouse button.
    QT_TRANSLATE_NOOP("Panes", "- R click on an output box will copy box contents to clipboard"),
    //: A tip in the help message: "L click" is a click of the left mouse button.
    QT_TRANSLATE_NOOP("Panes", "- L click in either output box will re-synchronize both boxes"),
    //: A tip in the help message: the directory box lists the folders.
    QT_TRANSLATE_NOOP("Panes", "- to select from directory box, double click your selection"),
};

} // namespace

QString HelpTitle()
{
    //: The help message's title: "ver" is short for version; %1 is the version number (2.9.7).
    return QCoreApplication::translate("Panes", "Cantorix2 ver %1").arg(QString::fromUtf16(CantorixVersion));
}

QString HelpText()
{
    QStringList lines{
        //: The help message's copyright line, after "©".
        QChar(169) + QCoreApplication::translate("Panes", "Cantorix2 team, 2026"),
        u"cantorix2@example.org"_s,
        QString(),
    };
    for (const char *tip : tips)
        lines.append(QCoreApplication::translate("Panes", tip));
    return lines.join(QChar(13));
}

} // namespace Panes
