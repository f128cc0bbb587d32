// SPDX-License-Identifier: GPL-3.0-or-later
// The hymnal read once, hymn by hymn, testing the cheap criteria first; the log is read afterwards for the hymns
// that were found only.
#include "plan/suggestions.h"

#include "plan/logcounts.h"
#include "plan/meter.h"
#include "plan/scripture.h"
#include "plan/suggestiontable.h"
#include "store/hymnview.h"
#include "store/plaintext.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

// About this many characters of a matched line on either side of the word, cut at blanks.
constexpr qsizetype ExcerptContext = 24;

QString excerpt(QStringView line, QStringView word)
{
    // A word whose capitals are longer than itself ("ß") is found by the needle but not here: the excerpt then
    // starts at the line's beginning.
    qsizetype at = line.indexOf(word, 0, Qt::CaseInsensitive);
    qsizetype length = word.size();
    if (at < 0)
        at = length = 0;
    // A line hardly longer than the excerpt would be is shown whole.
    if (line.size() <= 2 * ExcerptContext + length)
        return line.trimmed().toString();
    qsizetype start = std::max<qsizetype>(0, at - ExcerptContext);
    while (start > 0 && start < at && !line[start - 1].isSpace())
        ++start;
    qsizetype end = std::min(line.size(), at + length + ExcerptContext);
    while (end < line.size() && end > at + length && !line[end].isSpace())
        --end;
    QString text = line.sliced(start, end - start).trimmed().toString();
    if (start > 0)
        text.prepend(u'\u2026');
    if (end < line.size())
        text.append(u'\u2026');
    return text;
}

// The words of the Why column, looked up once for all the hymns.
struct ReasonWords {
    //: Why a hymn is suggested: the phrase is in its title.
    QString title = QCoreApplication::translate("Plan", "title");
    //: Why a hymn is suggested: %1 is the part of its refrain that holds the phrase.
    QString refrain = QCoreApplication::translate("Plan", "refrain: %1");
    //: Why a hymn is suggested: %1 is the verse's number, %2 the part of the verse that holds the phrase.
    QString numberedVerse = QCoreApplication::translate("Plan", "verse %1: %2");
    //: Why a hymn is suggested: %1 is the part of a verse without a number that holds the phrase.
    QString verse = QCoreApplication::translate("Plan", "verse: %1");
    //: Why a hymn is suggested: its meter is the one asked for; %1 is the meter as numbers, "8.6.8.6".
    QString meter = QCoreApplication::translate("Plan", "meter %1");
};

QString phraseReason(const HymnView::TextLine &line, QStringView word, const ReasonWords &said)
{
    switch (line.part) {
    case HymnView::Part::Title:
        return said.title;
    case HymnView::Part::Refrain:
        return said.refrain.arg(excerpt(line.text, word));
    case HymnView::Part::Verse:
        break;
    }
    if (line.verse > 0)
        return said.numberedVerse.arg(QString::number(line.verse), excerpt(line.text, word));
    return said.verse.arg(excerpt(line.text, word));
}

struct PhraseWord {
    QString word;
    PlainText::UpperNeedle needle;
};

// The reason when every word occurs somewhere in the hymn; empty when one does not.
QString phraseMatch(const HymnView &hymn, const std::vector<PhraseWord> &words, const ReasonWords &said)
{
    QString reason;
    for (const PhraseWord &w : words) {
        const auto &lines = hymn.textLines();
        const auto found = std::find_if(lines.begin(), lines.end(),
                                        [&](const HymnView::TextLine &l) { return w.needle.isIn(l.text); });
        if (found == lines.end())
            return QString();
        if (reason.isEmpty())
            reason = phraseReason(*found, w.word, said);
    }
    return reason;
}

// The hymn's references that overlap a reading, as the hymnal writes them.
QStringList readingMatches(const HymnView &hymn, const Readings &readings, const BookTable &books)
{
    QStringList matched;
    for (const QStringView line : hymn.referenceLines()) {
        // A reference line the reader cannot make out is simply not matched.
        for (const Reference &ref : parseReadings(line, books).references) {
            const bool hit = std::any_of(readings.references.begin(), readings.references.end(),
                                         [&](const Reference &reading) { return overlaps(ref, reading); });
            if (hit && !matched.contains(ref.text))
                matched.append(ref.text);
        }
    }
    return matched;
}

} // namespace

SuggestResult suggest(const EntryStore &hymnal, const EntryStore *log, const SuggestCriteria &criteria,
                      const BookTable &books)
{
    SuggestResult result;
    // Readings of nothing but semicolons and blanks are no readings at all.
    const Readings readings = parseReadings(criteria.readings, books);
    const bool byReadings = !readings.references.empty() || !readings.unreadable.isEmpty();
    const QStringList phrase = criteria.phrase.simplified().split(u' ', Qt::SkipEmptyParts);
    const bool byPhrase = !phrase.isEmpty();
    const bool byMeter = !criteria.meter.trimmed().isEmpty();
    if (!byReadings && !byPhrase && !byMeter) {
        result.message = QCoreApplication::translate("Plan", "Type readings, a phrase or a meter to see suggestions.");
        return result;
    }
    if (hymnal.entryCount() == 0) {
        result.message = QCoreApplication::translate("Plan", "Load a hymnal to see suggestions.");
        return result;
    }
    if (!hymnal.isVerseFile()) {
        result.message =
            QCoreApplication::translate("Plan", "The loaded file is a service log; suggestions need a hymnal.");
        return result;
    }

    QStringList messages;
    if (!readings.unreadable.isEmpty())
        messages.append(unreadableMessage(readings.unreadable));
    const QString meter = meterPattern(criteria.meter);
    if (byMeter && meter.isEmpty())
        messages.append(
            QCoreApplication::translate("Plan", "Could not read the meter \"%1\".").arg(criteria.meter.trimmed()));
    result.message = messages.join(u' ');
    // A criterion given but not readable is met by no hymn.
    if ((byReadings && readings.references.empty()) || (byMeter && meter.isEmpty()))
        return result;

    std::vector<PhraseWord> words;
    for (const QString &word : phrase)
        words.push_back({word, PlainText::UpperNeedle(word)});

    const ReasonWords said;
    HymnView hymn;
    for (int entry = 1; entry <= hymnal.entryCount(); entry = hymn.nextEntry()) {
        hymn.read(hymnal, entry);
        if (byMeter && meterPattern(hymn.meter()) != meter)
            continue;
        QStringList reasons;
        if (byReadings) {
            reasons = readingMatches(hymn, readings, books);
            if (reasons.isEmpty())
                continue;
        }
        if (byPhrase) {
            const QString reason = phraseMatch(hymn, words, said);
            if (reason.isEmpty())
                continue;
            reasons.append(reason);
        }
        if (reasons.isEmpty())
            reasons.append(said.meter.arg(meter));
        Suggestion row;
        row.number = hymn.number();
        row.title = hymn.title();
        row.reason = reasons.join(u"; "_s);
        row.meter = hymn.meter().toString();
        result.rows.push_back(std::move(row));
    }

    // Readings and a phrase that no hymn has together: how many hold the phrase says which to loosen.
    if (result.rows.empty() && byReadings && byPhrase) {
        int holding = 0;
        for (int entry = 1; entry <= hymnal.entryCount(); entry = hymn.nextEntry()) {
            hymn.read(hymnal, entry);
            if ((!byMeter || meterPattern(hymn.meter()) == meter) && !phraseMatch(hymn, words, said).isEmpty())
                ++holding;
        }
        messages.append(byMeter ? QCoreApplication::translate("Plan",
                                                              "No hymn fits all three; %n hold(s) the phrase "
                                                              "and the meter",
                                                              nullptr, holding)
                                : QCoreApplication::translate("Plan", "No hymn fits both; %n hold(s) the phrase",
                                                              nullptr, holding));
        result.message = messages.join(u' ');
    }

    if (log && !log->isVerseFile() && log->entryCount() > 0) {
        // A hymn's head line is read as a log line would be: its number, or its whole text when it has none.
        std::vector<HymnKey> keys;
        keys.reserve(result.rows.size());
        for (const Suggestion &row : result.rows)
            keys.push_back(HymnKey::ofLine(row.number, row.title));
        const LogCounts counts = countUses(*log, keys, criteria.referenceDate);
        result.referenceDate = counts.reference;
        for (size_t r = 0; r < result.rows.size(); ++r) {
            Suggestion &row = result.rows[r];
            const HymnUses &uses = counts.uses[r];
            row.usesLast12 = uses.usesLast12;
            row.usesEver = uses.usesEver;
            row.lastSung = uses.lastSung;
            row.daysSince = uses.lastSung.isValid() ? int(uses.lastSung.daysTo(counts.reference)) : -1;
        }
    }
    std::stable_sort(result.rows.begin(), result.rows.end(),
                     [](const Suggestion &a, const Suggestion &b) { return compareDefault(a, b) < 0; });
    return result;
}

} // namespace Plan
