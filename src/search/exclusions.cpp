// SPDX-License-Identifier: GPL-3.0-or-later
// The exclusion boxes, in one place so that a search and a tally under the same boxes count the same lines.
#include "search/exclusions.h"

#include "store/plaintext.h"

namespace Search {

bool isExcluded(QStringView tag, QStringView text, QStringView excludH, QStringView excludT)
{
    // The emptiness tests matter: an empty text is contained in every line.
    return (!excludH.isEmpty() && PlainText::trimView(tag).contains(excludH)) ||
           (!excludT.isEmpty() && PlainText::trimView(text).contains(excludT));
}

} // namespace Search
