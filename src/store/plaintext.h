// Text rules shared by every part of the program: trimming and blankness count spaces only (a tab is text),
// and numbers are read from the front of a text the way a user would read them.
#pragma once

#include <QString>
#include <QStringView>

namespace PlainText {

// Spaces removed at both ends, at the start, or at the end; other white space is kept.
QString trim(QStringView text);
// The same as a view into text, for comparisons that need no copy.
QStringView trimView(QStringView text);
QString trimLeft(QStringView text);
QString trimRight(QStringView text);

// Empty, or spaces only.
bool isBlank(QStringView text);

// The number the text begins with: leading blanks skipped, an optional sign, digits with at most one decimal
// point, read up to the first character that cannot continue the number; 0 when there is none
// ("12a" -> 12, " 7" -> 7, "1.5x" -> 1.5, "x1" -> 0). A run of digits too long for a double gives its largest value.
double leadingValue(QStringView text);

// The leading value rounded half to even and clamped to the range of a 64-bit integer.
qint64 leadingInteger(QStringView text);

// Exactly four decimal digits.
bool isFourDigits(QStringView text);

} // namespace PlainText
