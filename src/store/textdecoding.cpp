// Decoding is done with a table of our own for Windows-1252, so it does not depend on how Qt was built.
#include "textdecoding.h"

#include <QStringDecoder>

namespace TextDecoding {

namespace {
// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves undefined map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

bool startsWith(const QByteArray &bytes, const char *mark, int length)
{
    return bytes.size() >= length && bytes.first(length) == QByteArray::fromRawData(mark, length);
}
} // namespace

QString decode(const QByteArray &bytes)
{
    // Stateless: a file cut in the middle of a character ends in a replacement mark instead of losing it unseen.
    if (startsWith(bytes, "\xFF\xFE", 2))
        return QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless).decode(bytes.sliced(2));
    if (startsWith(bytes, "\xFE\xFF", 2))
        return QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless).decode(bytes.sliced(2));
    if (bytes.isValidUtf8()) {
        const QByteArray body = startsWith(bytes, "\xEF\xBB\xBF", 3) ? bytes.sliced(3) : bytes;
        return QString::fromUtf8(body);
    }
    return decodeCp1252(bytes);
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

} // namespace TextDecoding
