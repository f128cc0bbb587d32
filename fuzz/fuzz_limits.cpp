// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: a limit text and some head lines, read and tested under the US and the British order of day and month,
// with the date reader and the year test on the same texts.
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "search/datelimits.h"
#include "search/dateparse.h"
#include "search/yeartest.h"

#include <QLocale>
#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxHeads = 16;

struct Region {
    QLocale locale;
    QString numericFormat; // the locale's order of month and day, with a four-digit year
};

// A date the reader accepts must be read back the same from the forms it documents.
void checkDate(const QString &text, const Region &region)
{
    const std::optional<QDate> date = Search::DateParse::parse(text);
    if (!date)
        return;
    FUZZ_CHECK(date->isValid() && date->year() >= 100 && date->year() <= 9999);
    const QString named = date->toString(u"MMM d, yyyy"_s);
    FUZZ_CHECK(Search::DateParse::parse(named) == date);
    FUZZ_CHECK(Search::DateParse::parse(date->toString(region.numericFormat)) == date);
}

void checkYearTest(const QString &credits, const QString &limitYr)
{
    for (bool ofMusic : {false, true}) {
        const Search::YearTestResult test = Search::TestYear(credits, limitYr, ofMusic);
        // Four characters read as a number, and two characters before "th cent." times 100 less 50.
        FUZZ_CHECK(test.year >= -999 && test.year <= 9999);
        FUZZ_CHECK(test.century >= -950 && test.century <= 9850);
    }
}

void checkLimit(const QString &limit, const QStringList &heads, const Region &region)
{
    QLocale::setDefault(region.locale);
    const Search::DateLimit read = Search::IsGtLt(limit);
    const QString &filter = read.text;
    const bool hasSign = limit.startsWith(u'<') || limit.startsWith(u'>');
    FUZZ_CHECK(hasSign || (read.kind == Search::LimitKind::Phrase && filter == limit));
    FUZZ_CHECK(read.kind == Search::LimitKind::Phrase || Search::DateParse::isDate(filter));
    checkDate(limit, region);
    checkDate(filter, region);
    checkYearTest(limit, limit);

    for (const QString &head : heads) {
        const bool verse = Search::ChkGtLt(true, head, read);
        FUZZ_CHECK(verse == !head.toUpper().contains(filter.toUpper()));
        // A text that is no date limit is a phrase in a usage file too.
        const bool usage = Search::ChkGtLt(false, head, read);
        FUZZ_CHECK(read.kind != Search::LimitKind::Phrase || usage == verse);
        if (read.kind != Search::LimitKind::Phrase) {
            // A readable limit date splits the dated entries in two: each is kept by exactly one of "<" and ">".
            // An entry whose date cannot be read is left out by both.
            const int kept = !Search::ChkGtLt(false, head, Search::DateLimit{Search::LimitKind::Before, filter}) +
                             !Search::ChkGtLt(false, head, Search::DateLimit{Search::LimitKind::OnOrAfter, filter});
            FUZZ_CHECK(kept <= 1);
            FUZZ_CHECK(!Search::DateParse::isDate(head) || kept == 1);
        }
        checkDate(head, region);
        checkYearTest(head, limit);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Region regions[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), u"M/d/yyyy"_s},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), u"d/M/yyyy"_s},
    };
    FuzzInput input(data, size);
    const QString limit = input.takeText();
    QStringList heads;
    while (!input.atEnd() && heads.size() < MaxHeads)
        heads.append(input.takeText());

    for (const Region &region : regions)
        checkLimit(limit, heads, region);
    QLocale::setDefault(regions[0].locale);

    const QString dropped = Search::DropDot(limit);
    FUZZ_CHECK(dropped.size() == limit.size() - (limit.endsWith(u'.') ? 1 : 0) && limit.startsWith(dropped));
    return 0;
}
