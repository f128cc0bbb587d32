// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: readings as typed NUL meter NUL book-list name NUL ... — the reference reader, the overlap test and the
// meter reader, with and without the book list.
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "plan/booktable.h"
#include "plan/meter.h"
#include "plan/scripture.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int MaxNames = 24;
// The overlap checks look at this many references at most, pairwise.
constexpr size_t MaxPairs = 24;

void checkReadings(const QString &text, const Plan::BookTable &books)
{
    const Plan::Readings readings = Plan::parseReadings(text, books);
    qsizetype pieces = 0;
    for (const QStringView piece : QStringView(text).tokenize(u';'))
        pieces += piece.trimmed().isEmpty() ? 0 : 1;
    // Each piece that is not blank gives references or is named once as unreadable.
    FUZZ_CHECK(readings.unreadable.size() <= pieces);
    FUZZ_CHECK(!readings.references.empty() || readings.unreadable.size() == pieces);
    FUZZ_CHECK(Plan::unreadableMessage(readings.unreadable).isEmpty() == readings.unreadable.isEmpty());
    for (const QString &piece : readings.unreadable)
        FUZZ_CHECK(!piece.isEmpty() && !piece.contains(u';') && piece == piece.trimmed());

    for (const Plan::Reference &ref : readings.references) {
        FUZZ_CHECK(ref.book > 0 && !ref.spans.empty() && !ref.text.contains(u';'));
        for (const Plan::VerseSpan &span : ref.spans)
            FUZZ_CHECK(span.first >= 0 && span.first <= span.last &&
                       span.last <= Plan::MaxChapter * Plan::ChapterSpan + Plan::MaxVerse);
        // The text kept for the reference reads back as that reference alone.
        const Plan::Readings again = Plan::parseReadings(ref.text, books);
        FUZZ_CHECK(again.unreadable.isEmpty() && again.references.size() == 1);
        FUZZ_CHECK(again.references[0].book == ref.book && again.references[0].spans == ref.spans);
    }

    const size_t count = std::min(readings.references.size(), MaxPairs);
    for (size_t a = 0; a < count; ++a) {
        const Plan::Reference &x = readings.references[a];
        FUZZ_CHECK(Plan::overlaps(x, x));
        for (size_t b = a + 1; b < count; ++b)
            FUZZ_CHECK(Plan::overlaps(x, readings.references[b]) == Plan::overlaps(readings.references[b], x));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QString readings = input.takeText();
    const QString meter = input.takeText();
    QStringList names;
    while (!input.atEnd() && names.size() < MaxNames)
        names.append(input.takeText());

    checkReadings(readings, Plan::BookTable());
    const Plan::BookTable listed(names);
    checkReadings(readings, listed);
    for (const QString &name : names) {
        const QString key = Plan::BookTable::keyOf(name);
        FUZZ_CHECK(Plan::BookTable::keyOf(key) == key);
        FUZZ_CHECK(listed.bookOf(key) == listed.bookOf(name));
    }

    // A pattern is its own pattern, and holds neither blanks nor empty counts.
    const QString pattern = Plan::meterPattern(meter);
    FUZZ_CHECK(Plan::meterPattern(pattern) == pattern);
    FUZZ_CHECK(!pattern.contains(u' ') && !pattern.contains(u"..") && !pattern.startsWith(u'.'));
    return 0;
}
