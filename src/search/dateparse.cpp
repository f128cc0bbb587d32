// SPDX-License-Identifier: GPL-3.0-or-later
// Date reading without QDate::fromString: the text is split into runs of letters and of digits, the runs are
// given their roles by their kind and by the locale's order of day, month and year, and QDate validates.
#include "search/dateparse.h"

#include "search/datelimits.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace Search::DateParse {

namespace {

// No date form comes near this; anything longer is turned away before it is looked at.
constexpr qsizetype MaxDateLength = 64;
constexpr int PartCount = 3;

enum class Field { Day, Month, Year };

struct Part {
    QStringView text;
    bool digits = false;
};

struct MonthName {
    QString name; // without a closing "."
    int month = 0;
};

// Month names and field order of the last locale asked for; rebuilt only when the locale changes.
struct LocaleTables {
    QLocale locale;
    bool built = false;
    std::vector<MonthName> exact;
    std::vector<MonthName> longNames;
    std::array<Field, PartCount> numericOrder{Field::Month, Field::Day, Field::Year};
};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isWordChar(QChar c)
{
    return c.isLetter() || c.isMark();
}

bool isPunctuation(QChar c)
{
    return c == u',' || c == u'/' || c == u'-' || c == u'.';
}

void addNames(LocaleTables &tables, const QLocale &locale)
{
    for (int month = 1; month <= 12; ++month) {
        for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString &name : {locale.monthName(month, format), locale.standaloneMonthName(month, format)}) {
                const QString bare = Search::DropDot(name);
                if (bare.isEmpty())
                    continue;
                tables.exact.push_back({bare, month});
                if (format == QLocale::LongFormat)
                    tables.longNames.push_back({bare, month});
            }
        }
    }
}

// The order of day, month and year in the short date format, e.g. "M/d/yy" or "dd.MM.yyyy".
std::array<Field, PartCount> orderOf(const QString &format)
{
    qsizetype day = -1, month = -1, year = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'd' && day < 0)
            day = i;
        else if (c == u'M' && month < 0)
            month = i;
        else if ((c == u'y' || c == u'Y') && year < 0)
            year = i;
    }
    if (day < 0 || month < 0 || year < 0)
        return {Field::Month, Field::Day, Field::Year};
    std::array<std::pair<qsizetype, Field>, PartCount> at{
        {{day, Field::Day}, {month, Field::Month}, {year, Field::Year}}};
    std::sort(at.begin(), at.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return {at[0].second, at[1].second, at[2].second};
}

const LocaleTables &tablesFor(const QLocale &locale)
{
    thread_local LocaleTables tables;
    if (tables.built && tables.locale == locale)
        return tables;
    tables = LocaleTables{};
    tables.locale = locale;
    addNames(tables, QLocale(QLocale::English, QLocale::UnitedStates));
    if (locale.language() != QLocale::English || locale.territory() != QLocale::UnitedStates)
        addNames(tables, locale);
    // The C locale's own short format puts the day first, but a machine without a regional setting is most
    // often an American default left as it was: read its numeric dates month first, as 5/1/2022 for 1 May.
    if (locale.language() != QLocale::C)
        tables.numericOrder = orderOf(locale.dateFormat(QLocale::ShortFormat));
    tables.built = true;
    return tables;
}

int monthOf(QStringView word, const LocaleTables &tables)
{
    for (const MonthName &entry : tables.exact) {
        if (word.compare(entry.name, Qt::CaseInsensitive) == 0)
            return entry.month;
    }
    // "Sept" or "Janu": a prefix counts only when it leaves no doubt which month is meant.
    if (word.size() < 3)
        return 0;
    int found = 0;
    for (const MonthName &entry : tables.longNames) {
        if (!QStringView(entry.name).startsWith(word, Qt::CaseInsensitive))
            continue;
        if (found != 0 && found != entry.month)
            return 0;
        found = entry.month;
    }
    return found;
}

// Splits the text into exactly three parts; false for any other shape.
bool splitParts(QStringView text, std::array<Part, PartCount> &parts)
{
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        // The gap before this part: spaces and at most one punctuation mark, none before the first part.
        int marks = 0;
        while (i < n && (text[i].isSpace() || isPunctuation(text[i]))) {
            if (isPunctuation(text[i]))
                ++marks;
            ++i;
        }
        if (marks > 1 || (count == 0 && i > 0))
            return false;
        if (i == n)
            return count == PartCount && marks == 1 && text[n - 1] == u'.';
        const qsizetype start = i;
        const bool digits = isAsciiDigit(text[i]);
        while (i < n && (digits ? isAsciiDigit(text[i]) : isWordChar(text[i])))
            ++i;
        if (i == start || count == PartCount)
            return false;
        parts[count++] = {text.sliced(start, i - start), digits};
    }
    return count == PartCount;
}

// Digit runs are at most four long, so the value always fits.
int valueOf(QStringView digits)
{
    int value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

int yearOf(QStringView digits)
{
    const int value = valueOf(digits);
    if (digits.size() == 2)
        return value < 30 ? 2000 + value : 1900 + value;
    if (digits.size() == 4 && value >= 100)
        return value;
    return 0;
}

int dayOrMonthOf(QStringView digits)
{
    return digits.size() <= 2 ? valueOf(digits) : 0;
}

std::optional<QDate> dateOf(int year, int month, int day)
{
    if (year == 0 || month == 0 || day == 0)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> fromMonthName(const std::array<Part, PartCount> &parts, const LocaleTables &tables)
{
    int wordAt = -1;
    for (int i = 0; i < PartCount; ++i) {
        if (parts[i].digits)
            continue;
        if (wordAt >= 0)
            return std::nullopt;
        wordAt = i;
    }
    const int month = monthOf(parts[wordAt].text, tables);
    if (month == 0)
        return std::nullopt;
    switch (wordAt) {
    case 0: // Jan 1, 2019
        return dateOf(yearOf(parts[2].text), month, dayOrMonthOf(parts[1].text));
    case 1:
        if (parts[0].text.size() == 4) // 2019 Jan 1
            return dateOf(yearOf(parts[0].text), month, dayOrMonthOf(parts[2].text));
        return dateOf(yearOf(parts[2].text), month, dayOrMonthOf(parts[0].text)); // 1 Jan 2019
    default:
        return std::nullopt;
    }
}

std::optional<QDate> fromNumbers(const std::array<Part, PartCount> &parts, const LocaleTables &tables)
{
    std::array<Field, PartCount> order = tables.numericOrder;
    if (parts[0].text.size() == 4)
        order = {Field::Year, Field::Month, Field::Day};
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < PartCount; ++i) {
        switch (order[i]) {
        case Field::Year:
            year = yearOf(parts[i].text);
            break;
        case Field::Month:
            month = dayOrMonthOf(parts[i].text);
            break;
        case Field::Day:
            day = dayOrMonthOf(parts[i].text);
            break;
        }
    }
    return dateOf(year, month, day);
}

} // namespace

std::optional<QDate> parse(QStringView text, const QLocale &locale)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > MaxDateLength)
        return std::nullopt;
    std::array<Part, PartCount> parts;
    if (!splitParts(text, parts))
        return std::nullopt;
    for (const Part &part : parts) {
        if (part.digits && part.text.size() > 4)
            return std::nullopt;
    }
    const LocaleTables &tables = tablesFor(locale);
    const bool allDigits = parts[0].digits && parts[1].digits && parts[2].digits;
    return allDigits ? fromNumbers(parts, tables) : fromMonthName(parts, tables);
}

std::optional<QDate> parse(const QString &text, const QLocale &locale)
{
    return parse(QStringView(text), locale);
}

bool isDate(QStringView text, const QLocale &locale)
{
    return parse(text, locale).has_value();
}

bool isDate(const QString &text, const QLocale &locale)
{
    return parse(QStringView(text), locale).has_value();
}

} // namespace Search::DateParse
