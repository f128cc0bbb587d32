// SPDX-License-Identifier: GPL-3.0-or-later
// The line ends and the blank lines at either end are read from the bytes one code unit at a time (a line end
// and a space are single units in every encoding the loader knows); the head lines through the loader's own
// line reader, so that the file is read the way the program reads it.
#include "logbook/fileform.h"

#include "search/datelimits.h"
#include "store/plaintext.h"

#include <QByteArrayView>
#include <QStringView>

#include <optional>

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

// The text of the file as 16-bit code units, without decoding it: bytes for the 8-bit encodings, pairs of bytes
// for UTF-16. A UTF-8 sequence never holds a byte below 0x80, so the units that matter here read true.
class CodeUnits {
public:
    CodeUnits(QByteArrayView bytes, TextDecoding::Encoding encoding)
        : m_bytes(bytes),
          m_width(encoding.kind == TextDecoding::Encoding::Utf16LE || encoding.kind == TextDecoding::Encoding::Utf16BE
                      ? 2
                      : 1),
          m_bigEndian(encoding.kind == TextDecoding::Encoding::Utf16BE)
    {}

    qsizetype size() const { return m_bytes.size() / m_width; }
    char16_t at(qsizetype i) const
    {
        if (m_width == 1)
            return static_cast<unsigned char>(m_bytes[i]);
        const auto first = static_cast<unsigned char>(m_bytes[2 * i]);
        const auto second = static_cast<unsigned char>(m_bytes[2 * i + 1]);
        return m_bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    bool isLineEnd(qsizetype i) const { return at(i) == u'\n' || at(i) == u'\r'; }

    // Whether the line that holds unit i (not a line end) is blank; end is one past the last unit of the line.
    bool blankBetween(qsizetype start, qsizetype end) const
    {
        for (qsizetype i = start; i < end; ++i) {
            if (at(i) != u' ')
                return false;
        }
        return true;
    }

private:
    QByteArrayView m_bytes;
    int m_width;
    bool m_bigEndian;
};

void readEnds(const CodeUnits &units, bool oddByte, LineEnd fallback, FileForm &form)
{
    const qsizetype n = units.size();
    form.lineEnd = fallback;
    qsizetype firstEnd = n;
    for (qsizetype i = 0; i < n; ++i) {
        if (!units.isLineEnd(i))
            continue;
        firstEnd = i;
        if (units.at(i) == u'\n')
            form.lineEnd = LineEnd::Lf;
        else
            form.lineEnd = i + 1 < n && units.at(i + 1) == u'\n' ? LineEnd::CrLf : LineEnd::Cr;
        break;
    }
    // A lone byte at the end of UTF-16 reads as a replacement character: a last line that is not blank.
    form.lastLineUnended = oddByte || (n > 0 && !units.isLineEnd(n - 1));
    form.endsInCr = !oddByte && n > 0 && units.at(n - 1) == u'\r';
    form.firstLineBlank = units.blankBetween(0, firstEnd) && !(oddByte && firstEnd == n);

    qsizetype lastEnd = n;
    if (!form.lastLineUnended && n > 0) {
        lastEnd = n - 1;
        if (units.at(lastEnd) == u'\n' && lastEnd > 0 && units.at(lastEnd - 1) == u'\r')
            --lastEnd;
    }
    qsizetype lastStart = lastEnd;
    while (lastStart > 0 && !units.isLineEnd(lastStart - 1))
        --lastStart;
    form.lastLineBlank = !oddByte && units.blankBetween(lastStart, lastEnd);
}

// Where each service starts and ends, grouped as the loader groups lines: a service begins at the first line that
// is not blank after blank ones, and ends past the line end of its last line that is not blank. Offsets are in
// bytes from the start of the file.
void placeServices(const CodeUnits &units, qsizetype textStart, int width, FileForm &form)
{
    const qsizetype n = units.size();
    const auto at = [&](qsizetype unit) { return textStart + unit * width; };
    bool inService = false;
    qsizetype blankStart = -1; // the blank line just read, while the lines go on blank
    for (qsizetype start = 0; start < n;) {
        qsizetype end = start;
        while (end < n && !units.isLineEnd(end))
            ++end;
        qsizetype next = end;
        if (next < n)
            next += units.at(next) == u'\r' && next + 1 < n && units.at(next + 1) == u'\n' ? 2 : 1;
        if (units.blankBetween(start, end)) {
            // The first blank line below a service parts it from the next.
            if (inService)
                form.blankBelowEnd.back() = at(next);
            inService = false;
            blankStart = start;
        } else {
            if (!inService) {
                form.serviceStarts.push_back(at(start));
                form.bodyStarts.push_back(at(next));
                form.blankAbove.push_back(blankStart < 0 ? -1 : at(blankStart));
                form.blankBelowEnd.push_back(-1);
            } else {
                form.serviceEnds.pop_back();
            }
            form.serviceEnds.push_back(at(next));
            inService = true;
            blankStart = -1;
        }
        start = next;
    }
}

// Whether the loader takes a line after a head line for a verse separator: it holds "--" once the loader has
// dropped up to two U+00C2 from it (the lead byte of UTF-8 read as Windows-1252), the second not right after the
// first.
bool isSeparator(QStringView line)
{
    if (line.contains(u"--"))
        return true;
    const qsizetype first = line.indexOf(QChar(0x00C2));
    if (first < 0)
        return false;
    QString dropped = line.toString();
    dropped.remove(first, 1);
    const qsizetype second = dropped.indexOf(QChar(0x00C2), first + 1);
    if (second >= 0)
        dropped.remove(second, 1);
    return dropped.contains(u"--");
}

// Judged by neighbouring dated services: more steps back in time than forward means newest first.
ServiceOrder orderOf(const std::vector<QDate> &dates)
{
    int forward = 0, back = 0;
    QDate previous;
    for (const QDate &date : dates) {
        if (date.isNull())
            continue;
        if (previous.isValid() && date > previous)
            ++forward;
        else if (previous.isValid() && date < previous)
            ++back;
        previous = date;
    }
    return back > forward ? ServiceOrder::NewestFirst : ServiceOrder::OldestFirst;
}

} // namespace

QString lineEndText(LineEnd lineEnd)
{
    switch (lineEnd) {
    case LineEnd::CrLf:
        return u"\r\n"_s;
    case LineEnd::Cr:
        return u"\r"_s;
    case LineEnd::Lf:
        break;
    }
    return u"\n"_s;
}

FileForm readForm(const QByteArray &bytes, LineEnd fallback)
{
    FileForm form;
    form.encoding = TextDecoding::encodingOf(bytes);
    const int mark = form.encoding.markBytes;
    // The decoders drop a second mark right after the first, as they do the first.
    form.textStart =
        mark > 0 && bytes.size() >= 2 * mark && bytes.sliced(mark, mark) == bytes.first(mark) ? 2 * mark : mark;
    const QByteArrayView text = QByteArrayView(bytes).sliced(form.textStart);
    const CodeUnits units(text, form.encoding);
    const bool oddByte = units.size() * 2 != text.size() && form.encoding.kind != TextDecoding::Encoding::Utf8 &&
                         form.encoding.kind != TextDecoding::Encoding::Windows1252;
    form.halfCharacterAtEnd = oddByte;
    readEnds(units, oddByte, fallback, form);

    // Head lines are grouped as the loader groups them: the first line that is not blank after blank ones.
    std::vector<QString> heads;
    bool inEntry = false;
    // A piece at a time, as the loader reads, so that no decoded copy of the whole file is made.
    qsizetype at = 0;
    TextDecoding::LineReader lines(form.encoding, [&]() -> QByteArrayView {
        const QByteArrayView piece = QByteArrayView(bytes).sliced(at, qMin<qsizetype>(256 * 1024, bytes.size() - at));
        at += piece.size();
        return piece;
    });
    QStringView line;
    while (lines.next(line)) {
        if (PlainText::isBlank(line)) {
            inEntry = false;
            continue;
        }
        form.hasText = true;
        if (!inEntry)
            heads.push_back(PlainText::trimRight(line));
        else if (isSeparator(line))
            form.hymnTexts = true;
        inEntry = true;
    }

    if (!oddByte)
        placeServices(units, form.textStart,
                      form.encoding.kind == TextDecoding::Encoding::Utf16LE ||
                              form.encoding.kind == TextDecoding::Encoding::Utf16BE
                          ? 2
                          : 1,
                      form);
    if (form.serviceStarts.size() != heads.size()) {
        form.serviceStarts.clear();
        form.serviceEnds.clear();
        form.bodyStarts.clear();
        form.blankAbove.clear();
        form.blankBelowEnd.clear();
    }
    form.headSuffixes.reserve(heads.size());
    for (const QString &head : heads) {
        const qsizetype comma = head.indexOf(u',');
        form.headSuffixes.push_back(comma >= 0 ? std::optional(head.sliced(comma + 1)) : std::nullopt);
    }

    // The loader's comma suffix, so that each head line is dated as the program dates it.
    QString carried;
    for (auto head = heads.rbegin(); head != heads.rend(); ++head) {
        const qsizetype comma = head->indexOf(u',');
        if (comma >= 0)
            carried = head->sliced(comma + 1);
        else if (!carried.isEmpty())
            *head += u',' + carried;
    }
    form.leadingSuffix = carried;

    form.serviceDates.reserve(heads.size());
    qsizetype latest = -1;
    for (const QString &head : heads) {
        form.serviceDates.push_back(Search::headDate(head).value_or(QDate()));
        const QDate &date = form.serviceDates.back();
        if (date.isValid() && (latest < 0 || date >= form.serviceDates[size_t(latest)]))
            latest = qsizetype(form.serviceDates.size()) - 1;
    }
    form.order = orderOf(form.serviceDates);
    if (latest >= 0) {
        if (std::optional<HeadStyle> style = HeadStyle::ofHead(heads[size_t(latest)]))
            form.headStyle = *style;
        // What the latest head line leaves open is taken from the nearest head lines written the same way.
        for (qsizetype step = 1;
             !form.headStyle.isSettled() && (latest - step >= 0 || latest + step < qsizetype(heads.size())); ++step) {
            for (qsizetype at : {latest - step, latest + step}) {
                if (at < 0 || at >= qsizetype(heads.size()) || form.serviceDates[size_t(at)].isNull())
                    continue;
                if (std::optional<HeadStyle> other = HeadStyle::ofHead(heads[size_t(at)]))
                    form.headStyle.settleFrom(*other);
            }
        }
    }
    return form;
}

QDate defaultDate(const std::vector<QDate> &serviceDates, QDate today)
{
    const QDate horizon = today.addYears(1);
    QDate latest;
    for (const QDate &date : serviceDates) {
        if (date.isValid() && date <= horizon && (latest.isNull() || date > latest))
            latest = date;
    }
    // dayOfWeek() counts Monday as 1 and Sunday as 7.
    const QDate fromToday = today.addDays(7 - today.dayOfWeek());
    if (latest.isNull())
        return fromToday;
    const QDate afterLatest = latest.addDays(7 - latest.dayOfWeek() % 7);
    return afterLatest > fromToday ? afterLatest : fromToday;
}

} // namespace Logbook
