// SPDX-License-Identifier: GPL-3.0-or-later
// Scripture book names as planners write them: the usual English names and abbreviations, and the names of the
// book list, each read case-blind to one book.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace Plan {

class BookTable {
public:
    // The 66 books of the Protestant canon are numbered 1..66 in canonical order; a book-list name that is none
    // of their names or abbreviations (as a whole) becomes a book of its own, numbered after them.
    static constexpr int BuiltInBooks = 66;

    // The built-in English names only.
    BookTable();
    // The built-in names and the book list's names (BibleBooks.txt, one per item); blank items, items without a
    // letter and the list box's placeholder "NONE" are passed over.
    explicit BookTable(const QStringList &bookList);

    // The book a name stands for, 0 for none. Case, dots and spacing do not matter ("1 Cor.", "I Corinthians" and
    // "1cor" are one book); a name that is no known name or abbreviation still counts when it begins exactly one
    // book's full name with at least two letters ("Matth", "Zeph").
    int bookOf(QStringView name) const;

    // Obadiah, Philemon, 2 John, 3 John and Jude: a bare number after their name is a verse.
    bool isSingleChapter(int book) const;

    // The comparison form of a name: upper case, dots read as blanks, blanks single, a leading ordinal
    // ("I", "II", "III", "First", "2nd" …) as its digit and a digit joined to the name ("1Cor") set apart.
    static QString keyOf(QStringView name);

private:
    void addName(const QString &name, int book, bool fullName);

    QHash<QString, int> m_byKey;
    // The keys of full names in sorted order, for the abbreviations that no table lists.
    std::vector<std::pair<QString, int>> m_fullNames;
    int m_bookCount = BuiltInBooks;
};

} // namespace Plan
