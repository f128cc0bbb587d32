// SPDX-License-Identifier: GPL-3.0-or-later
// View > Language: the system's language or one the program speaks, each by its own name, kept in the settings.
// The windows are made in the language spoken at the start, so a choice takes effect at the next start, as the menu
// says.
#pragma once

#include <QObject>

class AppSettings;
class QMenu;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to parentMenu, the kept choice checked.
    LanguageMenu(AppSettings *settings, QMenu *parentMenu, QObject *parent = nullptr);

Q_SIGNALS:
    // The user chose a language, given by its own name ("Deutsch"; the system's language: empty); already kept.
    void chosen(const QString &nativeName);

private:
    AppSettings *m_settings;
};
