// SPDX-License-Identifier: GPL-3.0-or-later
// Both sources are read into tables by number key once; the dialog asks on every key press.
#include "logbook/hymntitles.h"

#include "search/datelimits.h"
#include "store/hymnview.h"
#include "store/plaintext.h"

#include <algorithm>

namespace Logbook {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

NumberedLine numberedLine(QStringView line)
{
    qsizetype at = 0;
    while (at < line.size() && line[at].isSpace())
        ++at;
    const qsizetype start = at;
    if (at < line.size() && line[at] == u'#')
        ++at;
    const qsizetype digits = at;
    while (at < line.size() && isDigit(line[at]))
        ++at;
    if (at == digits)
        return {};
    if (at < line.size() && isLetter(line[at]))
        ++at;
    const qsizetype end = at;
    // The number is a word of its own, and a title follows it.
    if (at == line.size() || !line[at].isSpace())
        return {};
    while (at < line.size() && line[at].isSpace())
        ++at;
    if (at == line.size())
        return {};
    return {line.sliced(start, end - start).toString(), at};
}

HymnTitles::HymnTitles(const Planner &log, const EntryStore *hymnal) : m_logForms(log.numberForms())
{
    if (hymnal != nullptr && hymnal->isVerseFile()) {
        HymnView hymn;
        for (int entry = 1; entry <= hymnal->entryCount(); entry = hymn.nextEntry()) {
            hymn.readHead(*hymnal, entry);
            add(hymn.number(), Search::DropDot(hymn.title()), m_fromHymnal);
        }
    }
    for (const KnownHymn &known : log.knownHymns()) {
        add(known.number, known.title, m_fromLog);
        m_logNumbers.insert(HymnKey::ofNumber(known.number), known.number);
    }
    std::sort(m_titles.begin(), m_titles.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    m_titles.erase(std::unique(m_titles.begin(), m_titles.end()), m_titles.end());
}

void HymnTitles::add(const QString &number, const QString &title, QHash<HymnKey, QString> &byKey)
{
    const HymnKey key = HymnKey::ofNumber(number);
    if (key.isEmpty() || title.isEmpty() || byKey.contains(key))
        return;
    byKey.insert(key, title);
    m_titles.append(title);
    const auto known = m_numbers.constFind(title);
    if (known == m_numbers.constEnd())
        m_numbers.insert(title, number);
    else if (!known->isEmpty() && HymnKey::ofNumber(*known) != key)
        m_numbers[title].clear();
}

QString HymnTitles::titleFor(const HymnKey &key) const
{
    if (key.isEmpty())
        return QString();
    const auto hymnal = m_fromHymnal.constFind(key);
    return hymnal != m_fromHymnal.constEnd() ? *hymnal : m_fromLog.value(key);
}

QString HymnTitles::logNumber(const QString &number) const
{
    const HymnKey key = HymnKey::ofNumber(number);
    if (key.isEmpty())
        return number;
    const QStringView trimmed = PlainText::trimView(number);
    QStringView bare = HymnKey::withoutMark(trimmed);
    const QStringView mark = trimmed.sliced(bare.size());
    bare = PlainText::trimView(bare);
    if (bare.startsWith(u'#'))
        bare = PlainText::trimView(bare.sliced(1));
    const QStringView typed = bare;
    while (bare.size() > 1 && bare[0] == u'0' && isDigit(bare[1]))
        bare = bare.sliced(1);
    // A log that writes the hymn in more than one form ("010" and "10") takes the one typed, when it is one of them.
    QString written;
    if (m_logForms.contains(typed.toString()))
        written = typed.toString();
    else if (m_logForms.contains(bare.toString()))
        written = bare.toString();
    else
        written = m_logNumbers.value(key, bare.toString());
    written += mark;
    return written;
}

QString HymnTitles::numberFor(const QString &title) const
{
    return m_numbers.value(title);
}

} // namespace Logbook
