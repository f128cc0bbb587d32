// SPDX-License-Identifier: GPL-3.0-or-later
// The day's names go through the calendar's own reader, the readings through the planner's, so that what the
// import accepts is what Suggest Hymns then reads back from Lectionary.txt.
#include "plan/lectionaryimport.h"

#include "calendar/dayname.h"
#include "calendar/daynames.h"
#include "plan/scripture.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

// Words a year cell may hold besides its letters, in the six languages: "Year B", "Lesejahr B", "Año B", "A, B y C".
const QStringList kYearWords = {u"YEAR"_s,  u"JAHR"_s, u"LESEJAHR"_s, u"LJ"_s,    u"AÑO"_s, u"ANO"_s, u"ANNÉE"_s,
                                u"ANNEE"_s, u"JAAR"_s, u"CICLO"_s,    u"CYCLE"_s, u"AND"_s, u"OR"_s,  u"UND"_s,
                                u"ODER"_s,  u"Y"_s,    u"O"_s,        u"E"_s,     u"ET"_s,  u"EN"_s,  u"OU"_s};
const QStringList kEveryYear = {u"ALL"_s, u"ALLE"_s, u"TODOS"_s, u"TOUS"_s, u"TOUTES"_s};

struct DayCell {
    Calendar::DayId day;
    QString years; // a year letter the cell ended in, or empty
};

// A day's name, or one followed by its year letter as Lectionary.txt writes it: "Advent 3 B", "3. Advent (B)".
std::optional<DayCell> readDay(QStringView cell, const Calendar::DayNames *shown)
{
    if (cell.isEmpty())
        return std::nullopt;
    if (const std::optional<Calendar::DayId> day = Calendar::parseDayName(cell, shown))
        return DayCell{*day, QString()};
    // Only a cell ending in a year letter, bracketed or not, can be one with its year.
    qsizetype last = cell.size() - 1;
    while (last > 0 && (cell[last] == u')' || cell[last] == u']' || cell[last].isSpace()))
        --last;
    if (!QStringView(u"abcABC").contains(cell[last]))
        return std::nullopt;
    static const QRegularExpression withYear(
        u"^(.+?)[\\s,;:\u2013-]*[(\\[]?\\s*(?:year|jahr|lesejahr|año|ano|année|annee|jaar|ciclo|cycle)?\\s*"
        "([abc])\\s*[)\\]]?$"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = withYear.match(cell);
    if (!match.hasMatch())
        return std::nullopt;
    if (const std::optional<Calendar::DayId> day = Calendar::parseDayName(match.capturedView(1), shown))
        return DayCell{*day, match.captured(2).toUpper()};
    return std::nullopt;
}

bool readsWhole(const QString &cell, const BookTable &books)
{
    const Readings readings = parseReadings(cell, books);
    return !readings.references.empty() && readings.unreadable.isEmpty();
}

QString keyOf(const Calendar::DayId &day, QChar year)
{
    return u"%1/%2/%3/%4"_s.arg(int(day.kind)).arg(day.number).arg(day.weekday).arg(year);
}

} // namespace

std::optional<QString> LectionaryImport::yearLetters(QStringView cell)
{
    QString letters;
    bool every = false, any = false;
    for (const QStringView word : cell.toString().toUpper().split(u' ', Qt::SkipEmptyParts)) {
        // Letters stand apart however the table separates them: "A/B", "A,C", "(B)".
        QString token;
        const auto take = [&]() -> bool {
            if (token.isEmpty())
                return true;
            any = true;
            if (kEveryYear.contains(token))
                every = true;
            else if (std::all_of(token.cbegin(), token.cend(),
                                 [](QChar c) { return c == u'A' || c == u'B' || c == u'C'; }))
                letters += token;
            else if (!kYearWords.contains(token))
                return false;
            token.clear();
            return true;
        };
        for (const QChar c : word) {
            if (c.isLetter())
                token += c;
            else if (!u",/;&+-\u2013().:"_s.contains(c) || !take())
                return std::nullopt;
        }
        if (!take())
            return std::nullopt;
    }
    if (any && letters.isEmpty() && !every)
        return std::nullopt;
    QString sorted;
    for (const QChar year : {u'A', u'B', u'C'}) {
        if (letters.contains(year))
            sorted += year;
    }
    return every || sorted.size() == 3 ? QString() : sorted;
}

ImportColumns LectionaryImport::guessColumns(const ImportTable &table, const BookTable &books,
                                             const Calendar::DayNames *shown)
{
    const int columns = table.columnCount();
    const size_t width = size_t(std::max(columns, 0));
    std::vector<int> filled(width), days(width), years(width), readings(width);
    for (const QStringList &row : table.rows()) {
        for (int c = 0; c < columns; ++c) {
            const QString &cell = row.at(c);
            if (cell.isEmpty())
                continue;
            ++filled[size_t(c)];
            if (readDay(cell, shown)) {
                ++days[size_t(c)];
                continue;
            }
            if (const std::optional<QString> letters = yearLetters(cell); letters && !letters->isEmpty())
                ++years[size_t(c)];
            else if (readsWhole(cell, books))
                ++readings[size_t(c)];
        }
    }
    ImportColumns guessed;
    const auto most = std::max_element(days.begin(), days.end());
    if (most != days.end() && *most > 0)
        guessed.day = int(most - days.begin());
    int bestYears = 0;
    for (int c = 0; c < columns; ++c) {
        // A heading above the letters is the one cell that is no year.
        if (c != guessed.day && years[size_t(c)] > bestYears && years[size_t(c)] + 1 >= filled[size_t(c)] * 9 / 10) {
            guessed.year = c;
            bestYears = years[size_t(c)];
        }
    }
    for (int c = 0; c < columns; ++c) {
        if (c != guessed.day && c != guessed.year && readings[size_t(c)] > 0 &&
            readings[size_t(c)] * 2 >= filled[size_t(c)])
            guessed.readings.append(c);
    }
    return guessed;
}

LectionaryImport::LectionaryImport(const ImportTable &table, const ImportColumns &columns, const BookTable &books,
                                   const Calendar::DayNames *shown, Calendar::NamingStyle style)
{
    const QList<QStringList> &rows = table.rows();
    const auto cellOf = [&](const QStringList &row, int column) {
        return column >= 0 && column < row.size() ? row.at(column) : QString();
    };
    const auto readingsOf = [&](const QStringList &row) {
        QStringList parts;
        for (int column : columns.readings) {
            if (const QString cell = cellOf(row, column); !cell.isEmpty())
                parts.append(cell);
        }
        return parts.join(u"; "_s);
    };
    if (!rows.isEmpty()) {
        // A heading may name a book ("Psalm"), but never a chapter or verse.
        const std::vector<Reference> references = parseReadings(readingsOf(rows.front()), books).references;
        m_headings = !readDay(cellOf(rows.front(), columns.day), shown) &&
                     std::all_of(references.begin(), references.end(), [](const Reference &reference) {
                         return reference.spans == std::vector<VerseSpan>{{0, MaxChapter * ChapterSpan + MaxVerse}};
                     });
    }

    // Translated once, for every row that needs them.
    const QString noDay = QCoreApplication::translate("Plan", "no day's name");
    const QString notADay = QCoreApplication::translate("Plan", "“%1” is not a day of the church year");
    const QString notAYear = QCoreApplication::translate("Plan", "“%1” is not a year letter (A, B or C)");
    const QString noReadings = QCoreApplication::translate("Plan", "no readings");
    const QString comment =
        QCoreApplication::translate("Plan", "a “#” in the readings would begin a comment in Lectionary.txt");
    //: %1 is a day and year ("Advent 3 B"), %2 the row that gave it first.
    const QString twice = QCoreApplication::translate("Plan", "%1 is in row %2 already");

    std::optional<Calendar::DayId> above;
    QHash<QString, int> firstRow;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        const int number = int(r) + 1;
        m_written.append(QString());
        if ((r == 0 && m_headings) ||
            std::all_of(row.cbegin(), row.cend(), [](const QString &c) { return c.isEmpty(); }))
            continue;
        const auto note = [&](const QString &reason, bool leftOut) { m_notes.push_back({number, reason, leftOut}); };
        const QString dayCell = cellOf(row, columns.day);
        const QString readings = readingsOf(row);
        std::optional<DayCell> day;
        if (dayCell.isEmpty() && above)
            day = DayCell{*above, QString()};
        else
            day = readDay(dayCell, shown);
        if (!day) {
            above.reset();
            note(dayCell.isEmpty() ? noDay : notADay.arg(dayCell), true);
            continue;
        }
        above = day->day;
        const QString yearCell = cellOf(row, columns.year);
        std::optional<QString> years = yearCell.isEmpty() ? day->years : yearLetters(yearCell);
        if (!years) {
            note(notAYear.arg(yearCell), true);
            continue;
        }
        if (readings.isEmpty()) {
            note(noReadings, true);
            continue;
        }
        if (readings.contains(u'#')) {
            note(comment, true);
            continue;
        }
        if (const QStringList unread = parseReadings(readings, books).unreadable; !unread.isEmpty())
            note(unreadableMessage(unread), false);

        const QString name = Calendar::writtenName(day->day, style);
        QStringList written;
        const QList<QChar> letters =
            years->isEmpty() ? QList<QChar>{QChar()} : QList<QChar>(years->begin(), years->end());
        for (const QChar year : letters) {
            const QString head = year.isNull() ? name : name + u' ' + year;
            const QString key = keyOf(day->day, year);
            if (const auto first = firstRow.constFind(key); first != firstRow.constEnd()) {
                note(twice.arg(head).arg(*first), true);
                continue;
            }
            firstRow.insert(key, number);
            m_lines.push_back({day->day, year, head + u": "_s + readings});
            written.append(m_lines.back().text);
        }
        m_written.back() = written.join(u'\n');
    }
}

QStringList LectionaryImport::noteMessages() const
{
    //: A row of an imported table that was left out, or only partly read: "Row 12: no readings".
    const QString format = QCoreApplication::translate("Plan", "Row %1: %2");
    QStringList messages;
    for (const ImportNote &note : m_notes)
        messages.append(format.arg(note.row).arg(note.reason));
    return messages;
}

int LectionaryImport::leftOut() const
{
    return int(std::count_if(m_notes.begin(), m_notes.end(), [](const ImportNote &note) { return note.leftOut; }));
}

} // namespace Plan
