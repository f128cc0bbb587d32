// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: any bytes as a service log with a service added to it. The file's other bytes and its encoding stay as
// they were, and the loader reads the old services unchanged and the new one with its date and lines, in its place
// by date.
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

// The service the new one goes before (the count: after them all), as a service of that date belongs in a file
// kept in date order; worked out here on its own from the dates the form read.
size_t placeByDate(const Logbook::FileForm &form, QDate date)
{
    const std::vector<QDate> &dates = form.serviceDates;
    const bool newestFirst = form.order == Logbook::ServiceOrder::NewestFirst;
    QDate latest;
    for (const QDate &d : dates)
        latest = d.isValid() && (latest.isNull() || d > latest) ? d : latest;
    if (latest.isNull() || date >= latest)
        return newestFirst ? 0 : dates.size();
    std::vector<size_t> dated; // indexes of dated services, in file order
    for (size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].isValid())
            dated.push_back(i);
    }
    if (!newestFirst) {
        for (auto i = dated.rbegin(); i != dated.rend(); ++i) {
            if (dates[*i] <= date)
                return *i + 1;
        }
        return dated.front();
    }
    for (size_t i : dated) {
        if (dates[i] <= date)
            return i;
    }
    return dated.back() + 1;
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
    static EntryStore before, after;
    const LoadOutcome old = HymnFileLoader::loadBytes(file, u"fuzz.txt"_s, before);
    const bool full = old.limitReached || old.errorText.contains(u"more than"_s);
    const size_t place = placeByDate(form, date);
    if (!added.ok()) {
        FUZZ_CHECK(added.bytes.isEmpty());
        FUZZ_CHECK(form.hymnTexts || (form.halfCharacterAtEnd && place == form.serviceDates.size()) || full);
        return 0;
    }
    FUZZ_CHECK(!form.hymnTexts);
    FUZZ_CHECK(added.hymns == 1);
    FUZZ_CHECK(TextDecoding::encodingOf(added.bytes).kind == form.encoding.kind);
    // One run of bytes put in, every other byte as it was.
    qsizetype prefix = 0;
    while (prefix < file.size() && added.bytes[prefix] == file[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < file.size() && added.bytes[added.bytes.size() - 1 - suffix] == file[file.size() - 1 - suffix])
        ++suffix;
    FUZZ_CHECK(added.bytes.size() > file.size() && prefix + suffix >= file.size());
    FUZZ_CHECK(added.bytes.startsWith(file.first(form.textStart)));

    const LoadOutcome now = HymnFileLoader::loadBytes(added.bytes, u"fuzz.txt"_s, after);
    FUZZ_CHECK(!before.isVerseFile() && !after.isVerseFile());
    // A full store keeps only the services before the limit: nothing to compare past it.
    if (full || now.limitReached || before.entryCount() >= EntryStore::MaxEntries - 1 ||
        now.errorText.contains(u"more than"_s))
        return 0;
    FUZZ_CHECK(after.entryCount() == before.entryCount() + 1);
    // The entry of the service the new one goes before; continuation entries belong to the service above them.
    int addedAt = before.entryCount() + 1;
    for (int e = 1, service = 0; e <= before.entryCount(); ++e) {
        if (before.isContinuation(e))
            continue;
        if (size_t(service++) == place) {
            addedAt = e;
            break;
        }
    }
    FUZZ_CHECK(Search::headDate(after.head(addedAt)) == date);
    FUZZ_CHECK(after.head(addedAt) == added.headLine);
    const int hymnSlot = flags & 0x08 ? 2 : 1;
    FUZZ_CHECK(after.tag(addedAt, hymnSlot) == u"12*"_s && after.text(addedAt, hymnSlot) == u"Holy God"_s);
    FUZZ_CHECK(after.text(addedAt, hymnSlot + 1).isEmpty());
    for (int e = 1; e <= before.entryCount(); ++e) {
        const int moved = e < addedAt ? e : e + 1;
        FUZZ_CHECK(after.isContinuation(moved) == before.isContinuation(e));
        FUZZ_CHECK(sameLines(before, e, after, moved));
        // Only a head line without a comma can take a year from the service added below it.
        FUZZ_CHECK(!before.head(e).contains(u',') || before.head(e) == after.head(moved));
    }
    // The planner reads the new service as sung on its date.
    const Logbook::HymnMarks marks = Logbook::Planner(after).marks(HymnKey::ofNumber(u"12"_s), date);
    FUZZ_CHECK(marks.lastSung == date && marks.recent && marks.usesInYear >= 1);
    return 0;
}
