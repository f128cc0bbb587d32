// SPDX-License-Identifier: GPL-3.0-or-later
// The files are built as text and encoded as Windows-1252 at the end, the way the program's users save them;
// one title word carries a non-ASCII letter so the loader takes its 8-bit path, not the UTF-8 one.
#include "inputs.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace BenchInputs {

namespace {

const std::array<QString, 32> kWords = {
    u"Amazing"_s, u"Grace"_s,   u"Holy"_s,   u"God"_s,    u"Come"_s,    u"Thou"_s,  u"Almighty"_s,  u"King"_s,
    u"Praise"_s,  u"Lord"_s,    u"Glory"_s,  u"Light"_s,  u"Morning"_s, u"Star"_s,  u"Faithful"_s,  u"Shepherd"_s,
    u"Rock"_s,    u"Ages"_s,    u"Joyful"_s, u"Heaven"_s, u"Spirit"_s,  u"Peace"_s, u"River"_s,     u"Zion"_s,
    u"Abide"_s,   u"Evening"_s, u"Love"_s,   u"Divine"_s, u"Crown"_s,   u"Cross"_s, u"No\u00EBl"_s, u"Jesus"_s,
};

const std::array<QString, 12> kMonths = {u"Jan"_s, u"Feb"_s, u"Mar"_s, u"Apr"_s, u"May"_s, u"Jun"_s,
                                         u"Jul"_s, u"Aug"_s, u"Sep"_s, u"Oct"_s, u"Nov"_s, u"Dec"_s};

// A fixed linear congruential generator, so every run and every machine sees the same files.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }
    double unit() { return static_cast<double>(next()) / double(1u << 24); }

private:
    std::uint32_t m_state;
};

// Three words chosen by the base-32 digits of a scrambled hymn index. The scramble (an odd multiplier modulo
// 32,768) is one-to-one, so different hymns below 32,768 get different titles, and neighbouring hymns share no word
// by rule.
QString titleOf(int hymn)
{
    const int base = static_cast<int>(kWords.size());
    const int mixed = (hymn * 12345 + 6789) % (base * base * base);
    QString title = kWords[mixed % base] + u' ' + kWords[(mixed / base) % base];
    title += u' ' + kWords[(mixed / (base * base)) % base];
    // Some titles run longer, as real ones do; the added word does not change which hymn it is.
    if (hymn % 3 == 0)
        title += u" Above"_s;
    return title;
}

// The first count numbers among 101, 102, ... whose third digit is not "0": such numbers identify a hymn.
QStringList hymnNumbers(int count)
{
    QStringList numbers;
    for (int value = 101; numbers.size() < count; ++value) {
        const QString number = QString::number(value);
        if (number.at(2) != u'0')
            numbers.append(number);
    }
    return numbers;
}

QString dateLine(const QDate &date, bool withYear)
{
    QString line = kMonths[date.month() - 1] + u' ' + QString::number(date.day());
    if (withYear)
        line += u", "_s + QString::number(date.year());
    return line;
}

QString wordsLine(Sequence &random)
{
    QStringList words;
    const int count = 5 + random.below(4);
    for (int w = 0; w < count; ++w)
        words.append(kWords[random.below(static_cast<int>(kWords.size()))].toLower());
    return words.join(u' ');
}

QByteArray encode(const QStringList &lines)
{
    // Every character used lies in Latin-1, where Windows-1252 agrees with it.
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toLatin1();
}

} // namespace

QString phraseWord()
{
    return u"grace"_s;
}

QByteArray usageFile(int distinctHymns)
{
    const QStringList numbers = hymnNumbers(distinctHymns);
    QStringList titles;
    for (int h = 0; h < distinctHymns; ++h)
        titles.append(titleOf(h));

    Sequence random(20240101u);
    QStringList lines;
    QDate date(2005, 1, 2);
    int line = 0;
    for (int service = 0; service < kServices; ++service) {
        // Now and then a date is written without its year, or with a remark after it.
        QString head = dateLine(date, service % 50 != 7);
        if (service % 9 == 4)
            head += u" (evening)"_s;
        lines.append(head);
        for (int slot = 0; slot < kHymnsPerService; ++slot, ++line) {
            int hymn = 0;
            if (line < distinctHymns) {
                // Every hymn once, in a scattered order (7919 is prime to 2,000 and to 18,000).
                hymn = static_cast<int>((static_cast<qint64>(line) * 7919) % distinctHymns);
            } else {
                // After that the popular hymns (low numbers) come up far more often than the rest.
                const double r = random.unit();
                hymn = static_cast<int>(r * r * distinctHymns);
            }
            lines.append(numbers[hymn] + u' ' + titles[hymn]);
        }
        lines.append(QString());
        date = date.addDays(service % 2 == 0 ? 3 : 4);
    }
    return encode(lines);
}

QByteArray verseFile()
{
    static const std::array<QString, 5> meters = {u"C.M."_s, u"L.M."_s, u"S.M."_s, u"8.7.8.7 D"_s, u"11.10.11.10"_s};
    static const std::array<QString, 6> keys = {u"G"_s, u"D"_s, u"F"_s, u"E-flat"_s, u"C"_s, u"B-flat"_s};
    static const std::array<QString, 4> times = {u"3/4"_s, u"4/4"_s, u"6/8"_s, u"2/2"_s};
    static const std::array<QString, 6> books = {u"Psalm"_s,  u"Luke"_s,   u"John"_s,
                                                 u"Isaiah"_s, u"Romans"_s, u"Revelation"_s};

    Sequence random(17791779u);
    QStringList lines;
    for (int hymn = 0; hymn < kVerseHymns; ++hymn) {
        lines.append(QString::number(hymn + 1) + u' ' + titleOf(hymn + 7));
        const int wordsYear = 1700 + random.below(250);
        lines.append(u"Words: Author %1, %2; Music: Composer %3, %4"_s.arg(hymn % 97).arg(wordsYear).arg(hymn % 89).arg(
            wordsYear + random.below(60)));
        lines.append(u'%' + meters[hymn % meters.size()]);
        lines.append(u'$' + keys[hymn % keys.size()]);
        lines.append(u'~' + times[hymn % times.size()]);
        if (hymn % 3 == 0)
            lines.append(u"^%1 %2:%3"_s.arg(books[hymn % books.size()]).arg(1 + hymn % 40).arg(1 + hymn % 20));
        else
            lines.append(u"Tune: TUNE %1"_s.arg(hymn));
        for (int verse = 1; verse <= 3; ++verse) {
            lines.append(u"--"_s);
            for (int row = 0; row < 4; ++row)
                lines.append(u"(v%1) "_s.arg(verse) + wordsLine(random));
            lines.append(u"(R) "_s + wordsLine(random));
        }
        lines.append(QString());
    }
    return encode(lines);
}

} // namespace BenchInputs
