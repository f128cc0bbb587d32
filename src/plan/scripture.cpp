// SPDX-License-Identifier: GPL-3.0-or-later
// A small hand-written reader for references: one piece between semicolons at a time, a book name, then
// numbers, colons, dashes and separators, with the chapter carried from one item to the next.
#include "plan/scripture.h"

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
                while (m_pos < m_s.size() && m_s[m_pos] != u',')
                    ++m_pos;
                if (!lost && !m_texts.empty()) {
                    TextBounds &text = m_texts.back();
                    if (!text.cuts.empty() && text.cuts.back().first == text.end)
                        text.cuts.back().second = m_pos;
                    else
                        text.cuts.push_back({text.end, m_pos});
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
        std::vector<std::pair<qsizetype, qsizetype>> cuts;

        QString text(QStringView s) const
        {
            QString written = prefix;
            qsizetype from = start;
            for (const auto &[cutFrom, cutTo] : cuts) {
                if (cutFrom >= end)
                    break;
                written += s.sliced(from, cutFrom - from);
                from = cutTo;
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
        int chapter = 0;
        bool verseMode = false;
    };

    Saved save(const std::vector<Reference> &refs) const
    {
        Saved saved{refs.size(), refs.empty() ? 0 : refs.back().spans.size(), std::nullopt, m_chapter, m_verseMode};
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
        m_chapter = saved.chapter;
        m_verseMode = saved.verseMode;
    }

    // The items up to the next comma, or the end of the piece: book names and numbers.
    bool readPart(std::vector<Reference> &refs)
    {
        while (true) {
            if (bookStartsHere()) {
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
            // Blanks and brackets go on within the part; a comma ends it.
            while (m_pos < m_s.size() && isGap(m_s[m_pos]) && m_s[m_pos] != u',')
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
        // A closing bracket belongs to the reference it closes: "Luke 2:1-14 (15-20)".
        if (!refs.empty() && (m_s[m_pos] == u')' || m_s[m_pos] == u']'))
            m_texts.back().end = m_pos + 1;
        ++m_pos;
    }

    void skipGaps(const std::vector<Reference> &refs)
    {
        while (m_pos < m_s.size() && isGap(m_s[m_pos]))
            skipGap(refs);
    }

    // A letter, or one digit before a name ("1 John", "2Cor"): numbered books have at most three parts.
    bool bookStartsHere() const
    {
        if (m_s[m_pos].isLetter())
            return true;
        if (!isDigit(m_s[m_pos]))
            return false;
        qsizetype at = m_pos + 1;
        if (at < m_s.size() && isDigit(m_s[at]))
            return false;
        while (at < m_s.size() && m_s[at] == u' ')
            ++at;
        return at < m_s.size() && m_s[at].isLetter();
    }

    bool startBook(std::vector<Reference> &refs)
    {
        const qsizetype start = m_pos;
        if (isDigit(m_s[m_pos]))
            ++m_pos;
        while (m_pos < m_s.size() && isNameChar(m_s[m_pos]))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && m_s[end - 1] == u' ')
            --end;
        const QStringView name = m_s.sliced(start, end - start);
        const int book = m_books.bookOf(name);
        if (book == 0)
            return false;
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
        m_texts.push_back({m_carry.name + u' ', m_pos, m_pos, m_carry.name, {}});
        resetChapter(m_carry.book);
        return true;
    }

    void resetChapter(int book)
    {
        const bool single = m_books.isSingleChapter(book);
        m_chapter = single ? 1 : 0;
        m_verseMode = single;
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

    // A colon, or a full stop between chapter and verse ("2.8"), after optional blanks.
    bool takeColon()
    {
        const qsizetype before = m_pos;
        skipSpaces();
        if (m_pos < m_s.size() &&
            (m_s[m_pos] == u':' || (m_s[m_pos] == u'.' && m_pos + 1 < m_s.size() && isDigit(m_s[m_pos + 1])))) {
            ++m_pos;
            skipSpaces();
            return true;
        }
        m_pos = before;
        return false;
    }

    // The letter of a part verse: "8b".
    void skipVersePart()
    {
        if (m_pos < m_s.size() && m_s[m_pos] >= u'a' && m_s[m_pos] <= u'd' &&
            (m_pos + 1 >= m_s.size() || !m_s[m_pos + 1].isLetter()))
            ++m_pos;
    }

    // One place: "2", "2:8" or, after a verse, "8"; inChapter is the chapter a bare verse belongs to.
    bool readPlace(Place &place, bool bareIsVerse, int inChapter)
    {
        const int first = readNumber(MaxChapter);
        if (first < 0)
            return false;
        if (takeColon()) {
            place = {first, readNumber(MaxVerse)};
            if (place.verse < 0)
                return false;
        } else {
            place = bareIsVerse ? Place{inChapter, first} : Place{first, WholeChapter};
        }
        if (place.verse != WholeChapter)
            skipVersePart();
        return true;
    }

    bool readItem(Reference &ref)
    {
        Place from, to;
        if (!readPlace(from, m_verseMode, m_chapter))
            return false;
        to = from;
        const qsizetype beforeDash = m_pos;
        skipSpaces();
        if (m_pos < m_s.size() && isDash(m_s[m_pos])) {
            ++m_pos;
            skipSpaces();
            // After a verse a bare number is a verse of the same chapter: "2:8-14".
            if (!readPlace(to, from.verse != WholeChapter, from.chapter))
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
    int m_chapter = 0;
    bool m_verseMode = false;
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
    return (unreadable.size() == 1 ? u"Could not read the reference %1."_s : u"Could not read the references %1."_s)
        .arg(quoted.join(u", "_s));
}

} // namespace Plan
