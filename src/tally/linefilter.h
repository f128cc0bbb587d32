// SPDX-License-Identifier: GPL-3.0-or-later
// The criteria boxes applied to one line of a service: the rule the tally and the usage report share.
#pragma once

#include "store/plaintext.h"
#include "tally/tally.h"

#include <QString>

namespace Tally {

// The exclusion, number, " full # only" and phrase boxes, tested line by line; the limit box is the caller's to
// test, once per entry, since it depends on the head line only.
class LineFilter {
public:
    // The criteria are read, not copied: they must outlive the filter.
    explicit LineFilter(const TallyCriteria &criteria);
    explicit LineFilter(TallyCriteria &&) = delete;

    bool excludes(const QString &tag, const QString &text) const;

private:
    const TallyCriteria &m_criteria;
    PlainText::UpperNeedle m_number;
    PlainText::UpperNeedle m_phrase;
};

} // namespace Tally
