// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in names of the 66 books and the lookups by name, abbreviation and the start of a full name.
#include "plan/booktable.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

struct BuiltInBook {
    const char16_t *names; // the full name first, then other names and abbreviations, separated by "|"
    bool singleChapter;
};

// Abbreviations that stand for more than one book ("Jud", "Jo", "Ez", "Ph") are left out on purpose: such a
// reference is reported as unreadable rather than matched to the wrong book.
constexpr std::array<BuiltInBook, BookTable::BuiltInBooks> kBooks = {{
    {u"Genesis|Gen|Ge|Gn", false},
    {u"Exodus|Exod|Exo|Ex", false},
    {u"Leviticus|Lev|Le|Lv", false},
    {u"Numbers|Num|Nu|Nm|Nb", false},
    {u"Deuteronomy|Deut|Dt|De", false},
    {u"Joshua|Josh|Jos|Jsh", false},
    {u"Judges|Judg|Jdg|Jg|Jdgs", false},
    {u"Ruth|Rth|Ru", false},
    {u"1 Samuel|1 Sam|1 Sa|1 Sm", false},
    {u"2 Samuel|2 Sam|2 Sa|2 Sm", false},
    {u"1 Kings|1 Kgs|1 Ki|1 Kin", false},
    {u"2 Kings|2 Kgs|2 Ki|2 Kin", false},
    {u"1 Chronicles|1 Chron|1 Chr|1 Ch", false},
    {u"2 Chronicles|2 Chron|2 Chr|2 Ch", false},
    {u"Ezra|Ezr", false},
    {u"Nehemiah|Neh|Ne", false},
    {u"Esther|Esth|Est|Es", false},
    {u"Job|Jb", false},
    {u"Psalms|Psalm|Ps|Psa|Pss|Psm|Psal|Psalter", false},
    {u"Proverbs|Prov|Pro|Prv|Pr", false},
    {u"Ecclesiastes|Eccles|Eccl|Ecc|Ec|Qoheleth", false},
    {u"Song of Solomon|Song of Songs|Song of Sol|Song|Songs|SOS|Canticles|Cant", false},
    {u"Isaiah|Isa|Is", false},
    {u"Jeremiah|Jer|Je|Jr", false},
    {u"Lamentations|Lam|La", false},
    {u"Ezekiel|Ezek|Eze|Ezk", false},
    {u"Daniel|Dan|Da|Dn", false},
    {u"Hosea|Hos|Ho", false},
    {u"Joel|Jl", false},
    {u"Amos|Am", false},
    {u"Obadiah|Obad|Ob", true},
    {u"Jonah|Jon|Jnh", false},
    {u"Micah|Mic|Mc", false},
    {u"Nahum|Nah|Na", false},
    {u"Habakkuk|Hab|Hb", false},
    {u"Zephaniah|Zeph|Zep|Zp", false},
    {u"Haggai|Hag|Hg", false},
    {u"Zechariah|Zech|Zec|Zc", false},
    {u"Malachi|Mal|Ml", false},
    {u"Matthew|Matt|Mat|Mt", false},
    {u"Mark|Mrk|Mar|Mk|Mr", false},
    {u"Luke|Luk|Lk", false},
    {u"John|Joh|Jhn|Jn", false},
    {u"Acts|Act|Ac", false},
    {u"Romans|Rom|Ro|Rm", false},
    {u"1 Corinthians|1 Cor|1 Co", false},
    {u"2 Corinthians|2 Cor|2 Co", false},
    {u"Galatians|Gal|Ga", false},
    {u"Ephesians|Eph|Ephes", false},
    {u"Philippians|Phil|Php|Pp", false},
    {u"Colossians|Col", false},
    {u"1 Thessalonians|1 Thess|1 Thes|1 Th", false},
    {u"2 Thessalonians|2 Thess|2 Thes|2 Th", false},
    {u"1 Timothy|1 Tim|1 Ti", false},
    {u"2 Timothy|2 Tim|2 Ti", false},
    {u"Titus|Tit", false},
    {u"Philemon|Philem|Phm|Phlm", true},
    {u"Hebrews|Heb", false},
    {u"James|Jas|Jm", false},
    {u"1 Peter|1 Pet|1 Pe|1 Pt", false},
    {u"2 Peter|2 Pet|2 Pe|2 Pt", false},
    {u"1 John|1 Jn|1 Jhn|1 Joh", false},
    {u"2 John|2 Jn|2 Jhn|2 Joh", true},
    {u"3 John|3 Jn|3 Jhn|3 Joh", true},
    {u"Jude|Jd", true},
    {u"Revelation|Revelations|Rev|Re|Rv|Apocalypse", false},
}};

// The ordinal words a numbered book may begin with, and the digit each stands for.
int ordinalOf(QStringView word)
{
    static const std::array<std::pair<QStringView, int>, 9> ordinals = {{
        {u"I", 1},
        {u"II", 2},
        {u"III", 3},
        {u"FIRST", 1},
        {u"SECOND", 2},
        {u"THIRD", 3},
        {u"1ST", 1},
        {u"2ND", 2},
        {u"3RD", 3},
    }};
    for (const auto &[text, digit] : ordinals) {
        if (word == text)
            return digit;
    }
    return 0;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

BookTable::BookTable()
{
    for (int b = 0; b < BuiltInBooks; ++b) {
        const QStringList names = QString::fromUtf16(kBooks[size_t(b)].names).split(u'|');
        for (qsizetype n = 0; n < names.size(); ++n)
            addName(names[n], b + 1, n == 0);
    }
    std::sort(m_fullNames.begin(), m_fullNames.end());
}

BookTable::BookTable(const QStringList &bookList) : BookTable()
{
    for (const QString &name : bookList) {
        const QString key = keyOf(name);
        if (key.isEmpty() || key == u"NONE"_s ||
            !std::any_of(key.begin(), key.end(), [](QChar c) { return c.isLetter(); }))
            continue;
        // A list name the table knows ("Psalms", "Ps") is that book; only whole names are taken, so that a list
        // of any length is read in one pass.
        const auto known = m_byKey.constFind(key);
        addName(name, known != m_byKey.constEnd() ? *known : ++m_bookCount, true);
    }
    std::sort(m_fullNames.begin(), m_fullNames.end());
}

void BookTable::addName(const QString &name, int book, bool fullName)
{
    const QString key = keyOf(name);
    if (m_byKey.contains(key))
        return;
    m_byKey.insert(key, book);
    if (fullName)
        m_fullNames.emplace_back(key, book);
}

int BookTable::bookOf(QStringView name) const
{
    const QString key = keyOf(name);
    if (const auto found = m_byKey.constFind(key); found != m_byKey.constEnd())
        return *found;
    // The start of exactly one book's full name, with at least two letters to go on.
    const qsizetype letters = std::count_if(key.begin(), key.end(), [](QChar c) { return c.isLetter(); });
    if (letters < 2)
        return 0;
    // The names that begin with key stand together in the sorted list, right from where key would go.
    int book = 0;
    auto at = std::lower_bound(m_fullNames.begin(), m_fullNames.end(), key,
                               [](const std::pair<QString, int> &entry, const QString &k) { return entry.first < k; });
    for (; at != m_fullNames.end() && at->first.startsWith(key); ++at) {
        if (book != 0 && at->second != book)
            return 0;
        book = at->second;
    }
    return book;
}

bool BookTable::isSingleChapter(int book) const
{
    return book >= 1 && book <= BuiltInBooks && kBooks[size_t(book - 1)].singleChapter;
}

QString BookTable::keyOf(QStringView name)
{
    QString key;
    key.reserve(name.size() + 1);
    bool blank = false;
    for (const QChar c : name) {
        if (c == u'.' || c.isSpace()) {
            blank = !key.isEmpty();
            continue;
        }
        if (blank)
            key += u' ';
        blank = false;
        key += c;
    }
    key = key.toUpper();

    const qsizetype space = key.indexOf(u' ');
    if (space > 0) {
        if (const int digit = ordinalOf(QStringView(key).first(space)))
            return QString::number(digit) + key.sliced(space);
    }
    qsizetype digits = 0;
    while (digits < key.size() && isAsciiDigit(key[digits]))
        ++digits;
    if (digits > 0 && digits < key.size() && key[digits].isLetter())
        key.insert(digits, u' ');
    return key;
}

} // namespace Plan
