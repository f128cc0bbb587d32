// The limit box rules: "<" and ">" date limits on usage-file head lines, phrases on anything else.
#include "search/datelimits.h"

#include "search/dateparse.h"
#include "store/plaintext.h"

using namespace Qt::StringLiterals;

namespace {

bool phraseMissing(const QString &text, const QString &phrase)
{
    return !PlainText::containsUpper(text, phrase);
}

} // namespace

qint16 IsGtLt(QString &Filter)
{
    if (Filter.isEmpty())
        return LimitPhrase;
    qint16 kind = LimitPhrase;
    if (Filter.front() == u'<')
        kind = LimitBefore;
    else if (Filter.front() == u'>')
        kind = LimitOnOrAfter;
    else
        return LimitPhrase;

    Filter = PlainText::trim(QStringView(Filter).sliced(1));
    // A bare year of this century means its first day; other short forms are left for the date reader to judge.
    if (Filter.startsWith("20"_L1))
        Filter.prepend("Jan 1, "_L1);
    return DateParse::isDate(Filter) ? kind : qint16(LimitPhrase);
}

qint16 ChkGtLt(qint16 vers2, const QString &whenDate, qint16 &GtLt, const QString &FilterItem)
{
    if (vers2 != 0)
        return phraseMissing(whenDate, FilterItem) ? 1 : 0;

    // Kinds 3 and 4 (an unreadable entry date) live only in this local copy, so GtLt never changes.
    int kind = GtLt;
    std::optional<QDate> entryDate;
    if (kind > 0) {
        entryDate = DateParse::parse(whenDate);
        if (!entryDate) {
            // A remark after the year ("May 5, 2019 Easter"): keep the month, day, comma and a four-digit year.
            const qsizetype comma = whenDate.indexOf(u',');
            const qsizetype keep = comma < 0 ? 5 : comma + 6;
            entryDate = DateParse::parse(QStringView(whenDate).first(qMin(keep, whenDate.size())));
            if (!entryDate)
                kind += 2;
        }
    }

    switch (kind) {
    case LimitBefore:
    case LimitOnOrAfter: {
        // IsGtLt let only a readable limit through; a caller that passes anything else gets the entry left out.
        const std::optional<QDate> limit = DateParse::parse(FilterItem);
        if (!limit)
            return 1;
        const bool before = *entryDate < *limit;
        return (kind == LimitBefore) != before ? 1 : 0;
    }
    case LimitBefore + 2:
    case LimitOnOrAfter + 2:
        return 1;
    default:
        return phraseMissing(whenDate, FilterItem) ? 1 : 0;
    }
}

QString DropDot(const QString &item)
{
    return item.endsWith(u'.') ? item.chopped(1) : item;
}
