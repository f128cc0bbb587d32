// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: any bytes as a service log with a service added to it. The file's other bytes and its encoding stay as
// they were, and the loader reads the old services unchanged and the new one with its date and lines.
#include "fuzzcheck.h"
#include "logbook/addservice.h"
#include "logbook/planner.h"
#include "search/datelimits.h"
#include "store/hymnfileloader.h"

#include <QByteArray>
#include <QLocale>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

bool sameLines(const EntryStore &a, int entryA, const EntryStore &b, int entryB)
{
    for (int s = 1; s <= EntryStore::MaxSlots; ++s) {
        if (a.tag(entryA, s) != b.tag(entryB, s) || a.text(entryA, s) != b.text(entryB, s))
            return false;
    }
    return true;
}

} // namespace

// The first byte holds switches (bits 0-1 the line end of a file without one, bit 2 an occasion, bit 3 a line
// without a number, bit 4 the British order of day and month), the next two the date as days from 2000; the rest
// is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const quint8 flags = data[0];
    const QDate date = QDate(2000, 1, 1).addDays(data[1] | data[2] << 8);
    const QByteArray file(reinterpret_cast<const char *>(data) + 3, static_cast<qsizetype>(size - 3));
    QLocale::setDefault(flags & 0x10 ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                     : QLocale(QLocale::English, QLocale::UnitedStates));
    static const Logbook::LineEnd ends[] = {Logbook::LineEnd::CrLf, Logbook::LineEnd::Lf, Logbook::LineEnd::Cr,
                                            Logbook::LineEnd::Lf};
    Logbook::NewService service{date, flags & 0x04 ? u"Easter"_s : QString(), {{u"12*"_s, u"Holy God"_s}}};
    if (flags & 0x08)
        service.lines.insert(service.lines.begin(), {QString(), u"Anthem"_s});

    const Logbook::FileForm form = Logbook::readForm(file, ends[flags & 0x03]);
    const Logbook::AddedService added = Logbook::addService(file, service, ends[flags & 0x03]);
    const bool atTop = form.order == Logbook::ServiceOrder::NewestFirst;
    if (!added.ok()) {
        FUZZ_CHECK(added.bytes.isEmpty());
        FUZZ_CHECK(form.hymnTexts || (form.halfCharacterAtEnd && !atTop));
        return 0;
    }
    FUZZ_CHECK(!form.hymnTexts);
    FUZZ_CHECK(added.hymns == 1);
    FUZZ_CHECK(TextDecoding::encodingOf(added.bytes).kind == form.encoding.kind);
    if (atTop) {
        FUZZ_CHECK(added.bytes.startsWith(file.first(form.textStart)));
        FUZZ_CHECK(added.bytes.endsWith(file.sliced(form.textStart)));
    } else {
        FUZZ_CHECK(added.bytes.startsWith(file));
    }

    static EntryStore before, after;
    const LoadOutcome old = HymnFileLoader::loadBytes(file, u"fuzz.txt"_s, before);
    const LoadOutcome now = HymnFileLoader::loadBytes(added.bytes, u"fuzz.txt"_s, after);
    FUZZ_CHECK(!before.isVerseFile() && !after.isVerseFile());
    // A full store keeps only the services before the limit: nothing to compare past it.
    if (old.limitReached || now.limitReached || before.entryCount() >= EntryStore::MaxEntries - 1 ||
        old.errorText.contains(u"more than"_s) || now.errorText.contains(u"more than"_s))
        return 0;
    FUZZ_CHECK(after.entryCount() == before.entryCount() + 1);
    const int shift = atTop ? 1 : 0;
    const int addedAt = atTop ? 1 : after.entryCount();
    FUZZ_CHECK(Limits::headDate(after.head(addedAt)) == date);
    FUZZ_CHECK(after.head(addedAt) == added.headLine);
    const int hymnSlot = flags & 0x08 ? 2 : 1;
    FUZZ_CHECK(after.tag(addedAt, hymnSlot) == u"12*"_s && after.text(addedAt, hymnSlot) == u"Holy God"_s);
    FUZZ_CHECK(after.text(addedAt, hymnSlot + 1).isEmpty());
    for (int e = 1; e <= before.entryCount(); ++e) {
        FUZZ_CHECK(after.isContinuation(e + shift) == before.isContinuation(e));
        FUZZ_CHECK(sameLines(before, e, after, e + shift));
        // Only a head line without a comma can take a year from the service added below it.
        FUZZ_CHECK(!before.head(e).contains(u',') || before.head(e) == after.head(e + shift));
    }
    // The planner reads the new service as sung on its date.
    const Logbook::HymnMarks marks = Logbook::Planner(after).marks(u"12"_s, date);
    FUZZ_CHECK(marks.lastSung == date && marks.recent && marks.usesInYear >= 1);
    return 0;
}
