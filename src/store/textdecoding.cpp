// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding is done with a table of our own for Windows-1252, so it does not depend on how Qt was built.
#include "store/textdecoding.h"

#include <algorithm>
#include <iterator>

namespace TextDecoding {

namespace {
// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves undefined map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendCp1252(QByteArrayView bytes, QString &out)
{
    const qsizetype old = out.size();
    out.resize(old + bytes.size());
    QChar *to = out.data() + old;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        to[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b));
    }
}

bool startsWith(QByteArrayView bytes, const char *mark, int length)
{
    return bytes.size() >= length && bytes.first(length) == QByteArrayView(mark, length);
}

// The length of the UTF-8 sequence a byte begins, as far as the byte alone tells; 1 for anything that cannot
// begin a longer one.
int sequenceLength(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0xF0 && b <= 0xF7 ? 4 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xC0 && b <= 0xDF ? 2 : 1;
}

// Where the UTF-8 sequence that bytes end in the middle of begins; bytes.size() when they end between sequences.
qsizetype unfinishedTail(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype back = 1; back <= qMin<qsizetype>(4, n); ++back) {
        const auto b = static_cast<unsigned char>(bytes[n - back]);
        if ((b & 0xC0) == 0x80)
            continue;
        return sequenceLength(char(b)) > back ? n - back : n;
    }
    return n;
}

Encoding fromHead(QByteArrayView head, bool validUtf8)
{
    if (startsWith(head, "\xFF\xFE", 2))
        return {Encoding::Utf16LE, 2};
    if (startsWith(head, "\xFE\xFF", 2))
        return {Encoding::Utf16BE, 2};
    if (validUtf8)
        return {Encoding::Utf8, startsWith(head, "\xEF\xBB\xBF", 3) ? 3 : 0};
    return {Encoding::Windows1252, 0};
}

// A UTF-8 or UTF-16 decoder that, like QString::fromUtf8 and a stateless decoder, drops a mark that begins the
// text after the one already skipped.
QStringDecoder decoderFor(Encoding encoding)
{
    switch (encoding.kind) {
    case Encoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE);
    case Encoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE);
    case Encoding::Utf8:
    case Encoding::Windows1252:
        break;
    }
    return QStringDecoder(QStringDecoder::Utf8);
}
} // namespace

QString decode(const QByteArray &bytes)
{
    // Stateless: a file cut in the middle of a character ends in a replacement mark instead of losing it unseen.
    const Encoding encoding = encodingOf(bytes);
    const QByteArray body = bytes.sliced(encoding.markBytes);
    switch (encoding.kind) {
    case Encoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless).decode(body);
    case Encoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless).decode(body);
    case Encoding::Utf8:
        return QString::fromUtf8(body);
    case Encoding::Windows1252:
        break;
    }
    QString text;
    appendCp1252(bytes, text);
    return text;
}

Encoding encodingOf(const QByteArray &bytes)
{
    // The marks are looked at first, so that UTF-16 text is not judged as UTF-8.
    if (startsWith(bytes, "\xFF\xFE", 2) || startsWith(bytes, "\xFE\xFF", 2))
        return fromHead(bytes, false);
    return fromHead(bytes, bytes.isValidUtf8());
}

std::optional<QByteArray> encode(QStringView text, Encoding encoding, qsizetype *unwritable)
{
    QByteArray bytes;
    bytes.reserve(text.size() * (encoding.kind == Encoding::Windows1252 ? 1 : 2));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool pairs = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        bool written = !QChar::isSurrogate(c) || pairs;
        if (written && encoding.kind == Encoding::Windows1252) {
            // The table's five undefined bytes decode to themselves, so those characters go back to them.
            const bool latin1 = c < 0x80 || (c >= 0xA0 && c <= 0xFF);
            const char16_t *high = latin1 ? nullptr : std::find(std::begin(kCp1252High), std::end(kCp1252High), c);
            written = latin1 || high != std::end(kCp1252High);
            if (written)
                bytes += char(latin1 ? c : 0x80 + (high - std::begin(kCp1252High)));
        }
        if (!written) {
            if (unwritable)
                *unwritable = i;
            return std::nullopt;
        }
        if (pairs)
            ++i;
    }
    switch (encoding.kind) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        for (QChar c : text) {
            const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
            bytes += encoding.kind == Encoding::Utf16LE ? low : high;
            bytes += encoding.kind == Encoding::Utf16LE ? high : low;
        }
        break;
    case Encoding::Windows1252:
        break;
    }
    return bytes;
}

QList<QStringView> splitLineViews(QStringView text)
{
    QList<QStringView> lines;
    lines.reserve(text.count(u'\n') + 1);
    const QChar *data = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\n' && c != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start));
    return lines;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    for (QStringView line : splitLineViews(text))
        lines.append(line.toString());
    return lines;
}

void EncodingProbe::feed(QByteArrayView piece)
{
    if (m_head.size() < 3)
        m_head.append(piece.first(qMin<qsizetype>(3 - m_head.size(), piece.size())));
    if (!m_validUtf8)
        return;
    // Validity is judged a whole sequence at a time: one that the last piece began is finished from this one.
    if (!m_carry.isEmpty()) {
        const qsizetype take = qMin<qsizetype>(sequenceLength(m_carry[0]) - m_carry.size(), piece.size());
        m_carry.append(piece.first(take));
        piece = piece.sliced(take);
        if (m_carry.size() < sequenceLength(m_carry[0]))
            return;
        m_validUtf8 = QByteArrayView(m_carry).isValidUtf8();
        m_carry.clear();
        if (!m_validUtf8)
            return;
    }
    const qsizetype cut = unfinishedTail(piece);
    m_validUtf8 = piece.first(cut).isValidUtf8();
    m_carry = piece.sliced(cut).toByteArray();
}

Encoding EncodingProbe::encoding() const
{
    // A sequence still unfinished at the end is a cut character: not valid UTF-8.
    return fromHead(m_head, m_validUtf8 && m_carry.isEmpty());
}

LineReader::LineReader(Encoding encoding, Source source)
    : m_encoding(encoding), m_source(std::move(source)), m_decoder(decoderFor(encoding)), m_markLeft(encoding.markBytes)
{}

void LineReader::decodeInto(QByteArrayView piece)
{
    if (m_encoding.kind == Encoding::Windows1252) {
        appendCp1252(piece, m_text);
        return;
    }
    const qsizetype old = m_text.size();
    m_text.resize(old + m_decoder.requiredSpace(piece.size()));
    const QChar *end = m_decoder.appendToBuffer(m_text.data() + old, piece);
    m_text.resize(end - m_text.constData());
}

bool LineReader::refill()
{
    if (m_ended)
        return false;
    // Only the line that runs past the decoded text is kept.
    m_text.remove(0, m_pos);
    m_scan -= m_pos;
    m_pos = 0;
    const bool utf16 = m_encoding.kind == Encoding::Utf16LE || m_encoding.kind == Encoding::Utf16BE;
    for (;;) {
        QByteArrayView piece = m_source();
        if (piece.isEmpty()) {
            m_ended = true;
            if (!m_headDone)
                decodeInto(m_head);
            // As a stateless decoder does, a lone byte left at the end of UTF-16 shows as a replacement mark.
            if (utf16 && m_oddUtf16)
                m_text.append(QChar::ReplacementCharacter);
            return true;
        }
        const qsizetype drop = qMin<qsizetype>(m_markLeft, piece.size());
        piece = piece.sliced(drop);
        m_markLeft -= drop;
        if (utf16)
            m_oddUtf16 ^= (piece.size() % 2) != 0;
        if (!m_headDone) {
            // The decoder sees a second mark whole, however thinly the first bytes come, so it drops it as
            // decoding the text at once would.
            m_head.append(piece);
            if (m_head.size() < 3)
                continue;
            m_headDone = true;
            decodeInto(m_head);
            m_head = QByteArray();
            return true;
        }
        if (piece.isEmpty())
            continue;
        decodeInto(piece);
        return true;
    }
}

bool LineReader::next(QStringView &line)
{
    for (;;) {
        const QChar *data = m_text.constData();
        const qsizetype n = m_text.size();
        if (m_skipLf && m_pos < n) {
            if (data[m_pos] == u'\n')
                m_scan = ++m_pos;
            m_skipLf = false;
        }
        for (qsizetype i = m_scan; i < n; ++i) {
            const char16_t c = data[i].unicode();
            if (c > u'\r' || (c != u'\n' && c != u'\r'))
                continue;
            line = QStringView(data + m_pos, i - m_pos);
            if (c == u'\r') {
                if (i + 1 == n)
                    m_skipLf = true;
                else if (data[i + 1] == u'\n')
                    ++i;
            }
            m_pos = m_scan = i + 1;
            return true;
        }
        m_scan = n;
        if (!refill()) {
            if (m_pos >= m_text.size())
                return false;
            line = QStringView(m_text).sliced(m_pos);
            m_pos = m_scan = m_text.size();
            return true;
        }
    }
}

} // namespace TextDecoding
