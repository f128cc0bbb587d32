// SPDX-License-Identifier: GPL-3.0-or-later
// The one file the program keeps its settings in (the recent files, where windows were, the hymnal), judged
// before QSettings is made: QSettings reads its files as soon as it is made, and would wait for ever on a pipe put
// in the file's place. A file that is there but is not a regular file is neither read nor written for as long as
// this object lives. Every single value the program keeps is named in one table, with its default.
#pragma once

#include "platform/nativepath.h"

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <memory>
#include <utility>

class QSettings;

class AppSettings {
public:
    // The values kept, and the lists (recent files, backups) that their own classes keep through open() under
    // these names.
    enum class Key {
        HymnalPath,                       // the hymnal set, in the settings file's form of a path
        MainWindowPlace,                  // the main window's size and place, as QWidget::saveGeometry gives them
        MainWindowLeastHeight,            // whether the main window was at its least height when closed
        RecentWeeks,                      // how many weeks back a hymn counts as sung lately when a service is planned
        CalendarNaming,                   // the church year's naming style, by name
        CalendarNamesAlways,              // offer the day's name as a new service's occasion in every log
        CalendarRomanEpiphanySunday,      // the Roman Rite's Epiphany on the Sunday January 2-8
        CalendarRomanAscensionSunday,     // its Ascension on the Seventh Sunday of Easter
        CalendarRomanCorpusChristiSunday, // its Body and Blood of Christ on the Sunday after Trinity
        Language,                         // the language chosen in View > Language by its code; empty: the system's
        SamplesCopied,                    // the samples were offered to the user once
        ReportGeometry,                   // the usage report's place, its size when not maximized
        ReportMaximized,
        ReportSplitter, // the split between the report's table and chart
        ReportSortColumn,
        ReportDescending,
        ReportPreset,     // the range preset by its name
        ReportCustomFrom, // the Custom range's ends as ISO dates; empty for an open end
        ReportCustomTo,
        BoardShowsDate, // the hymn board's line with the date and occasion
        RecentFiles,    // a list: RecentFiles
        LogBackups,     // a list: BackupRecords
    };

    // Looks at the settings file; stderr says once when it is not kept.
    AppSettings();
    ~AppSettings();

    // The key as it is written in the settings file, and the value read where none is kept.
    static QString name(Key key);
    static QVariant defaultValue(Key key);

    // False once the settings file was found not to be a regular file.
    bool isKept() const { return m_kept; }
    // The settings to read or write, or nothing when the file is not kept. The file is looked at again each time.
    std::unique_ptr<QSettings> open();

    // The value kept for key, or its default when none is kept or the file is not kept.
    QVariant value(Key key);
    void setValue(Key key, const QVariant &value);
    // Several values in one writing of the file.
    void setValues(std::initializer_list<std::pair<Key, QVariant>> values);
    void remove(Key key);

    // The weeks kept, from 1 to 52; the default for anything else (see Logbook::recentWeeksFrom).
    int recentWeeks();
    // Keeps weeks, brought within 1 to 52.
    void setRecentWeeks(int weeks);
    // The hymnal's path as kept; empty when none is.
    NativePath hymnalPath();
    void setHymnalPath(const NativePath &path);
    void forgetHymnalPath();

private:
    QString m_file;
    bool m_kept = true;
};
