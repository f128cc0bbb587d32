// SPDX-License-Identifier: GPL-3.0-or-later
// The lectionary file is decoded as every text file of the program is (store/textdecoding) and read a line at a
// time, each day's name read by the calendar in any naming style.
#include "calendar/lectionaryfile.h"

#include "calendar/dayname.h"
#include "calendar/daynames.h"
#include "platform/nativefile.h"
#include "store/textdecoding.h"

#include <QCryptographicHash>
#include <QFile>
#include <QIODevice>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Calendar {

namespace {

// Bytes cut at MaxBytes, shortened to the last whole line where the encoding lets a byte say so. In UTF-8 and
// Windows-1252 a CR or LF byte is always a line end, and never part of a longer character; UTF-16 is only evened
// out, and its unfinished last line is dropped once decoded.
QByteArray cutToLines(QByteArray bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        bytes.truncate(bytes.size() & ~qsizetype(1));
        return bytes;
    }
    bytes.truncate(std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1);
    return bytes;
}

} // namespace

QString LectionaryProblem::message() const
{
    return u"line %1: %2"_s.arg(line).arg(reason);
}

QString LectionaryFile::fileName()
{
    return u"Lectionary.txt"_s;
}

LectionaryFile LectionaryFile::read(const QByteArray &bytes)
{
    LectionaryFile lectionary;
    const bool cut = bytes.size() > MaxBytes;
    const QString text = TextDecoding::decode(cut ? cutToLines(bytes.first(MaxBytes)) : bytes);
    QList<QStringView> lines = TextDecoding::splitLineViews(text);
    if (cut && !text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r'))
        lines.removeLast();

    // A lectionary printed in the language shown names its days in that language's words, read beside the English.
    const DayNames shown = DayNames::shown();
    const qsizetype count = std::min<qsizetype>(lines.size(), MaxLines);
    for (qsizetype i = 0; i < count; ++i)
        lectionary.readLine(lines.at(i), int(i) + 1, shown);
    if (cut || lines.size() > MaxLines) {
        lectionary.m_truncated = true;
        const QString limit =
            lines.size() > MaxLines ? u"%1 lines"_s.arg(MaxLines) : u"%1 MB"_s.arg(MaxBytes / (1024 * 1024));
        lectionary.m_problems.push_back(
            {int(count) + 1, QString(),
             u"the rest of the file was not read: a lectionary is read up to %1"_s.arg(limit)});
    }
    return lectionary;
}

LectionaryFile LectionaryFile::read(QIODevice &device)
{
    if (!device.isReadable()) {
        LectionaryFile lectionary;
        lectionary.m_failure = u"%1 is not open for reading"_s.arg(fileName());
        return lectionary;
    }
    // One byte past the cap tells a file at the cap from a longer one.
    return read(device.read(MaxBytes + 1));
}

LectionaryFile LectionaryFile::readFile(const NativePath &path, FileFacts *facts)
{
    if (facts != nullptr)
        *facts = {};
    QFile file;
    const NativeFile::Opened opened = NativeFile::openRegular(path, file);
    LectionaryFile lectionary;
    switch (opened.refusal) {
    case NativeFile::Refusal::None:
        break;
    case NativeFile::Refusal::NotFound:
        return lectionary;
    case NativeFile::Refusal::Folder:
        lectionary.m_failure = u"%1 is a folder"_s.arg(fileName());
        return lectionary;
    case NativeFile::Refusal::NotRegular:
        lectionary.m_failure = u"%1 is not a regular file"_s.arg(fileName());
        return lectionary;
    case NativeFile::Refusal::CannotOpen:
        lectionary.m_failure = u"%1 cannot be opened: %2"_s.arg(fileName(), opened.systemText);
        return lectionary;
    }
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFile::NoError) {
        lectionary.m_failure = u"%1 cannot be read: %2"_s.arg(fileName(), file.errorString());
        return lectionary;
    }
    if (facts != nullptr)
        *facts = {bytes.size(), opened.modifiedMs, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
    return read(bytes);
}

void LectionaryFile::readLine(QStringView line, int number, const DayNames &shown)
{
    // A '#' begins a comment wherever it stands: neither a day's name nor a scripture reference holds one.
    const qsizetype hash = line.indexOf(u'#');
    const QStringView content = (hash >= 0 ? line.first(hash) : line).trimmed();
    if (content.isEmpty())
        return;
    const auto problem = [&](const QString &reason) { m_problems.push_back({number, line.toString(), reason}); };

    // The first colon ends the name: the readings have colons of their own, a name never does.
    const qsizetype colon = content.indexOf(u':');
    if (colon < 0) {
        problem(u"no colon after the day's name"_s);
        return;
    }
    const QString head = content.first(colon).toString().simplified();
    const QStringView readings = content.sliced(colon + 1).trimmed();

    // A lone letter after a name that reads without it is the year letter.
    QStringView name = head;
    QChar year;
    const qsizetype space = head.lastIndexOf(u' ');
    if (space > 0 && space == head.size() - 2 && head.back().isLetter() && parseDayName(name.first(space), &shown)) {
        year = head.back().toUpper();
        if (year != u'A' && year != u'B' && year != u'C') {
            problem(u"the year letter “%1” is not A, B or C"_s.arg(head.back()));
            return;
        }
        name = name.first(space);
    }
    const std::optional<DayId> day = parseDayName(name, &shown);
    if (!day) {
        problem(u"“%1” is not a day of the church year"_s.arg(name));
        return;
    }
    if (readings.isEmpty()) {
        problem(u"no readings after the colon"_s);
        return;
    }
    m_table.add({*day, year, readings.toString(), number});
}

QString LectionaryFile::statusText() const
{
    if (m_problems.empty())
        return QString();
    QString text = fileName() + u", "_s + m_problems.front().message();
    if (m_problems.size() > 1)
        text += u" (and %1 more)"_s.arg(m_problems.size() - 1);
    return text;
}

} // namespace Calendar
