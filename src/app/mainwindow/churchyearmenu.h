// SPDX-License-Identifier: GPL-3.0-or-later
// View > Church Year: how the Sundays after Pentecost are named, and whether Add Service offers the day's name as
// the occasion in a log that writes none; both kept in the settings.
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
    bool namesAlways() const;

Q_SIGNALS:
    // The user chose another style or turned the names on or off; already kept in the settings.
    void changed();

private:
    void keep();

    AppSettings *m_settings;
    QAction *m_proper;
    QAction *m_pentecost;
    QAction *m_ordinaryTime;
    QAction *m_namesAlways;
};
