// SPDX-License-Identifier: GPL-3.0-or-later
// The search walk: entry by entry and line by line, with the limit box, the year test of verse files, the
// exclusions, the phrase, the reference lines and the number, in that order.
#include "search/findhymns.h"

#include "search/datelimits.h"
#include "search/exclusions.h"
#include "search/yeartest.h"
#include "store/plaintext.h"

namespace Search {

namespace {

enum class YearState { Untested, Failed, Passed };

// The year test's outcome for the hymn being walked. Century and year stay from the last test: a hymn lists no
// line before its own test has run, so they are never read from an earlier hymn.
struct HymnYear {
    YearState state = YearState::Untested;
    int century = 0;
    int year = 0;
};

// What the year gate makes of one line.
enum class Gate {
    Open,      // the line goes on to the other boxes
    Reject,    // the line is not listed, the walk goes on
    LeaveEntry // no further line of this entry is listed
};

// What the number box makes of one line that passed the other boxes.
struct NumberMatch {
    bool list = false;       // the line is listed
    bool leaveEntry = false; // no further line of this entry is looked at
};

// The criteria as the walk applies them, worked out once per search.
struct Rules {
    Rules(const EntryStore &store, const SearchCriteria &criteria)
        : criteria(criteria), verse(store.isVerseFile()), noPhrase(criteria.hymname.isEmpty()),
          noNumber(criteria.hymnmbr.isEmpty()), testYears(verse && !PlainText::isBlank(criteria.LimitYr)),
          // Verse rows show the year or century instead of the line only when nothing narrows titles or lines.
          showYear(criteria.Filter.isEmpty() && noPhrase), phrase(criteria.hymname), number(criteria.hymnmbr),
          // In a verse file the limit box is a title phrase as typed, never read as a date.
          limit(verse ? Search::DateLimit{Search::LimitKind::Phrase, criteria.Filter} : Search::IsGtLt(criteria.Filter))
    {}

    const SearchCriteria &criteria;
    const bool verse;
    const bool noPhrase;
    const bool noNumber;
    const bool testYears;
    const bool showYear;
    // Upper-cased once for the whole walk; the tally and the copies test case the same way.
    const PlainText::UpperNeedle phrase;
    const PlainText::UpperNeedle number;
    const Search::DateLimit limit;
};

// The tag less its part note: "12(2)" and "12*" give "12"; "378." (the first line of a verse) gives "378".
QStringView numberPart(QStringView tag, bool dotTag)
{
    for (qsizetype i = 0; i < tag.size(); ++i) {
        if (tag[i] == u'(' || tag[i] == u'*')
            return tag.first(i);
    }
    return dotTag && !tag.isEmpty() ? tag.chopped(1) : tag;
}

bool isReference(bool verse, QStringView tag, QStringView text)
{
    return verse ? text.startsWith(u'^') : tag.startsWith(u'^');
}

// The head line and limit test: whether any line of the entry can be listed.
bool entryWalked(const Rules &rules, const QString &head, bool continuation)
{
    // A continuation entry adds nothing to a list of titles.
    if (rules.criteria.titleOnly && rules.noPhrase && continuation)
        return false;
    return !Search::ChkGtLt(rules.verse, head, rules.limit);
}

// The year gate of verse files at the line in slot `slot`. The credits line is the first line of the hymn; a
// continuation entry's first line is a verse line and keeps the outcome of the hymn's own test. A hymn whose first
// entry ended before its first line (an empty tag) was never tested, so its continuation is tested instead.
Gate yearGate(const Rules &rules, int slot, const QString &text, HymnYear &hymn)
{
    if (slot == 1 && rules.verse && hymn.state == YearState::Untested) {
        if (!rules.testYears)
            return Gate::Open;
        const YearTestResult test = TestYear(text, rules.criteria.LimitYr, rules.criteria.ofMusic);
        hymn.century = test.century;
        hymn.year = test.year;
        hymn.state = test.passed ? YearState::Passed : YearState::Failed;
        return test.passed ? Gate::Open : Gate::Reject;
    }
    // A hymn that passed the year test shows its credits line only, unless a phrase is sought.
    if (hymn.state == YearState::Failed || (hymn.state == YearState::Passed && rules.noPhrase))
        return Gate::LeaveEntry;
    return Gate::Open;
}

// The exclusions and the phrase.
bool textRejected(const Rules &rules, const QString &tag, const QString &text)
{
    return isExcluded(tag, text, rules.criteria.excludH, rules.criteria.excludT) ||
           (!rules.noPhrase && !rules.phrase.isIn(text));
}

NumberMatch matchNumber(const Rules &rules, const QString &tag, bool dotTag)
{
    if (rules.noNumber)
        return {true, rules.criteria.titleOnly && rules.noPhrase};
    if (!rules.criteria.fullNumberOnly)
        return {rules.number.isIn(tag), rules.criteria.titleOnly};
    return {rules.number.equals(numberPart(tag, dotTag)), false};
}

// The List2 row of a listed line.
QString listedText(const Rules &rules, const HymnYear &hymn, const QString &tag, const QString &text)
{
    if (!rules.verse)
        return tag + u' ' + text;
    if (rules.noNumber && rules.showYear && hymn.century >= 1)
        return QString::number(hymn.century);
    if (rules.noNumber && rules.showYear && hymn.year >= 1)
        return QString::number(hymn.year);
    return text;
}

} // namespace

bool SearchCriteria::asksForEverything() const
{
    return !titleOnly && hymnmbr.isEmpty() && hymname.isEmpty() && excludH.isEmpty() && excludT.isEmpty() &&
           Filter.isEmpty() && LimitYr.isEmpty();
}

SearchResult FindHymns(const EntryStore &store, const SearchCriteria &criteria)
{
    SearchResult result;
    const Rules rules(store, criteria);

    HymnYear hymn;
    bool skipReferences = false;
    static const QString noHead;

    for (int i = 1; i <= store.entryCount(); ++i) {
        const QString &head = store.head(i);
        const bool continuation = head == store.head(i - 1);
        int entryRows = 0;
        if (!continuation) {
            hymn.state = YearState::Untested;
            skipReferences = false;
        }
        if (!entryWalked(rules, head, continuation))
            continue;

        const int lines = store.lineCount(i);
        for (int j = 1; j <= EntryStore::MaxSlots; ++j) {
            const QString &tag = store.tag(i, j);
            const QString &text = store.text(i, j);
            // A hymnal's lines end at the first without a tag; a service log's one-word line ("Offertory") names
            // no hymn and is passed over, and its entry ends at its last line.
            if (j > lines || (tag.isEmpty() && rules.verse)) {
                skipReferences = false;
                break;
            }
            if (tag.isEmpty())
                continue;
            const Gate gate = yearGate(rules, j, text, hymn);
            if (gate == Gate::LeaveEntry)
                break;
            const bool rejected = gate == Gate::Reject || textRejected(rules, tag, text);
            // Once a reference line is left out, so is the rest of the hymn's lines.
            if (!criteria.showRefs && isReference(rules.verse, tag, text))
                skipReferences = true;
            if (skipReferences || rejected)
                continue;

            const bool dotTag = rules.verse && tag.endsWith(u'.');
            const NumberMatch match = matchNumber(rules, tag, dotTag);
            if (match.list) {
                ++entryRows;
                result.list1.append(dotTag ? head + u'.' : head);
                result.list2.append(listedText(rules, hymn, tag, text));
                result.entries.push_back(i);
            }
            if (match.leaveEntry)
                break;
        }

        if (entryRows > 0) {
            const qsizetype before = result.list1.size() - 1 - entryRows;
            const QString &previous = before >= 0 ? result.list1.at(before) : noHead;
            if (Search::DropDot(QStringView(result.list1.constLast())) != Search::DropDot(QStringView(previous)))
                ++result.distinctHeads;
        }
    }
    result.totalRows = static_cast<int>(result.list1.size());
    return result;
}

} // namespace Search
