// SPDX-License-Identifier: GPL-3.0-or-later
// Trimming and number reading for the loader, the search, the tally and the copy rules.
#include "store/plaintext.h"

#include <cmath>
#include <limits>

namespace PlainText {

namespace {
qsizetype firstNonSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return i;
}

qsizetype endWithoutSpaces(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return end;
}
} // namespace

QStringView trimView(QStringView text)
{
    const qsizetype start = firstNonSpace(text);
    if (start == text.size())
        return {};
    return text.sliced(start, endWithoutSpaces(text) - start);
}

QString trim(QStringView text)
{
    return trimView(text).toString();
}

QString trimLeft(QStringView text)
{
    return text.sliced(firstNonSpace(text)).toString();
}

QString trimRight(QStringView text)
{
    return text.first(endWithoutSpaces(text)).toString();
}

bool isBlank(QStringView text)
{
    return firstNonSpace(text) == text.size();
}

double leadingValue(QStringView text)
{
    qsizetype i = firstNonSpace(text);
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    double scale = 1;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (seenPoint) {
                scale /= 10;
                value += (c - u'0') * scale;
            } else {
                value = value * 10 + (c - u'0');
            }
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!std::isfinite(value))
        value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

qint64 leadingInteger(QStringView text)
{
    const double rounded = std::nearbyint(leadingValue(text));
    // Beyond 2^63 a double no longer converts; the nearest representable bound below it is used instead.
    constexpr double bound = 9.2e18;
    if (rounded >= bound)
        return std::numeric_limits<qint64>::max();
    if (rounded <= -bound)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(rounded);
}

bool isFourDigits(QStringView text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

namespace {
// Latin-1 text without "ß" upper-cases one character to one, and only ASCII to ASCII; Qt's case-blind
// comparison folds none of its other characters to ASCII. So against an ASCII needle, a case-blind search of such
// text says the same as a search of its upper-cased form, without making a copy.
bool upperCasesInPlace(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || c.unicode() == 0xDF)
            return false;
    }
    return true;
}
} // namespace

QString upper(const QString &text)
{
    const QStringView view(text);
    qsizetype first = 0;
    for (; first < view.size(); ++first) {
        const char16_t c = view[first].unicode();
        if (c >= 0x80)
            return text.toUpper();
        if (c >= u'a' && c <= u'z')
            break;
    }
    if (first == view.size())
        return text;
    QString result(view.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t c = view[i].unicode();
        if (c >= 0x80)
            return text.toUpper();
        out[i] = c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
    }
    return result;
}

UpperNeedle::UpperNeedle(QStringView needle)
    : m_upper(needle.toString().toUpper()), m_ascii(QtPrivate::isAscii(m_upper))
{}

bool UpperNeedle::isIn(QStringView haystack) const
{
    // Every text holds the empty text; an empty limit box asks this once for every entry.
    if (m_upper.isEmpty())
        return true;
    if (m_ascii && upperCasesInPlace(haystack))
        return haystack.contains(m_upper, Qt::CaseInsensitive);
    // Upper-cased ASCII stays ASCII, so it never holds a needle that does not.
    if (!m_ascii && QtPrivate::isAscii(haystack))
        return false;
    return haystack.toString().toUpper().contains(m_upper);
}

bool UpperNeedle::equals(QStringView text) const
{
    if (m_ascii && upperCasesInPlace(text))
        return text.compare(m_upper, Qt::CaseInsensitive) == 0;
    if (!m_ascii && QtPrivate::isAscii(text))
        return false;
    return text.toString().toUpper() == m_upper;
}

bool containsUpper(QStringView haystack, QStringView needle)
{
    return UpperNeedle(needle).isIn(haystack);
}

} // namespace PlainText
