// SPDX-License-Identifier: GPL-3.0-or-later
// Scripture book names as planners and printed lectionaries write them: the names and abbreviations of Catholic and
// Protestant tables in English, German, Spanish, Portuguese, French and Dutch, and the names of the book list,
// each read case-blind to one book.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace Plan {

// How a reference writes chapter and verse: "Isaiah 61:1-2" (or "61.1-2") in English tables, "Jes 61,1-2a.10-11"
// in those of the continent. A few abbreviations name other books in each ("Hb" is Habakkuk in one, Hebrews in the
// other).
enum class Notation { English, Continental };

class BookTable {
public:
    // The 66 books of the Protestant canon are numbered 1..66 in canonical order, and the deuterocanonical books
    // (Tobit … Bel and the Dragon) after them; a book-list name that is none of their names or abbreviations (as a
    // whole) becomes a book of its own, numbered after those.
    static constexpr int BuiltInBooks = 78;

    // The built-in names only.
    BookTable();
    // The built-in names and the book list's names (BibleBooks.txt, one per item); blank items, items without a
    // letter and the list box's placeholder "NONE" are passed over.
    explicit BookTable(const QStringList &bookList);

    // The book a name stands for in the notation, 0 for none. Case, dots and spacing do not matter ("1 Cor.",
    // "I Corinthians" and "1cor" are one book), nor accents where only one book's name has that form without them
    // ("Gal" and "Gál"; not "Jo" and "Jó"); a name that is no known name or abbreviation still counts when it begins
    // exactly one book's full name with at least three letters ("Matth", "Zeph").
    int bookOf(QStringView name, Notation notation = Notation::English) const;

    // Whether the notation decides which book name is ("Hb", "Mc").
    bool dependsOnNotation(QStringView name) const;
    // The book's English name ("Hebrews"), or its name in the book list for a book of the list's own.
    QString nameOf(int book) const;

    // Obadiah, Philemon, 2 John, 3 John, Jude and the deuterocanonical books of one chapter: a bare number after
    // their name is a verse.
    bool isSingleChapter(int book) const;

    // The comparison form of a name: upper case, dots read as blanks, blanks single, a leading ordinal
    // ("I", "II", "III", "First", "2nd" …) as its digit and a digit joined to the name ("1Cor") set apart.
    static QString keyOf(QStringView name);

private:
    void addName(const QString &name, int book, bool fullName);
    // The book of a key as a whole, in the notation's own names first.
    int exactBook(const QString &key, Notation notation) const;
    // The key without its accents and other marks.
    static QString strippedOf(const QString &key);

    QHash<QString, int> m_byKey;
    QHash<QString, int> m_english, m_continental; // the names each notation gives its own book
    QHash<QString, int> m_byStripped;             // 0 where two books share the stripped form
    QStringList m_listNames;                      // the book list's own books, from BuiltInBooks + 1 on
    // The keys of full names in sorted order, for the abbreviations that no table lists.
    std::vector<std::pair<QString, int>> m_fullNames;
    int m_bookCount = BuiltInBooks;
};

} // namespace Plan
