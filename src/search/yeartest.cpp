// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a year or a century from a credits line and testing it against the year box.
#include "search/yeartest.h"

#include "store/plaintext.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Search {

namespace {

constexpr qsizetype YearWidth = 4;

// 0-based index at which the scan for a year starts; may lie past the point where four characters still fit.
qsizetype startOf(QStringView credits, bool ofMusic)
{
    if (!ofMusic)
        return 0;
    // Looked for from the second character on, so both "Music:" and "music:" are found.
    const qsizetype music = credits.size() > 1 ? credits.indexOf(u"usic:", 1) : -1;
    if (music >= 0)
        return music;
    return credits.size() - YearWidth;
}

int centuryOf(QStringView credits, qsizetype start)
{
    const qsizetype at = credits.indexOf(u"th cent.", qMax<qsizetype>(start, 0));
    if (at < 0)
        return 0;
    // The two characters before the mark ("19" of "19th cent."); fewer when the mark stands near the start.
    const qsizetype from = qMax<qsizetype>(at - 2, 0);
    if (from == at)
        return 0;
    return static_cast<int>(std::lround(PlainText::leadingValue(credits.sliced(from, at - from)) * 100 - 50));
}

} // namespace

YearTestResult TestYear(QStringView credits, QStringView limitYr, bool ofMusic)
{
    YearTestResult result;
    const qsizetype start = startOf(credits, ofMusic);
    result.century = centuryOf(credits, start);

    for (qsizetype k = qMax<qsizetype>(start, 0); k + YearWidth <= credits.size(); ++k) {
        const QStringView four = credits.sliced(k, YearWidth);
        // Four characters hold at most a four-digit number, so the value always fits.
        result.year = static_cast<int>(PlainText::leadingInteger(four));
        if (result.hasCentury() || (PlainText::isFourDigits(four) && result.year > 1000))
            break;
    }

    if (limitYr.startsWith(u'>')) {
        const double limit = PlainText::leadingValue(limitYr.sliced(1));
        result.passed = limit <= result.year || (result.hasCentury() && limit <= result.century);
    } else if (limitYr.startsWith(u'<')) {
        const double limit = PlainText::leadingValue(limitYr.sliced(1));
        result.passed = (result.year >= 1 && limit > result.year) || (result.hasCentury() && limit > result.century);
    } else {
        result.passed = PlainText::leadingValue(limitYr) == result.year;
    }
    return result;
}

} // namespace Search
