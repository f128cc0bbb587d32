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
    QMenu *menu = parentMenu->addMenu(tr("Church &Year"));
    menu->menuAction()->setObjectName(u"actChurchYear"_s);
    auto *styles = new QActionGroup(this);
    const auto checkable = [&](const QString &name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        return action;
    };
    // Each style carries the name the settings keep it by.
    const auto choice = [&](const QString &name, const QString &text, const QString &kept) {
        QAction *action = checkable(name, text);
        action->setData(kept);
        styles->addAction(action);
        return action;
    };
    m_proper = choice(u"actNamingProper"_s, tr("&Propers (“Proper 17”)"), u"Proper"_s);
    m_pentecost = choice(u"actNamingPentecost"_s, tr("Sundays after P&entecost (“Pentecost 14”)"), u"Pentecost"_s);
    m_ordinaryTime = choice(u"actNamingOrdinaryTime"_s, tr("&Ordinary Time (“Ordinary Time 22”)"), u"OrdinaryTime"_s);
    m_trinity = choice(u"actNamingTrinity"_s, tr("Sundays after &Trinity (“Trinity 13”)"), u"Trinity"_s);
    m_roman = choice(u"actNamingRoman"_s, tr("&Roman Rite (“Twenty-second Sunday in Ordinary Time”)"), u"Roman"_s);
    menu->addSeparator();
    m_epiphanySunday = checkable(u"actRomanEpiphanySunday"_s, tr("Epiphany on the &Sunday January 2–8"));
    m_epiphanySunday->setToolTip(tr("Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; "
                                    "the Baptism of the Lord then falls on the Monday after a January 7 or 8"));
    m_ascensionSunday = checkable(u"actRomanAscensionSunday"_s, tr("&Ascension on the Following Sunday"));
    m_ascensionSunday->setToolTip(
        tr("Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before"));
    m_bodyAndBloodSunday =
        checkable(u"actRomanCorpusChristiSunday"_s, tr("&Body and Blood of Christ on the Following Sunday"));
    m_bodyAndBloodSunday->setToolTip(
        tr("Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday"));
    menu->addSeparator();
    m_namesAlways = checkable(u"actNamesAlways"_s, tr("Offer Day &Names Always"));
    m_namesAlways->setToolTip(tr("Offer the day's name as the occasion of a new service even in a log whose latest "
                                 "service has none"));
    menu->setToolTipsVisible(true);

    QAction *chosen = m_proper;
    const QString naming = m_settings->value(AppSettings::Key::CalendarNaming).toString();
    for (QAction *action : styles->actions()) {
        if (action->data().toString() == naming)
            chosen = action;
    }
    chosen->setChecked(true);
    m_epiphanySunday->setChecked(m_settings->value(AppSettings::Key::CalendarRomanEpiphanySunday).toBool());
    m_ascensionSunday->setChecked(m_settings->value(AppSettings::Key::CalendarRomanAscensionSunday).toBool());
    m_bodyAndBloodSunday->setChecked(m_settings->value(AppSettings::Key::CalendarRomanCorpusChristiSunday).toBool());
    m_namesAlways->setChecked(m_settings->value(AppSettings::Key::CalendarNamesAlways).toBool());
    enableOptions();

    // triggered, not toggled: only the user's choice is kept, not the checks set above.
    connect(styles, &QActionGroup::triggered, this, &ChurchYearMenu::keep);
    for (QAction *action : {m_epiphanySunday, m_ascensionSunday, m_bodyAndBloodSunday, m_namesAlways})
        connect(action, &QAction::triggered, this, &ChurchYearMenu::keep);
}

Calendar::NamingStyle ChurchYearMenu::style() const
{
    if (m_pentecost->isChecked())
        return Calendar::NamingStyle::Pentecost;
    if (m_ordinaryTime->isChecked())
        return Calendar::NamingStyle::OrdinaryTime;
    if (m_trinity->isChecked())
        return Calendar::NamingStyle::Trinity;
    if (m_roman->isChecked())
        return Calendar::NamingStyle::Roman;
    return Calendar::NamingStyle::Proper;
}

Calendar::Naming ChurchYearMenu::naming() const
{
    return {style(),
            {.epiphanyOnSunday = m_epiphanySunday->isChecked(),
             .ascensionOnSunday = m_ascensionSunday->isChecked(),
             .bodyAndBloodOnSunday = m_bodyAndBloodSunday->isChecked()}};
}

bool ChurchYearMenu::namesAlways() const
{
    return m_namesAlways->isChecked();
}

void ChurchYearMenu::keep()
{
    m_settings->setValues({{AppSettings::Key::CalendarNaming, m_proper->actionGroup()->checkedAction()->data()},
                           {AppSettings::Key::CalendarRomanEpiphanySunday, m_epiphanySunday->isChecked()},
                           {AppSettings::Key::CalendarRomanAscensionSunday, m_ascensionSunday->isChecked()},
                           {AppSettings::Key::CalendarRomanCorpusChristiSunday, m_bodyAndBloodSunday->isChecked()},
                           {AppSettings::Key::CalendarNamesAlways, namesAlways()}});
    enableOptions();
    Q_EMIT changed();
}

void ChurchYearMenu::enableOptions()
{
    const bool roman = style() == Calendar::NamingStyle::Roman;
    for (QAction *action : {m_epiphanySunday, m_ascensionSunday, m_bodyAndBloodSunday})
        action->setEnabled(roman);
}
