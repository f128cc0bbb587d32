// SPDX-License-Identifier: GPL-3.0-or-later
// Every rule here is read off the description of the hymn key: a first word that holds a digit once "#" and the
// marks are cut is a number, keyed without them, closing dots and leading zeros, in capitals; any other line goes
// by its whole text in capitals. Only the boxes' test is shared, with the literal tally.
#include "referencereport.h"

#include "referencetally.h"
#include "search/datelimits.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Row {
    QString key;
    QString number, title;
    int uses = 0;
};

QString spacesTrimmed(const QString &text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.sliced(start, end - start);
}

QString beforeMark(const QString &word)
{
    qsizetype end = 0;
    while (end < word.size() && word[end] != u'*' && word[end] != u'(')
        ++end;
    return word.first(end);
}

QString keyOf(const QString &tag, const QString &text)
{
    QString number = spacesTrimmed(tag);
    if (number.startsWith(u'#'))
        number.remove(0, 1);
    number = spacesTrimmed(beforeMark(number));
    while (number.endsWith(u'.'))
        number.chop(1);
    while (number.size() > 1 && number[0] == u'0' && number[1].isDigit() && number[1].unicode() < 0x80)
        number.remove(0, 1);
    const bool digit = std::any_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    // A tag of one blank is a line that began with one: its first word is empty.
    if (digit && tag != u" ")
        return u"#"_s + number.toUpper();
    return u"="_s + spacesTrimmed(tag + u' ' + text).toUpper();
}

QString titleOf(const QString &text)
{
    QString title = text.first(text.contains(u'(') ? text.indexOf(u'(') : text.size());
    while (title.endsWith(u' '))
        title.chop(1);
    return title;
}

} // namespace

std::optional<std::vector<std::pair<QString, QString>>>
ReferenceReportRows(const EntryStore &store, const Tally::TallyCriteria &criteria, int maxRows)
{
    const Search::DateLimit limit = Search::IsGtLt(criteria.Filter);
    std::vector<Row> rows;
    for (int i = 1; i <= store.entryCount(); ++i) {
        if (Search::ChkGtLt(false, store.head(i), limit))
            continue;
        for (int j = 1; j <= store.lineCount(i); ++j) {
            const QString &tag = store.tag(i, j);
            const QString &text = store.text(i, j);
            // A line of one word (no tag) names no hymn.
            if (tag.isEmpty() || ReferenceLeftOut(tag, text, criteria))
                continue;
            const QString key = keyOf(tag, text);
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row &r) { return r.key == key; });
            if (row != rows.end()) {
                ++row->uses;
                continue;
            }
            if (static_cast<int>(rows.size()) >= maxRows)
                return std::nullopt;
            // A line without a number is listed with none, by its whole text.
            if (key.startsWith(u'#'))
                rows.push_back({key, beforeMark(tag), titleOf(text), 1});
            else
                rows.push_back({key, QString(), spacesTrimmed(tag == u" " ? text : tag + u' ' + text), 1});
        }
    }
    std::vector<std::pair<QString, QString>> listed;
    for (const Row &row : rows)
        listed.emplace_back(u' ' + QString::number(row.uses), row.number + u' ' + row.title);
    std::sort(listed.begin(), listed.end());
    return listed;
}
