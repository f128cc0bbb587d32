// SPDX-License-Identifier: GPL-3.0-or-later
// Hymn meters compared by the syllable counts they stand for, however the hymnal or the planner writes them.
#pragma once

#include <QString>
#include <QStringView>

namespace Plan {

// The syllable counts of a meter, joined by dots: "C.M." and "8 6 8 6" give "8.6.8.6", "L.M." "8.8.8.8", "S.M."
// "6.6.8.6", and a D after them doubles the pattern ("C.M.D.", "8.7.8.7 D"). Case, blanks, dots and the words
// after the numbers or the abbreviation ("with refrain") do not matter, nor do leading zeros. A meter with neither
// numbers nor one of those abbreviations gives its first word in capitals ("Irregular" gives "IRREGULAR", "P.M."
// "PM"); a text with no letter or digit gives an empty pattern.
QString meterPattern(QStringView meter);

} // namespace Plan
