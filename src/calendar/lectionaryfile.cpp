// SPDX-License-Identifier: GPL-3.0-or-later
// The lectionary file is decoded as every text file of the program is (store/textdecoding) and read a line at a
// time, each day's name read by the calendar in any naming style.
#include "calendar/lectionaryfile.h"

#include "calendar/dayname.h"
#include "calendar/daynames.h"
#include "platform/nativefile.h"
#include "store/textdecoding.h"

#include <QCoreApplication>
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

// Why a line is not read, in the language shown, looked up once for the whole file.
struct LectionaryFile::ProblemWords {
    //: Why a line of Lectionary.txt is not read.
    QString noColon = QCoreApplication::translate("Calendar", "no colon after the day's name");
    //: Why a line of Lectionary.txt is not read: %1 is the letter after the day's name.
    QString notAYear = QCoreApplication::translate("Calendar", "the year letter “%1” is not A, B or C");
    //: Why a line of Lectionary.txt is not read: %1 is the day's name as the line writes it.
    QString notADay = QCoreApplication::translate("Calendar", "“%1” is not a day of the church year");
    //: Why a line of Lectionary.txt is not read.
    QString noReadings = QCoreApplication::translate("Calendar", "no readings after the colon");
};

QString LectionaryProblem::message() const
{
    //: A line of Lectionary.txt not read: %1 is its number, %2 why.
    return QCoreApplication::translate("Calendar", "line %1: %2").arg(QString::number(line), reason);
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
    const ProblemWords said;
    const qsizetype count = std::min<qsizetype>(lines.size(), MaxLines);
    for (qsizetype i = 0; i < count; ++i)
        lectionary.readLine(lines.at(i), int(i) + 1, shown, said);
    if (cut || lines.size() > MaxLines) {
        lectionary.m_truncated = true;
        const QString stopped =
            lines.size() > MaxLines
                //: Where reading Lectionary.txt stopped: %1 is the most lines read.
                ? QCoreApplication::translate("Calendar",
                                              "the rest of the file was not read: a lectionary is read up to %1 lines")
                      .arg(MaxLines)
                //: Where reading Lectionary.txt stopped: %1 is the most megabytes read.
                : QCoreApplication::translate("Calendar",
                                              "the rest of the file was not read: a lectionary is read up to %1 MB")
                      .arg(MaxBytes / (1024 * 1024));
        lectionary.m_problems.push_back({int(count) + 1, QString(), stopped});
    }
    return lectionary;
}

LectionaryFile LectionaryFile::read(QIODevice &device)
{
    if (!device.isReadable()) {
        LectionaryFile lectionary;
        lectionary.m_failure = QCoreApplication::translate("Calendar", "%1 is not open for reading").arg(fileName());
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
        //: %1 is the lectionary's file name.
        lectionary.m_failure = QCoreApplication::translate("Calendar", "%1 is a folder").arg(fileName());
        return lectionary;
    case NativeFile::Refusal::NotRegular:
        lectionary.m_failure = QCoreApplication::translate("Calendar", "%1 is not a regular file").arg(fileName());
        return lectionary;
    case NativeFile::Refusal::CannotOpen:
        //: %1 is the lectionary's file name, %2 the system's reason.
        lectionary.m_failure =
            QCoreApplication::translate("Calendar", "%1 cannot be opened: %2").arg(fileName(), opened.systemText);
        return lectionary;
    }
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFile::NoError) {
        //: %1 is the lectionary's file name, %2 the system's reason.
        lectionary.m_failure =
            QCoreApplication::translate("Calendar", "%1 cannot be read: %2").arg(fileName(), file.errorString());
        return lectionary;
    }
    if (facts != nullptr)
        *facts = {bytes.size(), opened.modifiedMs, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
    return read(bytes);
}

void LectionaryFile::readLine(QStringView line, int number, const DayNames &shown, const ProblemWords &said)
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
        problem(said.noColon);
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
            problem(said.notAYear.arg(head.back()));
            return;
        }
        name = name.first(space);
    }
    const std::optional<DayId> day = parseDayName(name, &shown);
    if (!day) {
        problem(said.notADay.arg(name));
        return;
    }
    if (readings.isEmpty()) {
        problem(said.noReadings);
        return;
    }
    m_table.add({*day, year, readings.toString(), number});
}

QString LectionaryFile::statusText() const
{
    if (m_problems.empty())
        return QString();
    const QString first = m_problems.front().message();
    if (m_problems.size() == 1)
        //: Suggest Hymns' note on Lectionary.txt: %1 is the file's name, %2 its first line not read.
        return QCoreApplication::translate("Calendar", "%1, %2").arg(fileName(), first);
    //: Suggest Hymns' note on Lectionary.txt: %1 is the file's name, %2 its first line not read, %3 how many more.
    return QCoreApplication::translate("Calendar", "%1, %2 (and %3 more)")
        .arg(fileName(), first, QString::number(m_problems.size() - 1));
}

} // namespace Calendar
