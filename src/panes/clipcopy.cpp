// SPDX-License-Identifier: GPL-3.0-or-later
// Copy rules for the output lists. Both lists are read defensively: List1 may be shorter than List2, and a
// missing partner row reads as empty text.
#include "panes/clipcopy.h"

#include "search/datelimits.h"
#include "store/plaintext.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace Panes {

namespace {

constexpr QChar CR(13);

QString itemsCopied(int n)
{
    return QString::number(n) + (n == 1 ? u" item copied"_s : u" items copied"_s);
}

QString rowAt(const QStringList &rows, qsizetype i)
{
    return i >= 0 && i < rows.size() ? rows.at(i) : QString();
}

bool containsMark(const QString &row, const QString &mark)
{
    return PlainText::containsUpper(row, mark);
}

// The first three characters are exactly "(R)": a refrain line as the hymnal marks it.
bool beginsRefrain(const QString &row)
{
    return row.startsWith(u"(R)"_s);
}

// Which rows of each hymn a verse answer selects: copying starts at a row containing `start` and ends at one
// containing `stop`; `skip` is the state at the start of the list.
struct Markers {
    QString start;
    QString stop;
    bool skip = false;
};

Markers markersFor(const QString &answer)
{
    if (answer == u"^"_s)
        return {u"^"_s, QString(), true};
    if (answer == u"R"_s || answer == u"r"_s)
        return {u"(R)"_s, u"(v"_s, true};
    if (answer == u"All"_s)
        return {};
    // Kept one below the largest value so that the next verse's number is still a plain decimal.
    const qint64 n = qMin(PlainText::leadingInteger(answer), std::numeric_limits<qint64>::max() - 1);
    return {u"(v"_s + QString::number(n), u"(v"_s + QString::number(n + 1), n != 0};
}

} // namespace

std::optional<CopyResult> List1Copy(const QStringList &list1, bool clipCopy, bool tallyShown, bool verseFile)
{
    if (list1.isEmpty())
        return std::nullopt;
    // Consecutive repeats are dropped only for search rows; tally counts repeat by nature and are all kept.
    const bool distinctOnly = clipCopy && !tallyShown;
    CopyResult out;
    out.text = Search::DropDot(list1.first());
    out.lines = 1;
    for (qsizetype i = 1; i < list1.size(); ++i) {
        const QString item = Search::DropDot(list1.at(i));
        if (distinctOnly && Search::DropDot(list1.at(i - 1)) == item)
            continue;
        out.text += CR + item;
        ++out.lines;
    }
    out.message = itemsCopied(out.lines);
    out.title = verseFile ? u"Song titles"_s : u"Dates used"_s;
    return out;
}

bool TitleCountReadsOne(const QString &caption)
{
    return PlainText::leadingValue(caption) == 1;
}

bool List2AsksVerse(const List2CopyInputs &in)
{
    return !in.list2.isEmpty() && in.verseFile && !in.titleOnly && in.hymname.isEmpty() && in.excludT.isEmpty() &&
           in.LimitYr.isEmpty();
}

VersePrompt List2VersePrompt(bool showRefsVisible)
{
    const QString refsNote = showRefsVisible ? u"; ^ = references "_s : QString();
    return {QString(4, CR) + u"Limit copy to Verse #:"_s, u"Select verse # (0 = credits only"_s + refsNote + u")"_s,
            u"All"_s};
}

std::optional<CopyResult> List2Copy(const List2CopyInputs &in, const std::optional<QString> &answer)
{
    if (in.list2.isEmpty())
        return std::nullopt;
    Markers marks;
    if (List2AsksVerse(in)) {
        if (!answer || answer->isEmpty())
            return std::nullopt;
        marks = markersFor(*answer);
    }
    const bool creditsOnly = marks.start == u"(v0"_s;
    const bool gapBeforeDotted = in.LimitYr.isEmpty() && in.hymname.isEmpty();
    bool skip = marks.skip;
    bool refrainDone = false;

    CopyResult out;
    if (in.clipCopy) {
        out.heads = 1;
        out.text = Search::DropDot(rowAt(in.list1, 0));
    }
    for (qsizetype i = 0; i < in.list2.size(); ++i) {
        const QString &row = in.list2.at(i);
        const QString partner = rowAt(in.list1, i);
        if (i > 0 && Search::DropDot(rowAt(in.list1, i - 1)) != Search::DropDot(partner)) {
            // A new hymn (or date): verse selection starts over, except that credits run from its first row.
            skip = !creditsOnly;
            if (in.clipCopy) {
                out.text += QString(2, CR) + Search::DropDot(partner);
                ++out.heads;
            }
        }
        // Credits end at the list's first refrain, which also ends the copy of every later hymn.
        if (creditsOnly && containsMark(row, u"(R)"_s))
            break;
        if (containsMark(row, u"^"_s) && (marks.stop.isEmpty() || marks.start.startsWith(u"(v"_s)))
            skip = true;
        if (!marks.stop.isEmpty() && containsMark(row, marks.stop))
            skip = true;
        if (!marks.start.isEmpty() && containsMark(row, marks.start) && !refrainDone)
            skip = false;
        if (marks.start == u"(R)"_s && beginsRefrain(row))
            refrainDone = true;
        if (!refrainDone && beginsRefrain(row) && !marks.stop.isEmpty())
            skip = true;
        if (marks.start.isEmpty())
            skip = false;
        if (skip)
            continue;
        if (gapBeforeDotted && !out.text.isEmpty() && partner.endsWith(u'.'))
            out.text += CR;
        if (!out.text.isEmpty())
            out.text += CR;
        out.text += row;
        ++out.lines;
    }

    out.message = itemsCopied(out.lines);
    if (out.heads > 0) {
        const QString word = in.verseFile ? u" title"_s : in.tallyShown ? u" count"_s : u" date"_s;
        // The count is written with the leading blank that a non-negative number gets, hence two spaces after "+".
        out.message += u" +  "_s + QString::number(out.heads) + word + (out.heads == 1 ? QString() : u"s"_s);
    }
    out.title = u"Verse lines"_s;
    return out;
}

} // namespace Panes
