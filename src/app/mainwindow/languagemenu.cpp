// SPDX-License-Identifier: GPL-3.0-or-later
// Each language is named as its speakers name it, whatever the language spoken, so that a user who cannot read the
// menu can still find their own.
#include "app/mainwindow/languagemenu.h"

#include "language/language.h"
#include "workspace/appsettings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

using namespace Qt::StringLiterals;

LanguageMenu::LanguageMenu(AppSettings *settings, QMenu *parentMenu, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    QMenu *menu = parentMenu->addMenu(tr("&Language"));
    menu->menuAction()->setObjectName(u"actLanguage"_s);
    auto *group = new QActionGroup(this);
    const QString kept = m_settings->value(AppSettings::Key::Language).toString();
    const auto add = [&](const QString &name, const QString &text, const QString &code) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setData(code);
        group->addAction(action);
        return action;
    };
    QAction *system = add(u"actLanguageSystem"_s, tr("&System"), QString());
    menu->addSeparator();
    QAction *checked = system;
    for (const Language::Offered &language : Language::offered()) {
        QAction *action = add(u"actLanguage_"_s + language.code, language.nativeName, language.code);
        if (language.code == kept)
            checked = action;
    }
    checked->setChecked(true);
    menu->addSeparator();
    QAction *note = menu->addAction(tr("Takes effect at the next start"));
    note->setObjectName(u"actLanguageNote"_s);
    note->setEnabled(false);
    connect(group, &QActionGroup::triggered, this, [this](QAction *action) {
        m_settings->setValue(AppSettings::Key::Language, action->data().toString());
        Q_EMIT chosen(action->data().toString().isEmpty() ? QString() : action->text());
    });
}
