// SPDX-License-Identifier: GPL-3.0-or-later
// How a service log writes the date of its head lines ("Jan 3, 2021", "3 January 2021", "1/3/21", "2021-01-03"),
// learnt from a head line of the file, and new head lines written that way.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace Logbook {

// What a dated head line says after its date, trimmed ("Advent 3" of "Dec 14, 2026 Advent 3"); empty for a head
// line that is its date alone or that the program reads no date from.
QString occasionOf(const QString &head);

class HeadStyle {
public:
    // The style of a log without a dated head line: "Dec 14, 2026".
    HeadStyle();

    // The style of a head line whose date the program reads, or nothing when it reads none.
    static std::optional<HeadStyle> ofHead(const QString &head);

    // False while the head line left something open: whether days and months take a leading zero (a date such as
    // 12/14/2026 does not tell), or whether months are named long or short ("May" is both).
    bool isSettled() const { return m_padKnown && m_namesKnown; }
    // Takes what is still open from the style of another head line written the same way.
    void settleFrom(const HeadStyle &other);

    // The head line for date, with the occasion (if any) after one space: in this style when the program reads it
    // back as that date, else in the default style; empty when neither reads back (a year before 100, say).
    // The line is read back as the loader would store it: with "," and carriedSuffix added when it holds no comma.
    QString headLine(QDate date, const QString &occasion, const QString &carriedSuffix = QString()) const;

private:
    enum class Field { Day, Month, Year };
    enum class Case { AsNamed, Upper, Lower, Capitalised };
    using Order = std::array<Field, 3>;

    struct Part {
        bool word = false; // the month's name; otherwise digits
        int digits = 0;    // how many, as written
    };

    // The three parts of a head line's date as written.
    using Parts = std::array<QStringView, 3>;

    // The steps of reading a style from a head line's date text: its parts and the marks between them (false
    // unless there are three), the orders that read as the line's date (false for none), whether days and months
    // are padded, and the month names and their case.
    bool cutParts(const QString &text, Parts &parts);
    bool findOrders(const Parts &parts, QDate date);
    void findPadding(const Parts &parts);
    void findMonthNames(const Parts &parts, QDate date);

    QString tryLine(QDate date, const QString &occasion, const QString &carriedSuffix) const;
    QString dateText(QDate date, const Order &order, int yearDigits) const;
    QString monthName(int month) const;
    bool sameShape(const HeadStyle &other) const;

    std::array<Part, 3> m_parts;
    std::array<QString, 4> m_gaps; // before the first part (always empty), between the parts, after the last
    std::vector<Order> m_orders;   // what each part stands for, every reading that agrees with the line's date
    bool m_pad = false;            // days and months written with two digits
    bool m_padKnown = true;
    QStringList m_names;                    // the twelve names the month is written with
    std::vector<QStringList> m_nameChoices; // while the names are open: the name lists the line's word fits
    bool m_namesKnown = true;
    Case m_case = Case::AsNamed;
    QString m_word; // a month written as a shortening of its own ("Sept"), kept for that month
    int m_wordMonth = 0;
};

} // namespace Logbook
