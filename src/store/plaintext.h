// SPDX-License-Identifier: GPL-3.0-or-later
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

// text.toUpper(), without Unicode's case tables when the text is plain ASCII; a text with no lower-case letter
// comes back shared, not copied.
QString upper(const QString &text);

// A text looked for regardless of case. Both sides are upper-cased in full ("straße" holds "STRASSE", "ﬁnal"
// holds "FINAL"), so that every search, tally and copy rule that ignores case selects the same lines. The
// needle is upper-cased once; a haystack is upper-cased only when it is not plain ASCII.
class UpperNeedle {
public:
    explicit UpperNeedle(QStringView needle);

    bool isEmpty() const { return m_upper.isEmpty(); }
    // The haystack holds the needle; an empty needle is in every text.
    bool isIn(QStringView haystack) const;
    // The text as a whole equals the needle.
    bool equals(QStringView text) const;

private:
    QString m_upper;
    bool m_ascii = true;
};

// The same test for a needle used once.
bool containsUpper(QStringView haystack, QStringView needle);

} // namespace PlainText
