// SPDX-License-Identifier: GPL-3.0-or-later
// Hymn numbers as the hymnal's head lines and the service log's tags write them, made comparable.
#pragma once

#include <QString>

namespace Plan {

// The hymn a number stands for, as a key for joining a hymnal to a service log: blanks and one leading "#"
// dropped, cut before the first "*" or "(" (the log's marks, "12*" and "12(2)" being hymn 12), closing full
// stops dropped ("12." is 12), leading zeros dropped ("012" is 12) and letters upper-cased ("12a" is "12A",
// another hymn than 12). Empty when nothing is left.
QString numberKey(const QString &number);

// Hymn numbers in numeric order: by the value of their leading digits ("9" before "10", "12" before "12a"), then
// by the rest in any case; numbers that do not begin with a digit come after all that do, by their text.
int compareNumbers(const QString &a, const QString &b);

} // namespace Plan
