// SPDX-License-Identifier: GPL-3.0-or-later
// The style is kept by name rather than by number, so that a settings file stays readable and a value the program
// does not know (edited by hand, or from a later version) falls back to the default.
#include "app/mainwindow/churchyearmenu.h"

#include "workspace/appsettings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

using namespace Qt::StringLiterals;

ChurchYearMenu::ChurchYearMenu(AppSettings *settings, QMenu *parentMenu, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    QMenu *menu = parentMenu->addMenu(u"Church &Year"_s);
    menu->menuAction()->setObjectName(u"actChurchYear"_s);
    auto *styles = new QActionGroup(this);
    const auto choice = [&](const QString &name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        styles->addAction(action);
        return action;
    };
    m_proper = choice(u"actNamingProper"_s, u"&Propers (“Proper 17”)"_s);
    m_pentecost = choice(u"actNamingPentecost"_s, u"Sundays after P&entecost (“Pentecost 14”)"_s);
    m_ordinaryTime = choice(u"actNamingOrdinaryTime"_s, u"&Ordinary Time (“Ordinary Time 22”)"_s);
    menu->addSeparator();
    m_namesAlways = menu->addAction(u"Offer Day &Names Always"_s);
    m_namesAlways->setObjectName(u"actNamesAlways"_s);
    m_namesAlways->setCheckable(true);
    m_namesAlways->setToolTip(u"Offer the day's name as the occasion of a new service even in a log whose latest "
                              "service has none"_s);
    menu->setToolTipsVisible(true);

    QAction *chosen = m_proper;
    const QString naming = m_settings->value(AppSettings::Key::CalendarNaming).toString();
    if (naming == u"Pentecost"_s)
        chosen = m_pentecost;
    else if (naming == u"OrdinaryTime"_s)
        chosen = m_ordinaryTime;
    m_namesAlways->setChecked(m_settings->value(AppSettings::Key::CalendarNamesAlways).toBool());
    chosen->setChecked(true);

    // triggered, not toggled: only the user's choice is kept, not the checks set above.
    connect(styles, &QActionGroup::triggered, this, &ChurchYearMenu::keep);
    connect(m_namesAlways, &QAction::triggered, this, &ChurchYearMenu::keep);
}

Calendar::NamingStyle ChurchYearMenu::style() const
{
    if (m_pentecost->isChecked())
        return Calendar::NamingStyle::Pentecost;
    if (m_ordinaryTime->isChecked())
        return Calendar::NamingStyle::OrdinaryTime;
    return Calendar::NamingStyle::Proper;
}

bool ChurchYearMenu::namesAlways() const
{
    return m_namesAlways->isChecked();
}

void ChurchYearMenu::keep()
{
    const Calendar::NamingStyle chosen = style();
    m_settings->setValues(
        {{AppSettings::Key::CalendarNaming, chosen == Calendar::NamingStyle::Pentecost      ? u"Pentecost"_s
                                            : chosen == Calendar::NamingStyle::OrdinaryTime ? u"OrdinaryTime"_s
                                                                                            : u"Proper"_s},
         {AppSettings::Key::CalendarNamesAlways, namesAlways()}});
    Q_EMIT changed();
}
