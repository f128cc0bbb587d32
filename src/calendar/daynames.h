// SPDX-License-Identifier: GPL-3.0-or-later
// The church year's names in one table for every style: each day's own name, the Roman Rite's weeks and the forms
// of a weekday's name, in English, the source every translation is made from. A set of them, in English or in the
// language shown, reads a name back into its day.
#pragma once

#include "calendar/churchcalendar.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

namespace Calendar {

class DayNames {
public:
    // The English names of every style, with the other ways lectionaries commonly write them ("All Saints' Day",
    // "Day of Pentecost", "Sts. Peter and Paul", "Epiphany 1" for the Baptism of the Lord …); "the" may be left out
    // or added anywhere. Made once.
    static const DayNames &english();
    // The names of every style as the translations loaded now give them, without the English variants; the names
    // a later language choice adds when a file is read.
    static DayNames shown();

    // The name of id in the style's words: the Roman Rite's names where it has one for the id, the Revised Common
    // Lectionary's elsewhere; ids are named as they are, without turning a Proper into a Pentecost count. Empty for
    // an id no table names.
    static QString name(const DayId &id, NamingStyle style, Words words);

    // The day text names, ignoring case, spaces, apostrophes, commas and full stops; nothing when it names none.
    std::optional<DayId> read(QStringView text) const;

private:
    explicit DayNames(Words words);
    // The form a name is compared in.
    QString key(QStringView text) const;
    // Keeps the first day given a name: the tables' own names come before the variants.
    void add(const QString &text, const DayId &id);

    Words m_words;
    QHash<QString, DayId> m_days;
};

} // namespace Calendar
