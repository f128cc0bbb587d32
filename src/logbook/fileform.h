// SPDX-License-Identifier: GPL-3.0-or-later
// The form a service log keeps, read from its bytes: encoding, line ends, the order of its services and the way
// its head lines are dated, so that a service added to it is written the way the file already is.
#pragma once

#include "logbook/headstyle.h"
#include "store/textdecoding.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace Logbook {

enum class LineEnd { CrLf, Lf, Cr };
enum class ServiceOrder { OldestFirst, NewestFirst };

// "\r\n", "\n" or "\r".
QString lineEndText(LineEnd lineEnd);

struct FileForm {
    TextDecoding::Encoding encoding; // as the loader decides it
    qsizetype textStart = 0;         // the bytes the loader skips as byte-order marks
    LineEnd lineEnd = LineEnd::Lf;   // the first line end of the file; the caller's choice in a file without one
    bool lastLineUnended = false;    // the file's last line has no line end
    bool endsInCr = false;           // the last line end is a lone CR, which an LF written next would join
    bool halfCharacterAtEnd = false; // UTF-16 with an odd number of bytes: nothing can follow in step
    bool hasText = false;            // some line is not blank
    bool firstLineBlank = false;     // empty or spaces only
    bool lastLineBlank = false;
    bool hymnTexts = false; // a line after a head line holds "--": the loader reads the file as hymn texts

    ServiceOrder order = ServiceOrder::OldestFirst; // as its dated head lines run; oldest first unless shown
    HeadStyle headStyle;                            // of the latest dated head line; the default without one
    // Each service's date in file order, its head line read as the loader stores it (a head line without a year
    // takes the one of the next head line below with a comma); null where that is not a date.
    std::vector<QDate> serviceDates;
    // The text after the first comma of the first head line holding one: what the loader appends to a head line
    // without a comma put above it.
    QString leadingSuffix;
    // Where each service lies in the bytes, in file order: from its head line to past its last line's line end
    // (or the end of the file). Both empty when the services could not be placed (a file cut in a character).
    std::vector<qsizetype> serviceStarts, serviceEnds;
    // In step with them: where each service's second line starts (its end for a head line alone), where the blank
    // line right above it starts (-1 for none: the file's first lines), and where the blank line right below it ends,
    // past its line end (-1 for none: the file's end).
    std::vector<qsizetype> bodyStarts, blankAbove, blankBelowEnd;
    // Each head line's text after its first comma as the file has it; nothing for a head line without a comma.
    std::vector<std::optional<QString>> headSuffixes;
};

FileForm readForm(const QByteArray &bytes, LineEnd fallback);

// The date a new service is planned for: the first Sunday after the latest service, or the first Sunday on or
// after today when that is later. Services dated more than a year after today (a mistyped year) are passed over.
QDate defaultDate(const std::vector<QDate> &serviceDates, QDate today);

} // namespace Logbook
