// SPDX-License-Identifier: GPL-3.0-or-later
// The file is taken apart into byte ranges, one per line as LectionaryFile counts them, so that a line left alone
// is copied as the bytes it was; only new text is encoded, in the encoding the file was read in.
#include "calendar/lectionarymerge.h"

#include "calendar/lectionaryfile.h"
#include "store/textdecoding.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace Calendar {

namespace {

struct ByteLine {
    qsizetype start = 0, contentEnd = 0, end = 0; // end is past the line end, contentEnd before it
};

// The lines of bytes in the encoding, split at CR LF, LF and a lone CR, as TextDecoding::splitLines splits the
// decoded text.
std::vector<ByteLine> byteLines(const QByteArray &bytes, const TextDecoding::Encoding &encoding)
{
    const bool wide =
        encoding.kind == TextDecoding::Encoding::Utf16LE || encoding.kind == TextDecoding::Encoding::Utf16BE;
    const qsizetype unit = wide ? 2 : 1;
    const auto at = [&](qsizetype i) -> char16_t {
        if (!wide)
            return uchar(bytes[i]);
        const uchar first = uchar(bytes[i]), second = uchar(bytes[i + 1]);
        return encoding.kind == TextDecoding::Encoding::Utf16LE ? char16_t(first | second << 8)
                                                                : char16_t(first << 8 | second);
    };
    std::vector<ByteLine> lines;
    qsizetype start = encoding.markBytes;
    for (qsizetype i = start; i + unit <= bytes.size(); i += unit) {
        const char16_t c = at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        qsizetype end = i + unit;
        if (c == u'\r' && end + unit <= bytes.size() && at(end) == u'\n')
            end += unit;
        lines.push_back({start, i, end});
        start = end;
        i = end - unit;
    }
    if (start < bytes.size())
        lines.push_back({start, bytes.size(), bytes.size()});
    return lines;
}

QString encodingName(const TextDecoding::Encoding &encoding)
{
    switch (encoding.kind) {
    case TextDecoding::Encoding::Utf8:
        return u"UTF-8"_s;
    case TextDecoding::Encoding::Utf16LE:
    case TextDecoding::Encoding::Utf16BE:
        return u"UTF-16"_s;
    case TextDecoding::Encoding::Windows1252:
        return u"Windows-1252"_s;
    }
    return QString();
}

QString keyOf(const DayId &day, QChar year)
{
    return u"%1/%2/%3/%4"_s.arg(int(day.kind)).arg(day.number).arg(day.weekday).arg(year);
}

} // namespace

LectionaryMerge LectionaryMerge::merge(const QByteArray &existing, bool exists,
                                       const std::vector<LectionaryLine> &lines)
{
    LectionaryMerge merged;
    const QByteArray old = exists ? existing : QByteArray();
    const TextDecoding::Encoding encoding = TextDecoding::encodingOf(old);
    const LectionaryFile read = LectionaryFile::read(old);
    const QString name = LectionaryFile::fileName();
    if (read.isTruncated()) {
        merged.m_error = QCoreApplication::translate("Calendar", "%1 is longer than a lectionary is read (%2 lines, "
                                                                 "1 MB), so nothing was imported into it.")
                             .arg(name)
                             .arg(LectionaryFile::MaxLines);
        return merged;
    }
    const bool wide =
        encoding.kind == TextDecoding::Encoding::Utf16LE || encoding.kind == TextDecoding::Encoding::Utf16BE;
    if (wide && old.size() % 2 != 0) {
        merged.m_error =
            QCoreApplication::translate("Calendar", "%1 ends in half a character, so nothing was imported into it.")
                .arg(name);
        return merged;
    }

    const std::vector<ByteLine> fileLines = byteLines(old, encoding);
    const QStringList texts = TextDecoding::splitLines(TextDecoding::decode(old));
    // What each line becomes: nothing for a line kept, an empty text for one removed.
    std::vector<std::optional<QString>> changes(fileLines.size());
    QHash<QString, std::vector<int>> linesOfDay;
    for (const LectionaryEntry &entry : read.table().entries())
        linesOfDay[keyOf(entry.day, entry.year)].push_back(entry.line);

    QStringList appended;
    for (const LectionaryLine &line : lines) {
        const auto found = linesOfDay.constFind(keyOf(line.day, line.year));
        if (found == linesOfDay.constEnd()) {
            appended.append(line.text);
            continue;
        }
        // The first line for the day and year takes the new text; any later one was never read for it anyway.
        for (size_t n = 0; n < found->size(); ++n) {
            const int number = found->at(n);
            if (number < 1 || size_t(number) > fileLines.size() || number > texts.size())
                continue;
            const QString was = texts.at(number - 1);
            const QString now = n == 0 ? line.text : QString();
            if (was == now)
                continue;
            changes[size_t(number - 1)] = now;
            merged.m_replaced.push_back({number, was, now});
        }
    }
    std::sort(merged.m_replaced.begin(), merged.m_replaced.end(),
              [](const ReplacedLine &a, const ReplacedLine &b) { return a.line < b.line; });
    merged.m_added = int(appended.size());
    if (merged.m_replaced.empty() && appended.isEmpty()) {
        merged.m_unchanged = true;
        merged.m_bytes = old;
        return merged;
    }

    const auto encoded = [&](const QString &text) -> std::optional<QByteArray> {
        qsizetype unwritable = -1;
        std::optional<QByteArray> bytes = TextDecoding::encode(text, encoding, &unwritable);
        if (!bytes) {
            const qsizetype length = unwritable + 1 < text.size() && text.at(unwritable).isHighSurrogate() ? 2 : 1;
            merged.m_error = QCoreApplication::translate("Calendar", "%1 is written in %2, which has no “%3” (in "
                                                                     "“%4”), so nothing was imported into it. Saved "
                                                                     "as UTF-8 in a text editor, it takes every "
                                                                     "character.")
                                 .arg(name, encodingName(encoding), text.mid(unwritable, length), text);
        }
        return bytes;
    };
    // The file's own line end, that of its first line; LF in a file without one.
    QByteArray lineEnd;
    if (!fileLines.empty() && fileLines.front().end > fileLines.front().contentEnd)
        lineEnd = old.sliced(fileLines.front().contentEnd, fileLines.front().end - fileLines.front().contentEnd);
    else
        lineEnd = *TextDecoding::encode(u"\n", encoding);

    QByteArray bytes = old.first(encoding.markBytes);
    bool unended = false; // the last line written has no line end, as the file's last line may not
    for (size_t n = 0; n < fileLines.size(); ++n) {
        const ByteLine &line = fileLines[n];
        if (!changes[n]) {
            bytes += old.sliced(line.start, line.end - line.start);
        } else if (changes[n]->isEmpty()) {
            continue;
        } else if (const std::optional<QByteArray> text = encoded(*changes[n])) {
            bytes += *text + old.sliced(line.contentEnd, line.end - line.contentEnd);
        } else {
            return merged;
        }
        unended = line.end == line.contentEnd;
    }
    if (unended && !appended.isEmpty())
        bytes += lineEnd;
    for (const QString &text : std::as_const(appended)) {
        const std::optional<QByteArray> line = encoded(text);
        if (!line)
            return merged;
        bytes += *line + lineEnd;
    }
    // The lines are no use past the point where the file stops being read.
    if (LectionaryFile::read(bytes).isTruncated()) {
        merged.m_error = QCoreApplication::translate("Calendar", "%1 would be longer than a lectionary is read (%2 "
                                                                 "lines, 1 MB) with these lines, so nothing was "
                                                                 "imported into it.")
                             .arg(name)
                             .arg(LectionaryFile::MaxLines);
        return merged;
    }
    merged.m_bytes = bytes;
    return merged;
}

} // namespace Calendar
