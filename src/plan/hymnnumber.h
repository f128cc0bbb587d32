// SPDX-License-Identifier: GPL-3.0-or-later
// Hymn numbers as the hymnal's head lines and the service log's tags write them, in numeric order; which hymn a
// number stands for is HymnKey's.
#pragma once

#include <QString>

namespace Plan {

// Hymn numbers in numeric order: by the value of their leading digits ("9" before "10", "12" before "12a"), then
// by the rest in any case; numbers that do not begin with a digit come after all that do, by their text.
int compareNumbers(const QString &a, const QString &b);

} // namespace Plan
