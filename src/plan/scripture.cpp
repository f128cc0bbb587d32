// SPDX-License-Identifier: GPL-3.0-or-later
// A small hand-written reader for references: one piece between semicolons at a time, a book name, then
// numbers, colons, dashes and separators, with the chapter carried from one item to the next. Each reference is read
// in the notation its first chapter and verse are written in: a comma there is the continent's.
#include "plan/scripture.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

constexpr int WholeChapter = -1;
// One reader of numbers serves chapters and verses alike.
static_assert(MaxChapter == MaxVerse);

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isDash(QChar c)
{
    // Hyphen-minus, the Unicode hyphens and figure, en and em dashes, and the minus sign.
    return c == u'-' || (c >= u'\u2010' && c <= u'\u2014') || c == u'\u2212';
}

// What may stand between two items of one reference, or before a new book after a comma.
bool isGap(QChar c)
{
    return c.isSpace() || c == u',' || c == u'(' || c == u')' || c == u'[' || c == u']' || c == u'&';
}

bool isNameChar(QChar c)
{
    return c.isLetter() || c.isMark() || c == u'.' || c == u' ' || c == u'\'' || c == u'\u2019';
}

bool isOpening(QChar c)
{
    return c == u'(' || c == u'[';
}

// The words that join two readings as a comma would: alternatives ("Baruch 5:1-9 or Malachi 3:1-4") and additions,
// in the six languages' tables. "of", the Dutch "or", is left out: English book names hold it.
constexpr QStringView kJoinWords[] = {u"or", u"oder", u"o", u"ou", u"and", u"und", u"u.", u"y", u"e", u"et", u"en"};

constexpr int Psalms = 19;

struct Place {
    int chapter = 0;
    int verse = WholeChapter;
};

// The book and its name as written in the last readable piece, for a piece that gives only numbers.
struct Carry {
    int book = 0;
    QString name;
};

class PieceReader {
public:
    PieceReader(QStringView piece, const BookTable &books, const Carry &carry)
        : m_s(piece), m_books(books), m_carry(carry)
    {}

    // The piece's references go to out and the parts of it that do not read, as written, to unreadable. The
    // piece is read in parts between commas; a part that does not read is passed over whole, and so are the parts
    // after it that give only numbers when it leaves no book or chapter for them.
    void read(std::vector<Reference> &out, QStringList &unreadable, Carry &carry)
    {
        std::vector<Reference> refs;
        bool lost = false;                    // the numbers that follow have no book to belong to
        qsizetype badStart = -1, badEnd = -1; // the unreadable parts not yet named, in a row
        bool named = false;                   // some part did not read, and was named
        const auto nameBad = [&] {
            if (badStart >= 0) {
                unreadable.append(m_s.sliced(badStart, badEnd - badStart).trimmed().toString());
                named = true;
            }
            badStart = -1;
        };
        while (true) {
            skipGaps(refs);
            if (m_pos >= m_s.size())
                break;
            const qsizetype partStart = m_pos;
            const bool withBook = bookStartsHere();
            const Saved saved = save(refs);
            if ((!withBook && lost) || !readPart(refs)) {
                restore(refs, saved);
                // A part of numbers for a reference already read leaves its book and chapter as they were.
                lost = lost || withBook || refs.empty();
                while (m_pos < m_s.size() && !atPartEnd())
                    ++m_pos;
                if (!lost && !m_texts.empty()) {
                    // The blank before a joining word that ends the part stays, as a comma would.
                    qsizetype cutEnd = m_pos;
                    while (cutEnd > partStart && m_pos < m_s.size() && m_s[m_pos] != u',' && m_s[cutEnd - 1].isSpace())
                        --cutEnd;
                    TextBounds &text = m_texts.back();
                    // Where the reference stands at a chapter, a comma right after it would begin its verses.
                    const bool apart = !m_verseMode && !m_continental;
                    if (!text.cuts.empty() && text.cuts.back().from == text.end)
                        text.cuts.back() = {text.cuts.back().from, cutEnd, apart};
                    else
                        text.cuts.push_back({text.end, cutEnd, apart});
                }
                if (badStart < 0)
                    badStart = partStart;
                badEnd = m_pos;
                continue;
            }
            nameBad();
            lost = false;
        }
        nameBad();
        for (size_t r = 0; r < refs.size(); ++r) {
            if (refs[r].spans.empty())
                refs[r].spans.push_back({0, MaxChapter * ChapterSpan + MaxVerse});
            refs[r].text = m_texts[r].text(m_s);
        }
        // A piece of brackets and commas alone names nothing: it is reported rather than passed over.
        if (refs.empty() && !named)
            unreadable.append(m_s.toString());
        if (!refs.empty())
            carry = lost ? Carry{} : Carry{refs.back().book, m_texts.back().bookName};
        out.insert(out.end(), std::make_move_iterator(refs.begin()), std::make_move_iterator(refs.end()));
    }

private:
    struct TextBounds {
        QString prefix; // the carried book name and a blank, for a reference without a name of its own
        qsizetype start = 0, end = 0;
        QString bookName;
        // Unreadable parts left out of the text, each with the comma or blank before it.
        struct Cut {
            qsizetype from = 0, to = 0;
            bool apart = false; // a comma after the cut must stand apart from the chapter before it
        };
        std::vector<Cut> cuts;

        QString text(QStringView s) const
        {
            QString written = prefix;
            qsizetype from = start;
            for (const Cut &cut : cuts) {
                if (cut.from >= end)
                    break;
                written += s.sliced(from, cut.from - from);
                // "Psalm 1, x, 8-16" left as "Psalm 1,8-16" would read as verses of the first psalm.
                if (cut.apart && cut.to < end && s[cut.to] == u',')
                    written += u' ';
                from = cut.to;
            }
            written += s.sliced(from, end - from);
            return written;
        }
    };

    // Where the reading stood before a part, to go back to when the part does not read.
    struct Saved {
        size_t refs = 0;
        size_t spans = 0;
        std::optional<TextBounds> lastText;
        int book = 0;
        int chapter = 0;
        bool verseMode = false;
        bool continental = false;
    };

    Saved save(const std::vector<Reference> &refs) const
    {
        Saved saved{
            refs.size(),  refs.empty() ? 0 : refs.back().spans.size(), std::nullopt, m_book, m_chapter, m_verseMode,
            m_continental};
        if (!m_texts.empty())
            saved.lastText = m_texts.back();
        return saved;
    }

    void restore(std::vector<Reference> &refs, const Saved &saved)
    {
        refs.resize(saved.refs);
        m_texts.resize(saved.refs);
        if (!refs.empty()) {
            refs.back().spans.resize(saved.spans);
            m_texts.back() = *saved.lastText;
        }
        m_book = saved.book;
        m_chapter = saved.chapter;
        m_verseMode = saved.verseMode;
        m_continental = saved.continental;
    }

    // The items up to the next comma or joining word, or the end of the piece: book names and numbers.
    bool readPart(std::vector<Reference> &refs)
    {
        while (true) {
            if (joinWordLength() > 0) {
                return true;
            } else if (bookStartsHere()) {
                if (!startBook(refs))
                    return false;
            } else if (isDigit(m_s[m_pos])) {
                if (refs.empty() && !startCarried(refs))
                    return false;
                if (!readItem(refs.back()))
                    return false;
            } else {
                return false;
            }
            // Blanks and brackets go on within the part, and after a verse a full stop ("1-2a.10-11"); a comma
            // ends it.
            while (m_pos < m_s.size() && m_s[m_pos] != u',' &&
                   (isGap(m_s[m_pos]) || (m_verseMode && m_s[m_pos] == u'.')))
                skipGap(refs);
            if (m_pos >= m_s.size() || m_s[m_pos] == u',')
                return true;
        }
    }

    void skipSpaces()
    {
        while (m_pos < m_s.size() && m_s[m_pos].isSpace())
            ++m_pos;
    }

    void skipGap(const std::vector<Reference> &refs)
    {
        // A closing bracket belongs to the reference it closes: "Luke 2:1-14 (15-20)", not to one that began
        // inside the brackets.
        if (!refs.empty() && (m_s[m_pos] == u')' || m_s[m_pos] == u']')) {
            TextBounds &text = m_texts.back();
            const QStringView written = m_s.sliced(text.start, text.end - text.start);
            if (written.count(m_s[m_pos] == u')' ? u'(' : u'[') > written.count(m_s[m_pos]))
                text.end = m_pos + 1;
        }
        if (isOpening(m_s[m_pos])) {
            if (const qsizetype after = noteEnd(m_pos); after > 0) {
                m_pos = after;
                return;
            }
        }
        ++m_pos;
    }

    void skipGaps(const std::vector<Reference> &refs)
    {
        while (m_pos < m_s.size()) {
            if (const qsizetype word = joinWordLength(); word > 0)
                m_pos += word;
            else if (isGap(m_s[m_pos]))
                skipGap(refs);
            else
                break;
        }
    }

    // The length of a joining word at at (m_pos when not given) standing as a word of its own, 0 for none.
    qsizetype joinWordLength(qsizetype at = -1) const
    {
        if (at < 0)
            at = m_pos;
        if (at > 0 && !isGap(m_s[at - 1]))
            return 0;
        for (const QStringView word : kJoinWords) {
            const qsizetype end = at + word.size();
            if (end < m_s.size() && m_s.sliced(at, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
                m_s[end].isSpace())
                return word.size();
        }
        return 0;
    }

    bool atPartEnd() const { return m_s[m_pos] == u',' || joinWordLength() > 0; }

    // A bracket that holds a note rather than verses or readings, such as a psalm's antiphon or response ("[R. 3]",
    // "(Kv: vgl. 4)", "(resp.)"): where the text goes on after it, or 0 when it is no note. A bracket that begins
    // with a number, a joining word or a book name followed by a number is read.
    qsizetype noteEnd(qsizetype open) const
    {
        const QChar close = m_s[open] == u'(' ? u')' : u']';
        const qsizetype closing = m_s.indexOf(close, open + 1);
        const qsizetype end = closing < 0 ? m_s.size() : closing;
        qsizetype at = open + 1;
        while (at < end && m_s[at].isSpace())
            ++at;
        if (at >= end || !m_s[at].isLetter())
            return 0;
        qsizetype wordEnd = at;
        while (wordEnd < end && (m_s[wordEnd].isLetter() || m_s[wordEnd].isMark()))
            ++wordEnd;
        const QStringView word = m_s.sliced(at, wordEnd - at);
        for (const QStringView join : kJoinWords) {
            if (word.compare(join, Qt::CaseInsensitive) == 0)
                return 0;
        }
        qsizetype name = wordEnd;
        while (name < end && isNameChar(m_s[name]))
            ++name;
        if (name < end && isDigit(m_s[name]) && m_books.bookOf(m_s.sliced(at, name - at)) != 0)
            return 0;
        return closing < 0 ? m_s.size() : closing + 1;
    }

    // A letter, or one digit before a name ("1 John", "2Cor", "1. Mose"): numbered books have at most three
    // parts.
    bool bookStartsHere() const
    {
        if (m_s[m_pos].isLetter())
            return true;
        if (!isDigit(m_s[m_pos]))
            return false;
        qsizetype at = m_pos + 1;
        if (at < m_s.size() && isDigit(m_s[at]))
            return false;
        const qsizetype joined = at;
        if (at < m_s.size() && m_s[at] == u'.')
            ++at;
        while (at < m_s.size() && m_s[at] == u' ')
            ++at;
        // Joined to the digit, one letter is a part verse ("3b"), a name has more ("2Cor").
        if (at == joined)
            return at + 1 < m_s.size() && m_s[at].isLetter() && m_s[at + 1].isLetter();
        return at < m_s.size() && m_s[at].isLetter();
    }

    bool startBook(std::vector<Reference> &refs)
    {
        const qsizetype start = m_pos;
        if (isDigit(m_s[m_pos]))
            ++m_pos;
        while (m_pos < m_s.size() && isNameChar(m_s[m_pos]))
            ++m_pos;
        const auto nameUpTo = [&](qsizetype at) {
            while (at > start && m_s[at - 1] == u' ')
                --at;
            return m_s.sliced(start, at - start);
        };
        QStringView name = nameUpTo(m_pos);
        int book = m_books.bookOf(name, continentalAhead(m_pos) ? Notation::Continental : Notation::English);
        // A whole book before a joining word: "Jude or Ruth 1". A name holding such a word ("Bel and the Dragon")
        // was tried whole first.
        for (qsizetype at = start + 1; book == 0 && at < m_pos; ++at) {
            if (joinWordLength(at) > 0) {
                name = nameUpTo(at);
                book = m_books.bookOf(name);
                if (book != 0)
                    m_pos = at;
                break;
            }
        }
        if (book == 0)
            return false;
        const qsizetype end = start + name.size();
        refs.push_back({book, {}, {}});
        m_texts.push_back({QString(), start, end, name.toString(), {}});
        resetChapter(book);
        return true;
    }

    bool startCarried(std::vector<Reference> &refs)
    {
        if (m_carry.book == 0)
            return false;
        refs.push_back({m_carry.book, {}, {}});
        // A name whose book the notation decides is written out, as this piece's notation may be the other one.
        const QString name = m_books.dependsOnNotation(m_carry.name) ? m_books.nameOf(m_carry.book) : m_carry.name;
        m_texts.push_back({name + u' ', m_pos, m_pos, name, {}});
        resetChapter(m_carry.book);
        return true;
    }

    void resetChapter(int book)
    {
        const bool single = m_books.isSingleChapter(book);
        m_book = book;
        m_chapter = single ? 1 : 0;
        m_verseMode = single;
        m_continental = false;
    }

    // Where the verses begin after a chapter number that ends before at, when a comma begins them as the continent's
    // tables write it: "61,1" always, and with spaced "61, 1-2a" (a range or a verse group after the blank; "Psalm
    // 23, 24" lists chapters). -1 when no such comma is there.
    qsizetype continentalComma(qsizetype at, bool spaced = true) const
    {
        if (at >= m_s.size() || m_s[at] != u',')
            return -1;
        qsizetype verse = at + 1;
        if (verse < m_s.size() && isDigit(m_s[verse]))
            return verse;
        if (!spaced)
            return -1;
        while (verse < m_s.size() && m_s[verse] == u' ')
            ++verse;
        qsizetype after = verse;
        while (after < m_s.size() && isDigit(m_s[after]))
            ++after;
        if (after == verse)
            return -1;
        while (after < m_s.size() && m_s[after] >= u'a' && m_s[after] <= u'e')
            ++after;
        if (after < m_s.size() && isDash(m_s[after]))
            return verse;
        // A full stop only where another verse group follows it: "61, 1-2a. 10-11", not the end of a sentence.
        qsizetype group = after + 1;
        while (group < m_s.size() && m_s[group] == u' ')
            ++group;
        return after < m_s.size() && m_s[after] == u'.' && group < m_s.size() && isDigit(m_s[group]) ? verse : -1;
    }

    // Whether the reference whose book name ends at at writes its first chapter and verse the continent's way,
    // which decides the few abbreviations the notations give different books.
    bool continentalAhead(qsizetype at) const
    {
        while (at < m_s.size() && m_s[at] == u' ')
            ++at;
        const qsizetype chapter = at;
        while (at < m_s.size() && isDigit(m_s[at]))
            ++at;
        if (at == chapter)
            return false;
        at = afterOtherPsalmNumber(at, 0);
        return continentalComma(at) >= 0;
    }

    // Catholic tables give a psalm's number in both numberings, the other in brackets: "Ps 23 (22)", "Sl 95(96)".
    // Where the text goes on after such a bracket at at, or at itself when there is none; number, when not 0, must
    // be one apart from the bracket's at most.
    qsizetype afterOtherPsalmNumber(qsizetype at, int number, int *other = nullptr) const
    {
        qsizetype p = at;
        while (p < m_s.size() && m_s[p] == u' ')
            ++p;
        if (p >= m_s.size() || m_s[p] != u'(')
            return at;
        const qsizetype digits = ++p;
        int value = 0;
        while (p < m_s.size() && isDigit(m_s[p]) && p - digits < 3)
            value = value * 10 + (m_s[p++].unicode() - u'0');
        if (p == digits || p >= m_s.size() || m_s[p] != u')' || value < 1 || value > 151 ||
            (number != 0 && std::abs(value - number) > 1))
            return at;
        if (other != nullptr)
            *other = value;
        return p + 1;
    }

    // A number of 1..max; -1 when there is none or it is out of range. Long runs of digits are read to their end.
    int readNumber(int max)
    {
        const qsizetype start = m_pos;
        int value = 0;
        for (; m_pos < m_s.size() && isDigit(m_s[m_pos]); ++m_pos) {
            if (value <= max)
                value = value * 10 + (m_s[m_pos].unicode() - u'0');
        }
        return m_pos > start && value >= 1 && value <= max ? value : -1;
    }

    // A colon, or a full stop between chapter and verse ("2.8") where the reference is not written the continent's
    // way, after optional blanks; verses in brackets may follow it ("John 1:(1-9) 10-18").
    bool takeColon()
    {
        const qsizetype before = m_pos;
        skipSpaces();
        if (m_pos < m_s.size() && (m_s[m_pos] == u':' || (!m_continental && m_s[m_pos] == u'.' &&
                                                          m_pos + 1 < m_s.size() && isDigit(m_s[m_pos + 1])))) {
            ++m_pos;
            while (m_pos < m_s.size() && (m_s[m_pos].isSpace() || isOpening(m_s[m_pos])))
                ++m_pos;
            return true;
        }
        m_pos = before;
        return false;
    }

    // The letters of a part verse: "8b", "2ac".
    void skipVersePart()
    {
        qsizetype end = m_pos;
        while (end < m_s.size() && end - m_pos < 3 && m_s[end] >= u'a' && m_s[end] <= u'e')
            ++end;
        if (end == m_s.size() || !m_s[end].isLetter())
            m_pos = end;
    }

    // One place: "2", "2:8", "61,1" or, after a verse, "8"; inChapter is the chapter a bare verse belongs to. The
    // first place of a reference may take the continent's comma, the end of its range too once it has.
    bool readPlace(Place &place, bool bareIsVerse, int inChapter, bool first)
    {
        int chapter = readNumber(MaxChapter);
        if (chapter < 0)
            return false;
        if (!bareIsVerse && m_book == Psalms) {
            // Of a psalm's two numbers, the Hebrew, which hymnals follow, is the higher.
            int other = 0;
            m_pos = afterOtherPsalmNumber(m_pos, chapter, &other);
            chapter = std::max(chapter, other);
        }
        // After a verse a comma lists more verses; the end of a range ("61,10-62,3") has no blank after its comma.
        const qsizetype comma = first ? (bareIsVerse ? -1 : continentalComma(m_pos))
                                      : (m_continental ? continentalComma(m_pos, false) : -1);
        if (comma >= 0) {
            m_continental = true;
            m_pos = comma;
            place = {chapter, readNumber(MaxVerse)};
            if (place.verse < 0)
                return false;
        } else if (takeColon()) {
            place = {chapter, readNumber(MaxVerse)};
            if (place.verse < 0)
                return false;
        } else {
            place = bareIsVerse ? Place{inChapter, chapter} : Place{chapter, WholeChapter};
        }
        if (place.verse != WholeChapter)
            skipVersePart();
        return true;
    }

    bool readItem(Reference &ref)
    {
        Place from, to;
        if (!readPlace(from, m_verseMode, m_chapter, true))
            return false;
        to = from;
        const qsizetype beforeDash = m_pos;
        skipSpaces();
        if (m_pos < m_s.size() && isDash(m_s[m_pos])) {
            ++m_pos;
            skipSpaces();
            // After a verse a bare number is a verse of the same chapter: "2:8-14".
            if (!readPlace(to, from.verse != WholeChapter, from.chapter, false))
                return false;
        } else {
            m_pos = beforeDash;
        }
        const VerseSpan span{from.chapter * ChapterSpan + (from.verse == WholeChapter ? 0 : from.verse),
                             to.chapter * ChapterSpan + (to.verse == WholeChapter ? MaxVerse : to.verse)};
        if (span.first > span.last)
            return false;
        ref.spans.push_back(span);
        m_texts.back().end = m_pos;
        m_chapter = to.chapter;
        m_verseMode = to.verse != WholeChapter;
        return true;
    }

    QStringView m_s;
    const BookTable &m_books;
    const Carry &m_carry;
    qsizetype m_pos = 0;
    std::vector<TextBounds> m_texts; // one per reference of the piece
    int m_book = 0;
    int m_chapter = 0;
    bool m_verseMode = false;
    bool m_continental = false; // the reference's first verse followed a comma
};

} // namespace

Readings parseReadings(QStringView text, const BookTable &books)
{
    Readings readings;
    Carry carry;
    for (const QStringView rawPiece : text.tokenize(u';')) {
        const QStringView piece = rawPiece.trimmed();
        if (piece.isEmpty())
            continue;
        PieceReader reader(piece, books, carry);
        reader.read(readings.references, readings.unreadable, carry);
    }
    return readings;
}

bool overlaps(const Reference &a, const Reference &b)
{
    if (a.book != b.book)
        return false;
    for (const VerseSpan &x : a.spans) {
        for (const VerseSpan &y : b.spans) {
            if (x.first <= y.last && y.first <= x.last)
                return true;
        }
    }
    return false;
}

QString unreadableMessage(const QStringList &unreadable)
{
    if (unreadable.isEmpty())
        return QString();
    QStringList quoted;
    for (const QString &piece : unreadable)
        quoted.append(u'"' + piece + u'"');
    const int count = int(unreadable.size());
    //: Under Suggest Hymns' readings: %1 is the pieces not read, each in quotes, separated by commas.
    return QCoreApplication::translate("Plan", "Could not read the reference(s) %1.", nullptr, count)
        .arg(quoted.join(u", "_s));
}

} // namespace Plan
