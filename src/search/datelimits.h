// The limit box: reading a "<" or ">" date limit, testing one entry's head line against it, and the closing
// full stop that verse-file head lines may carry.
#pragma once

#include <QString>
#include <QtGlobal>

// How a limit text is applied to head lines.
enum LimitKind : qint16 {
    LimitPhrase = 0,    // the text is looked for in the head line, any case
    LimitBefore = 1,    // "<": keep entries dated strictly before the limit date
    LimitOnOrAfter = 2, // ">": keep entries dated on or after the limit date
};

// Reads the limit text once per search or tally. For "<" or ">" the sign is dropped and the rest trimmed, and a
// year of this century ("2019") becomes "Jan 1, 2019"; Filter keeps that rewritten form even when it then turns
// out not to be a date, in which case the kind is LimitPhrase.
qint16 IsGtLt(QString &Filter);

// 1 when the entry whose head line is whenDate falls outside the limit and is to be left out, else 0.
// vers2 is the verse-file flag: for a verse file the limit is always a title phrase. GtLt is the kind from
// IsGtLt; it is the same after the call as before it.
qint16 ChkGtLt(qint16 vers2, const QString &whenDate, qint16 &GtLt, const QString &FilterItem);

// item without one closing ".".
QString DropDot(const QString &item);
