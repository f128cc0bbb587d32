// SPDX-License-Identifier: GPL-3.0-or-later
// The two exclusion boxes, applied the same way to a line by the search and by the tally.
#pragma once

#include <QStringView>

namespace Search {

// True when the line is left out: its tag, less the spaces around it, holds excludH, or its text, likewise
// trimmed, holds excludT. Case counts here, unlike in the phrase and number boxes; an empty box leaves out nothing.
bool isExcluded(QStringView tag, QStringView text, QStringView excludH, QStringView excludT);

} // namespace Search
