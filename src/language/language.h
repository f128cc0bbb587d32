// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the program speaks and the one it speaks now: its own catalogue and Qt's for the words Qt draws
// (buttons of message boxes, a line edit's menu, Qt's file and print dialogs), both embedded in the program or, for
// Qt's, found where Qt keeps its translations. English is the source; its catalogue holds only the singular and
// plural forms of counts ("1 item copied", "12 items copied") and is installed in every process, whatever the
// language, before anything is shown.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace Language {

struct Offered {
    QString code;       // "de", "pt_BR" …, as the catalogues and the settings name it
    QString nativeName; // as its speakers name it: "Deutsch", "Português (Brasil)"
};

// Every language the program speaks, English last.
const std::vector<Offered> &offered();

// The first of the user interface languages (as QLocale::uiLanguages() gives them, "de-DE", "pt-BR", "en") that the
// program speaks, else English. A language the program speaks in another country's form is taken ("de-AT" is "de";
// "pt" and "pt-PT" are Brazilian Portuguese, the one Portuguese it speaks).
QString fromSystem(const QStringList &uiLanguages);

// The language to speak for a setting: an offered code as it is, an empty or unknown one the system's.
QString resolve(const QString &setting);

// Speaks code from now on: its catalogue and Qt's replace those of the language spoken before. Strings already made
// are not made again, so it is called before the windows are.
void install(const QString &code);

// The language spoken now ("en" until another is installed).
QString current();

// The language's own locale, for the names of days and months a calendar shows and its first day of the week. Dates
// are read and written by the regional settings (QLocale()), never by this.
QLocale locale();

} // namespace Language
