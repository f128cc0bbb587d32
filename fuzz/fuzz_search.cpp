// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: a file loaded into the store, then the boxes and check boxes of the window filled from the rest of the
// input; Find, Tally in each order, both copies and the clicks on the rows they list, and the usage report, held
// against a literal count by the hymn key.
//
// Input: file NUL switches NUL hymnmbr NUL hymname NUL excludH NUL excludT NUL Filter NUL LimitYr NUL answer.
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "panes/clickedit.h"
#include "panes/clipcopy.h"
#include "referencereport.h"
#include "referencetally.h"
#include "report/usagereport.h"
#include "search/datelimits.h"
#include "search/findhymns.h"
#include "store/hymnfileloader.h"
#include "storeinvariants.h"
#include "tally/tally.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum Switch : quint8 {
    FullNumberOnly = 0x01,
    TitleOnly = 0x02,
    OfMusic = 0x04,
    ShowRefs = 0x08,
    ClipCopy = 0x10,
    ShowRefsVisible = 0x20,
    BritishDates = 0x40,
    CancelAnswer = 0x80,
};

// Rows clicked per list: the first ones and the last, which is enough to reach every rule of a click.
constexpr qsizetype ClickedRows = 24;
// Rows clicked and then searched for again; each costs a whole search.
constexpr qsizetype FoundAgainRows = 3;
// Tallies and reports of more rows are not redone the literal way, whose sort or search takes n * n steps.
constexpr int ReferenceRows = 300;

constexpr QChar CR(13);

struct Inputs {
    quint8 switches = 0;
    Search::SearchCriteria search;
    std::optional<QString> answer;
};

// What the checks need to know of the loaded store, worked out once per input.
struct StoreFacts {
    QSet<QString> heads; // the head lines of the entries in use
    int headEntries = 0; // entries that begin a hymn or service (continuation entries repeat the head before them)
    int lines = 0;       // lines a search or a tally can reach
    bool verseFile = false;

    explicit StoreFacts(const EntryStore &store) : lines(reachableLines(store)), verseFile(store.isVerseFile())
    {
        for (int e = 1; e <= store.entryCount(); ++e) {
            heads.insert(store.head(e));
            headEntries += store.head(e) != store.head(e - 1) ? 1 : 0;
        }
    }
};

// A usage-file row of List2 is the line as written: its tag (no blank in it, or a lone blank), a blank, its text.
std::pair<QString, QString> tagAndText(const QString &row)
{
    if (row.startsWith(u"  "_s))
        return {u" "_s, row.sliced(2)};
    const qsizetype space = row.indexOf(u' ');
    return space < 0 ? std::pair{row, QString()} : std::pair{row.first(space), row.sliced(space + 1)};
}

QString numberPart(const QString &tag)
{
    qsizetype end = 0;
    while (end < tag.size() && tag[end] != u'(' && tag[end] != u'*')
        ++end;
    return tag.first(end);
}

// Each row a usage-file search lists meets every box: number, phrase, both exclusions, the references box and the
// date limit of its own head line.
void checkUsageRows(const Search::SearchCriteria &criteria, const Search::SearchResult &found)
{
    const Search::DateLimit limit = Search::IsGtLt(criteria.Filter);
    for (qsizetype i = 0; i < found.list2.size(); ++i) {
        const auto [tag, text] = tagAndText(found.list2.at(i));
        FUZZ_CHECK(!tag.isEmpty());
        // An empty number box lets every tag through, " full # only" or not.
        if (!criteria.hymnmbr.isEmpty() && criteria.fullNumberOnly)
            FUZZ_CHECK(numberPart(tag).toUpper() == criteria.hymnmbr.toUpper());
        if (!criteria.hymnmbr.isEmpty() && !criteria.fullNumberOnly)
            FUZZ_CHECK(tag.toUpper().contains(criteria.hymnmbr.toUpper()));
        FUZZ_CHECK(text.toUpper().contains(criteria.hymname.toUpper()));
        FUZZ_CHECK(criteria.excludH.isEmpty() || tag == u" "_s || !tag.contains(criteria.excludH));
        FUZZ_CHECK(criteria.excludT.isEmpty() || !text.contains(criteria.excludT));
        FUZZ_CHECK(criteria.showRefs || !tag.startsWith(u'^'));
        FUZZ_CHECK(!Search::ChkGtLt(false, found.list1.at(i), limit));
    }
}

void checkSearch(const StoreFacts &facts, const Search::SearchCriteria &criteria, const Search::SearchResult &found)
{
    FUZZ_CHECK(found.list1.size() == found.list2.size());
    FUZZ_CHECK(found.totalRows == found.list1.size());
    FUZZ_CHECK(found.totalRows <= facts.lines);
    FUZZ_CHECK(found.distinctHeads >= 0 && found.distinctHeads <= found.totalRows);
    FUZZ_CHECK(found.totalRows == 0 || found.distinctHeads >= 1);
    if (criteria.titleOnly && criteria.hymname.isEmpty() && criteria.hymnmbr.isEmpty())
        FUZZ_CHECK(found.totalRows <= facts.headEntries);

    // Every List1 row is the head line of an entry in use, with a "." for the first line after a separator.
    for (const QString &row : found.list1)
        FUZZ_CHECK(facts.heads.contains(row) || (row.endsWith(u'.') && facts.heads.contains(row.chopped(1))));
    if (!facts.verseFile)
        checkUsageRows(criteria, found);
}

void checkTally(const StoreFacts &facts, const Tally::TallyResult &tally)
{
    FUZZ_CHECK(tally.list1.size() == tally.rows && tally.list2.size() == tally.rows);
    qint64 total = 0;
    for (const QString &row : tally.list1) {
        FUZZ_CHECK(row.startsWith(u' '));
        bool ok = false;
        const qint64 count = row.sliced(1).toLongLong(&ok);
        FUZZ_CHECK(ok && count >= 1);
        total += count;
    }
    FUZZ_CHECK(total == tally.sum);
    FUZZ_CHECK(tally.sum <= facts.lines);
}

// The same rows, whatever order they were sorted into.
std::vector<std::pair<QString, QString>> rowsOf(const Tally::TallyResult &tally)
{
    std::vector<std::pair<QString, QString>> rows;
    for (qsizetype i = 0; i < tally.list1.size(); ++i)
        rows.emplace_back(tally.list1.at(i), tally.list2.at(i));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void checkCopies(const QStringList &list1, const QStringList &list2, const Inputs &in, bool verseFile, bool tallyShown)
{
    const bool clipCopy = in.switches & ClipCopy;
    const std::optional<Panes::CopyResult> copy1 = Panes::List1Copy(list1, clipCopy, tallyShown, verseFile);
    FUZZ_CHECK(copy1.has_value() == !list1.isEmpty());
    if (copy1) {
        // No stored text holds a carriage return, so the copy has one line per row copied.
        FUZZ_CHECK(copy1->text.count(CR) + 1 == copy1->lines);
        FUZZ_CHECK(copy1->lines >= 1 && copy1->lines <= list1.size());
        FUZZ_CHECK((clipCopy && !tallyShown) || copy1->lines == list1.size());
    }

    Panes::List2CopyInputs inputs;
    inputs.list1 = list1;
    inputs.list2 = list2;
    inputs.clipCopy = clipCopy;
    inputs.showRefsVisible = in.switches & ShowRefsVisible;
    inputs.hymname = in.search.hymname;
    inputs.excludT = in.search.excludT;
    inputs.LimitYr = in.search.LimitYr;
    inputs.titleOnly = in.search.titleOnly;
    inputs.verseFile = verseFile;
    inputs.tallyShown = tallyShown;
    const bool asks = Panes::List2AsksVerse(inputs);
    const std::optional<Panes::CopyResult> copy2 = Panes::List2Copy(inputs, in.answer);
    const bool answered = in.answer && !in.answer->isEmpty();
    FUZZ_CHECK(copy2.has_value() == (!list2.isEmpty() && (!asks || answered)));
    if (copy2) {
        FUZZ_CHECK(copy2->lines >= 0 && copy2->lines <= list2.size());
        FUZZ_CHECK(clipCopy ? copy2->heads >= 1 && copy2->heads <= list2.size() : copy2->heads == 0);
        FUZZ_CHECK(!asks || *in.answer != u"All"_s || copy2->lines == list2.size());
    }
    if (!asks && !list2.isEmpty()) {
        // Without the question the answer is never read.
        const std::optional<Panes::CopyResult> unanswered = Panes::List2Copy(inputs, std::nullopt);
        FUZZ_CHECK(unanswered && copy2 && unanswered->text == copy2->text && unanswered->lines == copy2->lines);
    }
}

// The first `first` rows and the last one.
std::vector<qsizetype> clickedRows(qsizetype rows, qsizetype first)
{
    std::vector<qsizetype> clicked;
    for (qsizetype i = 0; i < std::min(rows, first); ++i)
        clicked.push_back(i);
    if (rows > first)
        clicked.push_back(rows - 1);
    return clicked;
}

QString indexCaption(qsizetype i)
{
    return u"("_s + QString::number(i + 1) + u")"_s;
}

void checkClicks(const QStringList &list1, const QStringList &list2, bool verseFile, bool tallyShown)
{
    for (qsizetype i : clickedRows(list1.size(), ClickedRows)) {
        const Panes::ClickEdit one = Panes::List1ClickEdit(list1.at(i), static_cast<int>(i), verseFile, tallyShown);
        FUZZ_CHECK(one.indexPos == indexCaption(i) && one.uncheckTitleOnly);
        const Panes::ClickEdit two = Panes::List2ClickEdit(list2.at(i), list1.at(i), static_cast<int>(i), verseFile);
        FUZZ_CHECK(two.indexPos == indexCaption(i));
    }
}

// A click on a search row of a service log writes its number, its title and its date into the boxes; Find then
// lists that row again. Not when the date itself opens with "<" or ">" (it then reads as a limit), when only full
// numbers count (the clicked tag keeps its part note, which the full number leaves off), or under "title only"
// (which the click leaves checked, and which stops at the first line of an entry that the new phrase lets by).
void checkClickThenFind(const EntryStore &store, const StoreFacts &facts, const Inputs &in,
                        const Search::SearchResult &found)
{
    if (store.isVerseFile() || in.search.fullNumberOnly || in.search.titleOnly)
        return;
    for (qsizetype i : clickedRows(found.list2.size(), FoundAgainRows)) {
        const QString &date = found.list1.at(i);
        if (date.startsWith(u'<') || date.startsWith(u'>'))
            continue;
        const Panes::ClickEdit edit = Panes::List2ClickEdit(found.list2.at(i), date, static_cast<int>(i), false);
        Search::SearchCriteria again = in.search;
        again.hymnmbr = edit.hymnmbr;
        again.hymname = edit.hymname;
        again.LimitYr = edit.LimitYr;
        again.Filter = edit.Filter.value_or(again.Filter);
        again.ofMusic = false;
        const Search::SearchResult refound = Search::FindHymns(store, again);
        checkSearch(facts, again, refound);
        bool listed = false;
        for (qsizetype r = 0; r < refound.list2.size() && !listed; ++r)
            listed = refound.list2.at(r) == found.list2.at(i) && refound.list1.at(r) == date;
        FUZZ_CHECK(listed);
    }
}

// The usage report under the tally's boxes: counting every line with no range it holds the rows of a literal
// count by the hymn key; once per service and within the latest year it counts no more, and its dates and periods
// hold together.
void checkReport(const EntryStore &store, const Tally::TallyCriteria &filters)
{
    const Report::ReportResult every = Report::buildReport(store, {filters, Report::DateRange{}, false});
    if (store.isVerseFile()) {
        FUZZ_CHECK(every.rows.empty() && every.services == 0);
        return;
    }
    std::vector<std::pair<QString, QString>> rows;
    for (const Report::ReportRow &row : every.rows)
        rows.emplace_back(u' ' + QString::number(row.uses), row.number + u' ' + row.title);
    std::sort(rows.begin(), rows.end());
    if (const auto expected = ReferenceReportRows(store, filters, ReferenceRows))
        FUZZ_CHECK(rows == *expected);
    FUZZ_CHECK(every.services <= store.hymnCount() && every.undatedServices <= every.services);

    const Report::ServiceSpan span = Report::serviceSpan(store);
    FUZZ_CHECK(every.latestService == span.latest);
    const Report::DateRange year = Report::presetRange(Report::Preset::LatestYear, span.latest);
    const Report::ReportResult once = Report::buildReport(store, {filters, year, true});
    FUZZ_CHECK(once.services <= every.services && once.rows.size() <= every.rows.size());
    FUZZ_CHECK(year.isAll() || once.undatedServices == 0);
    for (size_t p = 1; p < once.periods.size(); ++p)
        FUZZ_CHECK(once.periods[p - 1] < once.periods[p]);
    for (const Report::ReportRow &row : once.rows) {
        FUZZ_CHECK(row.uses >= 1 && row.uses <= once.services);
        FUZZ_CHECK(row.perPeriod.size() == once.periods.size());
        FUZZ_CHECK(row.lastUsed.isNull() == (row.daysSince < 0));
        FUZZ_CHECK(row.firstUsed <= row.lastUsed && row.daysSince <= span.earliest.daysTo(span.latest));
    }
    int uses = 0;
    for (const int perPeriod : Report::seriesOf(once, {}))
        uses += perPeriod;
    int dated = 0;
    for (const Report::ReportRow &row : once.rows)
        dated += row.lastUsed.isValid() ? row.uses : 0;
    FUZZ_CHECK(uses == dated);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static EntryStore store;
    FuzzInput input(data, size);
    const LoadOutcome outcome = HymnFileLoader::loadBytes(input.takeBytes(), u"fuzz.txt"_s, store);
    checkStore(store, outcome);
    const StoreFacts facts(store);

    Inputs in;
    in.switches = input.takeFlags();
    in.search.hymnmbr = input.takeText();
    in.search.hymname = input.takeText();
    in.search.excludH = input.takeText();
    in.search.excludT = input.takeText();
    in.search.Filter = input.takeText();
    in.search.LimitYr = input.takeText();
    in.search.fullNumberOnly = in.switches & FullNumberOnly;
    in.search.titleOnly = in.switches & TitleOnly;
    in.search.ofMusic = in.switches & OfMusic;
    in.search.showRefs = in.switches & ShowRefs;
    const QString answer = input.takeText();
    if (!(in.switches & CancelAnswer))
        in.answer = answer;
    QLocale::setDefault(in.switches & BritishDates ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                   : QLocale(QLocale::English, QLocale::UnitedStates));

    const Search::SearchResult found = Search::FindHymns(store, in.search);
    checkSearch(facts, in.search, found);
    checkCopies(found.list1, found.list2, in, store.isVerseFile(), false);
    checkClicks(found.list1, found.list2, store.isVerseFile(), false);
    checkClickThenFind(store, facts, in, found);

    Tally::TallyCriteria criteria{.excludT = in.search.excludT,
                                  .excludH = in.search.excludH,
                                  .hymnmbr = in.search.hymnmbr,
                                  .hymname = in.search.hymname,
                                  .Filter = in.search.Filter,
                                  .fullNumberOnly = in.search.fullNumberOnly};
    std::vector<std::pair<QString, QString>> firstRows;
    for (const Tally::TallyOrder order :
         {Tally::TallyOrder::Frequency, Tally::TallyOrder::Number, Tally::TallyOrder::Title}) {
        criteria.order = order;
        const Tally::TallyResult tally = Tally::TallyHymns(store, criteria);
        checkTally(facts, tally);
        if (const std::optional<Tally::TallyResult> expected = ReferenceTally(store, criteria, ReferenceRows)) {
            FUZZ_CHECK(tally.list1 == expected->list1 && tally.list2 == expected->list2);
            FUZZ_CHECK(tally.rows == expected->rows && tally.sum == expected->sum);
        }
        // Sorting only reorders: each order holds the same rows.
        const auto rows = rowsOf(tally);
        if (order == Tally::TallyOrder::Frequency)
            firstRows = rows;
        FUZZ_CHECK(rows == firstRows);
        if (order == Tally::TallyOrder::Frequency) {
            for (qsizetype r = 1; r < tally.list1.size(); ++r)
                FUZZ_CHECK(tally.list1.at(r - 1).sliced(1).toLongLong() >= tally.list1.at(r).sliced(1).toLongLong());
            checkCopies(tally.list1, tally.list2, in, store.isVerseFile(), true);
            checkClicks(tally.list1, tally.list2, store.isVerseFile(), true);
        }
    }
    checkReport(store, criteria);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}
