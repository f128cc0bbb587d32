// SPDX-License-Identifier: GPL-3.0-or-later
// Copy rules for the output lists. Both lists are read defensively: List1 may be shorter than List2, and a
// missing partner row reads as empty text.
#include "panes/clipcopy.h"

#include "search/datelimits.h"
#include "store/plaintext.h"

#include <QCoreApplication>

#include <limits>

using namespace Qt::StringLiterals;

namespace Panes {

namespace {

constexpr QChar CR(13);

QString itemsCopied(int n)
{
    //: The message after a right click put rows of an output list on the clipboard.
    return QCoreApplication::translate("Panes", "%n item(s) copied", nullptr, n);
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
    if (verseFile) {
        //: The title of the message after the list of a hymnal's titles was copied.
        out.title = QCoreApplication::translate("Panes", "Song titles");
    } else {
        //: The title of the message after the list of a log's service dates was copied.
        out.title = QCoreApplication::translate("Panes", "Dates used");
    }
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
    // The answers (a number, "All", "R", "^") are compared as typed, so they stay as they are in every language.
    //: The question before a copy of hymns' lines: which verse of each hymn to copy ("#": number).
    const QString prompt = QCoreApplication::translate("Panes", "Limit copy to Verse #:");
    QString title;
    if (showRefsVisible) {
        //: The title of that question: 0 copies the hymns' credits only, "^" (typed as it is) their scripture
        //: references. "#": number.
        title = QCoreApplication::translate("Panes", "Select verse # (0 = credits only; ^ = references )");
    } else {
        //: The title of that question: 0 copies the hymns' credits only. "#": number.
        title = QCoreApplication::translate("Panes", "Select verse # (0 = credits only)");
    }
    return {QString(4, CR) + prompt, title, u"All"_s};
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
        // The count is written with the leading blank that a non-negative number gets, hence two spaces after "+".
        const int heads = out.heads;
        if (in.verseFile) {
            //: %1 is the "… item(s) copied" message; the hymns' titles were copied too, as headings. The two blanks
            //: after "+" are kept.
            out.message = QCoreApplication::translate("Panes", "%1 +  %n title(s)", nullptr, heads).arg(out.message);
        } else if (in.tallyShown) {
            //: %1 is the "… item(s) copied" message; the tally's counts were copied too, as headings. The two blanks
            //: after "+" are kept.
            out.message = QCoreApplication::translate("Panes", "%1 +  %n count(s)", nullptr, heads).arg(out.message);
        } else {
            //: %1 is the "… item(s) copied" message; the services' dates were copied too, as headings. The two blanks
            //: after "+" are kept.
            out.message = QCoreApplication::translate("Panes", "%1 +  %n date(s)", nullptr, heads).arg(out.message);
        }
    }
    //: The title of the message after the hymns' lines were copied.
    out.title = QCoreApplication::translate("Panes", "Verse lines");
    return out;
}

} // namespace Panes
