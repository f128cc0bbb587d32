// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the criteria boxes leave a line out.
#include "tally/linefilter.h"

#include "search/exclusions.h"

namespace Tally {

LineFilter::LineFilter(const TallyCriteria &criteria)
    : m_criteria(criteria), m_number(criteria.hymnmbr), m_phrase(criteria.hymname)
{}

bool LineFilter::excludes(const QString &tag, const QString &text) const
{
    if (Search::isExcluded(tag, text, m_criteria.excludH, m_criteria.excludT))
        return true;
    if (!m_number.isEmpty() && !m_number.isIn(tag))
        return true;
    // Applies with an empty number box too: then only lines whose tag is a lone blank pass.
    if (m_criteria.fullNumberOnly && !m_number.equals(PlainText::trimView(tag)))
        return true;
    return !m_phrase.isEmpty() && !m_phrase.isIn(text);
}

} // namespace Tally
