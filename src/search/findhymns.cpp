// The search walk: entry by entry and line by line, with the limit box, the year test of verse files, the
// exclusions, the phrase, the reference lines and the number, in that order.
#include "search/findhymns.h"

#include "search/datelimits.h"
#include "search/yeartest.h"
#include "store/plaintext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Search {

namespace {

enum YearState { YearUntested = 0, YearFailed = 1, YearPassed = 2 };

QStringView withoutClosingDot(QStringView text)
{
    return text.endsWith(u'.') ? text.chopped(1) : text;
}

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

} // namespace

bool SearchCriteria::asksForEverything() const
{
    return !titleOnly && hymnmbr.isEmpty() && hymname.isEmpty() && excludH.isEmpty() && excludT.isEmpty() &&
           Filter.isEmpty() && LimitYr.isEmpty();
}

SearchResult FindHymns(const EntryStore &store, const SearchCriteria &criteria)
{
    SearchResult result;
    const bool verse = store.VerseFile != 0;
    const bool noPhrase = criteria.hymname.isEmpty();
    const bool noNumber = criteria.hymnmbr.isEmpty();
    const bool testYears = verse && !PlainText::isBlank(criteria.LimitYr);
    // Verse rows show the year or century instead of the line only when nothing narrows the titles or lines.
    const bool showYear = criteria.Filter.isEmpty() && noPhrase;
    // Upper-cased once for the whole walk; the tally and the copies test case the same way.
    const PlainText::UpperNeedle phrase(criteria.hymname);
    const PlainText::UpperNeedle number(criteria.hymnmbr);
    // In a verse file the limit box is a title phrase as typed, never read as a date.
    const Limits::DateLimit limit =
        verse ? Limits::DateLimit{Limits::LimitKind::Phrase, criteria.Filter} : Limits::IsGtLt(criteria.Filter);

    // A store that was never sized, or counters past the arrays, must not lead the walk out of bounds.
    const qsizetype arrays = std::min(
        {qsizetype(store.EntryHead.size()), qsizetype(store.LineTag.size()), qsizetype(store.LineText.size())});
    const int lastEntry = static_cast<int>(std::min<qsizetype>(store.EntryCount, arrays - 1));

    int yearState = YearUntested;
    bool skipReferences = false;
    int century = 0;
    int year = 0;
    static const QString noHead;

    for (int i = 1; i <= lastEntry; ++i) {
        const QString &head = store.EntryHead[i];
        const bool continuation = head == store.EntryHead[i - 1];
        int entryRows = 0;
        if (!continuation) {
            yearState = YearUntested;
            skipReferences = false;
        }

        // A continuation entry adds nothing to a list of titles.
        if (criteria.titleOnly && noPhrase && continuation)
            continue;
        if (Limits::ChkGtLt(verse, head, limit))
            continue;

        const EntryStore::Slots &tags = store.LineTag[i];
        const EntryStore::Slots &texts = store.LineText[i];
        for (int j = 1; j <= EntryStore::MaxSlots; ++j) {
            const QString &tag = tags[j];
            const QString &text = texts[j];
            if (tag.isEmpty()) {
                skipReferences = false;
                break;
            }
            bool rejected = false;
            bool dotTag = false;

            // The credits line is the first line of the hymn; a continuation entry's first line is a verse line
            // and keeps the outcome of the hymn's own test. A hymn whose first entry ended before its first line
            // (an empty tag) was never tested, so its continuation is tested instead of passing untested.
            if (j == 1 && verse && (!continuation || yearState == YearUntested) && yearState < YearPassed) {
                if (testYears) {
                    const YearTestResult test = TestYear(text, criteria.LimitYr, criteria.ofMusic);
                    century = test.century;
                    year = test.year;
                    yearState = test.passed ? YearPassed : YearFailed;
                    rejected = !test.passed;
                }
            } else if (yearState == YearFailed || (yearState >= YearFailed && noPhrase)) {
                // A hymn that passed the year test shows its credits line only, unless a phrase is sought.
                break;
            }

            if (!criteria.excludH.isEmpty() && PlainText::trimView(tag).contains(criteria.excludH))
                rejected = true;
            if (!criteria.excludT.isEmpty() && PlainText::trimView(text).contains(criteria.excludT))
                rejected = true;
            if (!noPhrase && !phrase.isIn(text))
                rejected = true;
            // Once a reference line is left out, so is the rest of the hymn's lines.
            if (!criteria.showRefs && isReference(verse, tag, text))
                skipReferences = true;
            if (skipReferences || rejected)
                continue;

            if (verse && tag.endsWith(u'.'))
                dotTag = true;

            bool list = false;
            bool leaveEntry = false;
            if (noNumber) {
                list = true;
                leaveEntry = criteria.titleOnly && noPhrase;
            } else if (!criteria.fullNumberOnly) {
                list = number.isIn(tag);
                leaveEntry = criteria.titleOnly;
            } else {
                list = number.equals(numberPart(tag, dotTag));
            }

            if (list) {
                ++entryRows;
                result.list1.append(dotTag ? head + u'.' : head);
                if (!verse) {
                    result.list2.append(tag + u' ' + text);
                } else if (noNumber && showYear && century >= 1) {
                    result.list2.append(QString::number(century));
                } else if (noNumber && showYear && year >= 1) {
                    result.list2.append(QString::number(year));
                } else {
                    result.list2.append(text);
                }
            }
            if (leaveEntry)
                break;
        }

        if (entryRows > 0) {
            const qsizetype before = result.list1.size() - 1 - entryRows;
            const QString &previous = before >= 0 ? result.list1.at(before) : noHead;
            if (withoutClosingDot(result.list1.constLast()) != withoutClosingDot(previous))
                ++result.distinctHeads;
        }
    }
    result.totalRows = static_cast<int>(result.list1.size());
    return result;
}

} // namespace Search
