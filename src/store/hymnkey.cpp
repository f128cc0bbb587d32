// SPDX-License-Identifier: GPL-3.0-or-later
// The hymn key, with a fast path for the bare numbers that make up nearly every log; and the tally's rule.
#include "store/hymnkey.h"

#include "store/plaintext.h"

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A number as the key reads it, before upper-casing: a view into number.
QStringView numberPart(QStringView number)
{
    QStringView key = PlainText::trimView(number);
    if (key.startsWith(u'#'))
        key = key.sliced(1);
    key = PlainText::trimView(HymnKey::withoutMark(key));
    while (key.endsWith(u'.'))
        key.chop(1);
    while (key.size() > 1 && key[0] == u'0' && isDigit(key[1]))
        key = key.sliced(1);
    return key;
}

} // namespace

QStringView HymnKey::withoutMark(QStringView word)
{
    for (qsizetype at = 0; at < word.size(); ++at) {
        if (word[at] == u'*' || word[at] == u'(')
            return word.first(at);
    }
    return word;
}

HymnKey HymnKey::ofLine(const QString &tag, const QString &text)
{
    if (tag.isEmpty())
        return {};
    // Such a number is its own key, shared rather than copied.
    if (isBareNumber(tag))
        return {tag, true};
    // A tag of one blank stands for a line that began with one: its first word is empty, so it has no number.
    const QStringView number = numberPart(tag);
    if (std::any_of(number.begin(), number.end(), isDigit))
        return {PlainText::upper(number.toString()), true};
    if (text.isEmpty())
        return {PlainText::upper(PlainText::trim(tag)), false};
    return {PlainText::upper(PlainText::trim(QString(tag + u' ' + text))), false};
}

HymnKey HymnKey::ofNumber(const QString &number)
{
    if (isBareNumber(number))
        return {number, true};
    const QStringView key = numberPart(number);
    return {PlainText::upper(key.toString()), std::any_of(key.begin(), key.end(), isDigit)};
}

namespace TallyMatch {

QString numberKeyOf(const QString &tag)
{
    // A number may carry a mark such as "123*" or "123(2)"; when both marks are present the later one cuts. Tags
    // are a few characters long, so one plain pass finds both.
    qsizetype star = -1;
    qsizetype paren = -1;
    for (qsizetype i = 0; i < tag.size(); ++i) {
        if (tag[i] == u'*' && star < 0)
            star = i;
        else if (tag[i] == u'(' && paren < 0)
            paren = i;
    }
    const qsizetype mark = std::max(star, paren);
    return mark < 0 ? tag : tag.first(mark);
}

QString titleKeyOf(const QString &text)
{
    const qsizetype open = text.indexOf(u'(');
    if (open < 0 && !text.endsWith(u' '))
        return text;
    return PlainText::trimRight(open < 0 ? QStringView(text) : QStringView(text).first(open));
}

} // namespace TallyMatch
