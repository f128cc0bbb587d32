// SPDX-License-Identifier: GPL-3.0-or-later
// The text a right click on an output list puts on the clipboard, and the message that reports it. Rows are
// joined by a lone carriage return; for a verse file a List2 copy can be limited to one verse of each hymn, the
// credits, the first refrain or the scripture references, chosen by the answer to a question.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace Panes {

// What to put on the clipboard and how to report it.
struct CopyResult {
    QString text;
    int lines = 0; // rows copied
    int heads = 0; // List1 values copied as headings (List2 copy with ClipCopy checked)
    QString message;
    QString title;
};

// List1's rows as text. Nothing to copy when the list is empty.
std::optional<CopyResult> List1Copy(const QStringList &list1, bool clipCopy, bool tallyShown, bool verseFile);

// Everything a List2 copy reads. hymname is the box's text after the window has emptied it for a TitleCount
// of 1 (see TitleCountReadsOne).
struct List2CopyInputs {
    QStringList list1;
    QStringList list2;
    bool clipCopy = false;
    bool showRefsVisible = false;
    QString hymname;
    QString excludT;
    QString LimitYr;
    bool titleOnly = false;
    bool verseFile = false;
    bool tallyShown = false;
};

// The input box that asks which verse to copy.
struct VersePrompt {
    QString prompt;
    QString title;
    QString defaultAnswer;
};

// True when the TitleCount caption reads as the number 1; a List2 copy then empties hymname first.
bool TitleCountReadsOne(const QString &caption);

// True when a List2 copy must ask which verse to copy before copying.
bool List2AsksVerse(const List2CopyInputs &in);

VersePrompt List2VersePrompt(bool showRefsVisible);

// List2's rows as text. `answer` is the reply to the verse question, or nullopt for Cancel; it is read only when
// List2AsksVerse holds. Nothing to copy when List2 is empty or the question got no answer.
std::optional<CopyResult> List2Copy(const List2CopyInputs &in, const std::optional<QString> &answer);

} // namespace Panes
