// SPDX-License-Identifier: GPL-3.0-or-later
// A head line's date is cut into its three parts and the marks between them; a new date is written into the same
// parts and accepted only when the program's own date reading gives it back.
#include "logbook/headstyle.h"

#include "search/datelimits.h"
#include "search/dateparse.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The same letters the date reader takes a month name from.
bool isWordChar(QChar c)
{
    return c.isLetter() || c.isMark();
}

QStringList namesOf(const QLocale &locale, QLocale::FormatType format, bool standalone)
{
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(
            Search::DropDot(standalone ? locale.standaloneMonthName(month, format) : locale.monthName(month, format)));
    return names;
}

// The month names the date reader knows, short English names first since most logs use them.
std::vector<QStringList> nameLists()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    std::vector<QStringList> lists{namesOf(english, QLocale::ShortFormat, false),
                                   namesOf(english, QLocale::LongFormat, false)};
    const QLocale local;
    for (bool standalone : {false, true}) {
        for (QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
            QStringList names = namesOf(local, format, standalone);
            if (std::find(lists.begin(), lists.end(), names) == lists.end() && !names.contains(QString()))
                lists.push_back(std::move(names));
        }
    }
    return lists;
}

int valueOf(QStringView digits)
{
    int value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

QString padded(int value, int width)
{
    return u"%1"_s.arg(value, width, 10, QChar(u'0'));
}

// The part of the head line the date reader took the date from: the whole line, or the front that
// Search::headDate falls back to.
QString datePart(const QString &head)
{
    if (Search::DateParse::isDate(head))
        return head.trimmed();
    const qsizetype comma = head.indexOf(u',');
    const qsizetype keep = comma < 0 ? 5 : comma + 6;
    return head.first(qMin(keep, head.size())).trimmed();
}

} // namespace

QString occasionOf(const QString &head)
{
    if (!Search::headDate(head))
        return QString();
    const QString trimmed = head.trimmed();
    const QString date = datePart(head);
    // The date part is the front of the line, trimmed as the line is.
    return trimmed.sliced(qMin(date.size(), trimmed.size())).trimmed();
}

HeadStyle::HeadStyle()
    : m_parts{{{true, 3}, {false, 1}, {false, 4}}}, m_gaps{QString(), u" "_s, u", "_s, QString()},
      m_orders{{Field::Month, Field::Day, Field::Year}}, m_names(nameLists().front())
{}

std::optional<HeadStyle> HeadStyle::ofHead(const QString &head)
{
    const std::optional<QDate> date = Search::headDate(head);
    if (!date)
        return std::nullopt;
    const QString text = datePart(head);

    HeadStyle style;
    Parts parts;
    if (!style.cutParts(text, parts) || !style.findOrders(parts, *date))
        return std::nullopt;
    style.findPadding(parts);
    style.findMonthNames(parts, *date);
    return style;
}

bool HeadStyle::cutParts(const QString &text, Parts &parts)
{
    m_gaps.fill(QString());
    int count = 0;
    for (qsizetype i = 0; i < text.size();) {
        const bool digits = isDigit(text[i]);
        const qsizetype start = i;
        while (i < text.size() && (digits ? isDigit(text[i]) : isWordChar(text[i])))
            ++i;
        if (i > start) {
            if (count == 3)
                return false;
            parts[count] = QStringView(text).sliced(start, i - start);
            m_parts[count++] = {!digits, int(i - start)};
            continue;
        }
        m_gaps[count] += text[i++];
    }
    return count == 3;
}

bool HeadStyle::findOrders(const Parts &parts, QDate date)
{
    // Every reading of the parts that gives the line's own date; a new date is tried in each, since which one the
    // reader takes for an all-number date (5/1/2022) depends on the regional settings.
    m_orders.clear();
    Order order{Field::Day, Field::Month, Field::Year};
    do {
        bool agrees = true;
        for (int p = 0; p < 3 && agrees; ++p) {
            const Part &part = m_parts[p];
            if (part.word) {
                agrees = order[p] == Field::Month;
                continue;
            }
            const int value = valueOf(parts[p]);
            switch (order[p]) {
            case Field::Day:
                agrees = part.digits <= 2 && value == date.day();
                break;
            case Field::Month:
                agrees = part.digits <= 2 && value == date.month();
                break;
            case Field::Year:
                agrees = (part.digits == 4 && value == date.year()) || (part.digits == 2 && value == date.year() % 100);
                break;
            }
        }
        if (agrees)
            m_orders.push_back(order);
    } while (std::next_permutation(order.begin(), order.end()));
    return !m_orders.empty();
}

void HeadStyle::findPadding(const Parts &parts)
{
    // A one-digit day or month, or a leading zero, tells whether they are padded; "12" and "14" do not.
    m_padKnown = false;
    const Order &read = m_orders.front();
    for (int p = 0; p < 3; ++p) {
        if (m_parts[p].word || read[p] == Field::Year)
            continue;
        if (m_parts[p].digits == 1 || parts[p].startsWith(u'0')) {
            m_pad = m_parts[p].digits == 2;
            m_padKnown = true;
            break;
        }
    }
    // Dates that begin with a four-digit year are written padded, as ISO 8601 has them, unless shown otherwise.
    if (!m_padKnown)
        m_pad = read[0] == Field::Year && m_parts[0].digits == 4;
}

void HeadStyle::findMonthNames(const Parts &parts, QDate date)
{
    for (int p = 0; p < 3; ++p) {
        if (!m_parts[p].word)
            continue;
        const QString word = parts[p].toString();
        m_nameChoices.clear();
        for (QStringList &names : nameLists()) {
            if (names[date.month() - 1].compare(word, Qt::CaseInsensitive) == 0)
                m_nameChoices.push_back(std::move(names));
        }
        m_namesKnown = m_nameChoices.size() == 1;
        if (m_nameChoices.empty()) {
            // A shortening the reader accepts ("Sept"): the other months take their short names.
            m_word = word;
            m_wordMonth = date.month();
            m_nameChoices = nameLists();
        }
        m_names = m_nameChoices.front();
        if (m_namesKnown)
            m_nameChoices.clear();
        if (word.size() > 1 && word == word.toUpper() && word != word.toLower())
            m_case = Case::Upper;
        else if (word == word.toLower())
            m_case = Case::Lower;
        else if (word.front().isUpper() && word.sliced(1) == word.sliced(1).toLower())
            m_case = Case::Capitalised;
    }
}

bool HeadStyle::sameShape(const HeadStyle &other) const
{
    for (int p = 0; p < 3; ++p) {
        if (m_parts[p].word != other.m_parts[p].word)
            return false;
    }
    return m_gaps == other.m_gaps;
}

void HeadStyle::settleFrom(const HeadStyle &other)
{
    if (!sameShape(other))
        return;
    if (!m_padKnown && other.m_padKnown) {
        m_pad = other.m_pad;
        m_padKnown = true;
    }
    if (!m_namesKnown && other.m_namesKnown &&
        std::find(m_nameChoices.begin(), m_nameChoices.end(), other.m_names) != m_nameChoices.end()) {
        m_names = other.m_names;
        m_namesKnown = true;
        m_nameChoices.clear();
    }
}

QString HeadStyle::monthName(int month) const
{
    if (month == m_wordMonth)
        return m_word;
    const QString &name = m_names[month - 1];
    switch (m_case) {
    case Case::AsNamed:
        break;
    case Case::Upper:
        return name.toUpper();
    case Case::Lower:
        return name.toLower();
    case Case::Capitalised:
        return name.first(1).toUpper() + name.sliced(1).toLower();
    }
    return name;
}

QString HeadStyle::dateText(QDate date, const Order &order, int yearDigits) const
{
    QString text = m_gaps[0];
    for (int p = 0; p < 3; ++p) {
        switch (order[p]) {
        case Field::Day:
            text += padded(date.day(), m_pad ? 2 : 1);
            break;
        case Field::Month:
            text += m_parts[p].word ? monthName(date.month()) : padded(date.month(), m_pad ? 2 : 1);
            break;
        case Field::Year:
            text += padded(yearDigits == 2 ? date.year() % 100 : date.year(), yearDigits);
            break;
        }
        text += m_gaps[p + 1];
    }
    return text;
}

QString HeadStyle::tryLine(QDate date, const QString &occasion, const QString &carriedSuffix) const
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QString();
    for (const Order &order : m_orders) {
        const int yearAt = int(std::find(order.begin(), order.end(), Field::Year) - order.begin());
        // A two-digit year that would read as another century is written in full.
        for (int yearDigits : {m_parts[yearAt].digits, 4}) {
            QString line = dateText(date, order, yearDigits);
            if (!occasion.isEmpty())
                line += u' ' + occasion;
            const QString stored = line.contains(u',') || carriedSuffix.isEmpty() ? line : line + u',' + carriedSuffix;
            if (Search::headDate(stored) == date)
                return line;
        }
    }
    return QString();
}

QString HeadStyle::headLine(QDate date, const QString &occasion, const QString &carriedSuffix) const
{
    const QString line = tryLine(date, occasion, carriedSuffix);
    return line.isEmpty() ? HeadStyle().tryLine(date, occasion, carriedSuffix) : line;
}

} // namespace Logbook
