// SPDX-License-Identifier: GPL-3.0-or-later
// The meter text read as words and numbers, whatever separates them.
#include "plan/meter.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Runs of ASCII digits and runs of letters, upper-cased; everything else only separates them.
QStringList tokensOf(QStringView meter)
{
    QStringList tokens;
    qsizetype at = 0;
    while (at < meter.size()) {
        const qsizetype start = at;
        if (isDigit(meter[at])) {
            while (at < meter.size() && isDigit(meter[at]))
                ++at;
            // Leading zeros do not change a count, but "0" stays a number.
            qsizetype first = start;
            while (first + 1 < at && meter[first] == u'0')
                ++first;
            tokens.append(meter.sliced(first, at - first).toString());
        } else if (meter[at].isLetter()) {
            // Accents stay with their letter, as capitals such as "J\u030C" bring theirs.
            while (at < meter.size() && (meter[at].isLetter() || meter[at].isMark()))
                ++at;
            tokens.append(meter.sliced(start, at - start).toString().toUpper());
        } else {
            ++at;
        }
    }
    return tokens;
}

QString doubled(const QString &pattern)
{
    return pattern + u'.' + pattern;
}

} // namespace

QString meterPattern(QStringView meter)
{
    const QStringList tokens = tokensOf(meter);
    if (tokens.isEmpty())
        return QString();

    qsizetype next = 0;
    if (isDigit(tokens[0][0])) {
        QStringList counts;
        while (next < tokens.size() && isDigit(tokens[next][0]))
            counts.append(tokens[next++]);
        const QString pattern = counts.join(u'.');
        return next < tokens.size() && tokens[next] == u"D"_s ? doubled(pattern) : pattern;
    }

    // "C. M. D." comes as single letters, "CMD" as one word.
    QString word = tokens[next++];
    if (word.size() == 1) {
        while (next < tokens.size() && tokens[next].size() == 1 && !isDigit(tokens[next][0]))
            word += tokens[next++];
    }
    const QString written = word;
    bool twice = false;
    if (word.size() == 3 && word.endsWith(u'D')) {
        twice = true;
        word.chop(1);
    } else if (next < tokens.size() && tokens[next] == u"D"_s) {
        twice = true;
    }
    static const std::array<std::pair<QStringView, QStringView>, 3> named = {{
        {u"CM", u"8.6.8.6"},
        {u"LM", u"8.8.8.8"},
        {u"SM", u"6.6.8.6"},
    }};
    for (const auto &[name, pattern] : named) {
        if (word == name)
            return twice ? doubled(pattern.toString()) : pattern.toString();
    }
    // Neither numbers nor a known abbreviation: the word as it stands.
    return written;
}

} // namespace Plan
