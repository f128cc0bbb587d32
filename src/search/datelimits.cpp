// SPDX-License-Identifier: GPL-3.0-or-later
// The limit box rules: "<" and ">" date limits on usage-file head lines, phrases on anything else.
#include "search/datelimits.h"

#include "search/dateparse.h"
#include "store/plaintext.h"

using namespace Qt::StringLiterals;

namespace Search {

namespace {

bool phraseMissing(const QString &text, const QString &phrase)
{
    return !PlainText::containsUpper(text, phrase);
}

} // namespace

DateLimit IsGtLt(const QString &Filter)
{
    DateLimit limit{LimitKind::Phrase, Filter};
    if (Filter.isEmpty())
        return limit;
    LimitKind kind = LimitKind::Phrase;
    if (Filter.front() == u'<')
        kind = LimitKind::Before;
    else if (Filter.front() == u'>')
        kind = LimitKind::OnOrAfter;
    else
        return limit;

    limit.text = PlainText::trim(QStringView(Filter).sliced(1));
    // A bare year of this century means its first day; other short forms are left for the date reader to judge.
    if (limit.text.startsWith("20"_L1))
        limit.text.prepend("Jan 1, "_L1);
    if (Search::DateParse::isDate(limit.text))
        limit.kind = kind;
    return limit;
}

bool ChkGtLt(bool verseFile, const QString &whenDate, const DateLimit &limit)
{
    if (verseFile || limit.kind == LimitKind::Phrase)
        return phraseMissing(whenDate, limit.text);

    const std::optional<QDate> entryDate = headDate(whenDate);
    if (!entryDate)
        return true;
    // IsGtLt lets only a readable limit through; a caller that passes anything else gets the entry left out.
    const std::optional<QDate> limitDate = Search::DateParse::parse(limit.text);
    if (!limitDate)
        return true;
    const bool before = *entryDate < *limitDate;
    return (limit.kind == LimitKind::Before) != before;
}

std::optional<QDate> headDate(const QString &whenDate)
{
    if (std::optional<QDate> whole = Search::DateParse::parse(whenDate))
        return whole;
    const qsizetype comma = whenDate.indexOf(u',');
    const qsizetype keep = comma < 0 ? 5 : comma + 6;
    return Search::DateParse::parse(QStringView(whenDate).first(qMin(keep, whenDate.size())));
}

QStringView DropDot(QStringView item)
{
    return item.endsWith(u'.') ? item.chopped(1) : item;
}

QString DropDot(const QString &item)
{
    const QStringView kept = DropDot(QStringView(item));
    return kept.size() == item.size() ? item : kept.toString();
}

} // namespace Search
