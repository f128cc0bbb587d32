// SPDX-License-Identifier: GPL-3.0-or-later
// View > Church Year: how the days are named (four styles of the Revised Common Lectionary's calendar, and the
// Roman Rite with the three days a bishops' conference may move to a Sunday), and whether Add Service offers the
// day's name as the occasion in a log that writes none; all kept in the settings.
#pragma once

#include "calendar/churchcalendar.h"

#include <QObject>

class AppSettings;
class QAction;
class QMenu;

class ChurchYearMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to parentMenu, its actions checked as the settings have them.
    ChurchYearMenu(AppSettings *settings, QMenu *parentMenu, QObject *parent = nullptr);

    Calendar::NamingStyle style() const;
    // The style with the Roman Rite's options as checked.
    Calendar::Naming naming() const;
    bool namesAlways() const;

Q_SIGNALS:
    // The user chose another style, an option, or turned the names on or off; already kept in the settings.
    void changed();

private:
    void keep();
    // The Roman Rite's options mean something in its style only.
    void enableOptions();

    AppSettings *m_settings;
    QAction *m_proper;
    QAction *m_pentecost;
    QAction *m_ordinaryTime;
    QAction *m_trinity;
    QAction *m_roman;
    QAction *m_epiphanySunday;
    QAction *m_ascensionSunday;
    QAction *m_bodyAndBloodSunday;
    QAction *m_namesAlways;
};
