// SPDX-License-Identifier: GPL-3.0-or-later
// The loader: groups lines into entries at blank lines, splits or tags each following line, continues long
// entries into continuation entries, and gives dates without a year the year of the next dated service. The file
// is read twice a piece at a time, once to choose its encoding and once to store it, and the second reading stops
// when the store is full, so what the load keeps in memory follows the store, not the file.
#include "store/hymnfileloader.h"

#include "platform/nativefile.h"
#include "store/plaintext.h"
#include "store/textdecoding.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QStringList>

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace HymnFileLoader {

namespace {

// U+00C2 is what the lead byte of a UTF-8 sequence looks like when UTF-8 text was read as Windows-1252;
// files copied that way carry it before every non-ASCII character.
constexpr QChar kLeadByte(0x00C2);

void dropLeadBytes(QString &line)
{
    const qsizetype first = line.indexOf(kLeadByte);
    if (first < 0)
        return;
    line.remove(first, 1);
    // The character that followed the removed one is passed over on purpose.
    const qsizetype second = line.indexOf(kLeadByte, first + 1);
    if (second >= 0)
        line.remove(second, 1);
}

// A dash pair anywhere; searched as single characters, which is several times quicker than a string search.
bool isSeparator(QStringView line)
{
    for (qsizetype at = line.indexOf(u'-'); at >= 0 && at + 1 < line.size(); at = line.indexOf(u'-', at + 1)) {
        if (line[at + 1] == u'-')
            return true;
    }
    return false;
}

void replaceFirst(QString &line, QChar mark, const QString &with)
{
    const qsizetype at = line.indexOf(mark);
    if (at >= 0)
        line.replace(at, 1, with);
}

// Pieces of this size are decoded and split at a time.
constexpr qsizetype kPieceBytes = 256 * 1024;

// The number a verse file's lines are tagged with: the head line's first word, or nothing when the head
// line holds no space.
QString firstWord(const QString &head)
{
    const qsizetype space = head.indexOf(u' ');
    return space > 0 ? PlainText::trim(QStringView(head).first(space)) : QString();
}

void storeUsageLine(QStringView line, QString &tag, QString &text)
{
    const qsizetype space = line.indexOf(u' ');
    tag.clear();
    if (space > 0)
        tag = line.first(space).toString();
    else if (space == 0)
        tag = u" "_s;
    text = PlainText::trim(space >= 0 ? line.sliced(space + 1) : line);
}

// A head line without a comma (a date without its year) takes the text after the comma of the nearest later
// head line that has one.
void applyCommaSuffix(EntryStore &store)
{
    QString carried;
    for (int e = store.entryCount(); e >= 1; --e) {
        const QString &head = store.head(e);
        const qsizetype comma = head.indexOf(u',');
        if (comma >= 0)
            carried = head.sliced(comma + 1);
        else if (!carried.isEmpty())
            store.setHead(e, head + u',' + carried);
    }
}

// What the store pass saw that decides how its lines are finally stored.
struct StoredLines {
    bool separatorRead = false; // a following line held "--": a verse file
    bool referenceRead = false; // a following line began with "^"
};

// Groups the lines into entries and continuation entries, keeping each stored line as read (lead bytes dropped)
// with "." in its tag when a separator came before it in its hymn. Whether the file is a verse file is known
// only once a separator is read, and only the lines read before the store is full decide it, so the lines are
// given their final form afterwards by finishLines. Stops reading once the store is full.
StoredLines storeLines(TextDecoding::LineReader &lines, EntryStore &store, LoadOutcome &outcome)
{
    StoredLines seen;
    qsizetype lineNumber = 0;
    QStringView line;
    // A write cut short can leave zeros where its bytes were to go.
    const auto countNuls = [&](QStringView text) {
        if (text.contains(QChar(0)))
            outcome.nulCharacters += text.count(QChar(0));
    };
    while (lines.next(line)) {
        ++lineNumber;
        countNuls(line);
        if (PlainText::isBlank(line))
            continue;
        store.addEntry(PlainText::trimRight(line));
        int counter = 0;
        bool afterSeparator = false;

        while (lines.next(line)) {
            ++lineNumber;
            countNuls(line);
            if (PlainText::isBlank(line))
                break;
            // Most lines are stored as they stand; a copy is made only for a line that the marks change.
            QString changed;
            if (line.contains(kLeadByte)) {
                changed = line.toString();
                dropLeadBytes(changed);
                line = changed;
            }
            if (isSeparator(line)) {
                seen.separatorRead = true;
                afterSeparator = true;
                continue;
            }
            // The meter, key and time marks that a verse file rewrites never stand first on a reference line.
            if (line.startsWith(u'^'))
                seen.referenceRead = true;
            if (PlainText::isBlank(line))
                continue;

            if (counter == EntryStore::MaxSlots) {
                if (store.entryCount() >= EntryStore::MaxEntries) {
                    const int most = EntryStore::MaxEntries;
                    //: %n is the most entries (hymns, services and their continuations) the program keeps, %1 a
                    //: line number of the file.
                    outcome.errorText = QCoreApplication::translate("Store",
                                                                    "The file holds more than the %n entries the "
                                                                    "program can keep (line %1 would need one more); "
                                                                    "the entries before it were loaded.",
                                                                    nullptr, most)
                                            .arg(lineNumber);
                    return seen;
                }
                store.addContinuation();
                counter = 0;
            }
            const int slot = ++counter;
            store.setLine(store.entryCount(), slot, afterSeparator ? u"."_s : QString(), line.toString());
            afterSeparator = false;
        }
        if (store.entryCount() >= EntryStore::MaxEntries) {
            outcome.limitReached = true;
            break;
        }
    }
    return seen;
}

// Gives the stored lines their final tag and text: a verse file's lines are tagged with their hymn's number
// (and "." for a line that follows a separator) and have their meter, key and time marks spelt out; a usage
// file's lines are split at their first blank into tag and text.
void finishLines(EntryStore &store, bool verse)
{
    for (int e = 1; e <= store.entryCount(); ++e) {
        const QString number = verse ? firstWord(store.head(e)) : QString();
        for (int s = 1; s <= EntryStore::MaxSlots; ++s) {
            // Stored lines are never empty, so the first empty slot ends the entry.
            if (store.text(e, s).isEmpty())
                break;
            QString tag = store.tag(e, s);
            QString line = store.text(e, s);
            QString text;
            // The store's copies are dropped first, so that the line is changed in place rather than copied.
            store.setLine(e, s, QString(), QString());
            if (!verse) {
                storeUsageLine(line, tag, text);
            } else {
                replaceFirst(line, u'%', u"Meter: "_s);
                replaceFirst(line, u'$', u"Key: "_s);
                replaceFirst(line, u'~', u"Time: "_s);
                tag.prepend(number);
                text = PlainText::trim(line);
            }
            store.setLine(e, s, std::move(tag), std::move(text));
        }
    }
}

void parse(TextDecoding::LineReader &lines, EntryStore &store, LoadOutcome &outcome)
{
    store.clear();
    const StoredLines seen = storeLines(lines, store, outcome);
    store.setVerseFile(seen.separatorRead);
    outcome.hasReferences = seen.separatorRead && seen.referenceRead;
    finishLines(store, seen.separatorRead);
    if (!store.isVerseFile())
        applyCommaSuffix(store);
}

LoadOutcome refuse(EntryStore &store, const QString &reason)
{
    store.clear();
    LoadOutcome outcome;
    outcome.errorText = reason;
    return outcome;
}

LoadOutcome opened()
{
    LoadOutcome outcome;
    outcome.opened = true;
    return outcome;
}

void reportEmpty(const EntryStore &store, const QString &name, LoadOutcome &outcome)
{
    if (store.entryCount() == 0 && !outcome.failed())
        outcome.errorText =
            QCoreApplication::translate("Store", "\"%1\" is empty: it holds no hymns or services.").arg(name);
}

QString grewPastCap(const QString &name)
{
    return QCoreApplication::translate(
               "Store", "\"%1\" grew past 64 MiB while it was read; it is not a hymn file, so nothing was loaded.")
        .arg(name);
}

// Why a file opened (or not) for loading is not read; empty when it is read.
QString refusalText(const QString &name, const NativeFile::Opened &opened)
{
    switch (opened.refusal) {
    case NativeFile::Refusal::None:
        break;
    case NativeFile::Refusal::NotFound:
        return QCoreApplication::translate("Store", "The file \"%1\" was not found; it may have been moved or deleted.")
            .arg(name);
    case NativeFile::Refusal::Folder:
        return QCoreApplication::translate("Store", "\"%1\" is a folder, not a hymn file.").arg(name);
    case NativeFile::Refusal::NotRegular:
        return QCoreApplication::translate("Store",
                                           "\"%1\" is not an ordinary file (a pipe or a device), so it was not read.")
            .arg(name);
    case NativeFile::Refusal::CannotOpen:
        //: %2 is the system's own reason.
        return QCoreApplication::translate("Store", "\"%1\" could not be opened (%2).").arg(name, opened.systemText);
    }
    if (opened.size > MaxFileBytes) {
        // Rounded up, so that a file just over the cap does not read as being of the cap's size.
        const qint64 mebibytes = (opened.size + 1024 * 1024 - 1) / (1024 * 1024);
        //: MiB: mebibytes (1024 × 1024 bytes).
        return QCoreApplication::translate(
                   "Store", "\"%1\" is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read.")
            .arg(name, QString::number(mebibytes));
    }
    return QString();
}

QString readFailure(const QString &name, qint64 bytes, const QString &reason)
{
    // Never more than the 64 MiB a file may hold.
    const int count = int(bytes);
    //: %2 is the system's own reason.
    return QCoreApplication::translate(
               "Store", "Reading \"%1\" failed after %n byte(s) (%2); the entries read before the failure were kept.",
               nullptr, count)
        .arg(name, reason);
}

// A device that can be read again from where it started: read once to choose the encoding (and to see that it
// stays under the cap), then again to store, each time a piece at a time.
LoadOutcome loadSeekable(QIODevice &device, const QString &name, EntryStore &store, FileFacts *facts)
{
    const qint64 start = device.pos();
    QByteArray buffer(kPieceBytes, Qt::Uninitialized);
    TextDecoding::EncodingProbe probe;
    std::optional<QCryptographicHash> digest;
    if (facts != nullptr)
        digest.emplace(QCryptographicHash::Sha256);
    qint64 total = 0;
    QString readError;
    for (;;) {
        const qint64 got = device.read(buffer.data(), buffer.size());
        if (got < 0) {
            readError = device.errorString();
            break;
        }
        if (got == 0)
            break;
        if (total + got > MaxFileBytes) {
            return refuse(store, grewPastCap(name));
        }
        probe.feed(QByteArrayView(buffer.constData(), got));
        if (digest)
            digest->addData(QByteArrayView(buffer.constData(), got));
        total += got;
    }
    if (facts != nullptr) {
        facts->size = total;
        facts->digest = digest->result();
    }
    const bool rewound = device.seek(start);
    if (!rewound && readError.isEmpty())
        readError = device.errorString();

    // The second reading takes no more than the first one found, so a file that grows meanwhile stays capped.
    qint64 left = rewound ? total : 0;
    TextDecoding::LineReader lines(probe.encoding(), [&]() -> QByteArrayView {
        const qint64 got = left > 0 ? device.read(buffer.data(), qMin<qint64>(left, buffer.size())) : 0;
        if (got <= 0) {
            if (got < 0 && readError.isEmpty())
                readError = device.errorString();
            return {};
        }
        left -= got;
        return QByteArrayView(buffer.constData(), got);
    });
    LoadOutcome outcome = opened();
    parse(lines, store, outcome);
    reportEmpty(store, name, outcome);
    if (!readError.isEmpty())
        outcome.errorText = readFailure(name, total, readError);
    return outcome;
}

} // namespace

QString limitMessage(int entryCount)
{
    //: The message when a file holds more entries than the program keeps: the first %n were loaded.
    return QCoreApplication::translate("Store", "%n item(s) loaded - this is the program's maximum", nullptr,
                                       entryCount);
}

LoadOutcome loadBytes(const QByteArray &bytes, const QString &name, EntryStore &store)
{
    qsizetype at = 0;
    TextDecoding::LineReader lines(TextDecoding::encodingOf(bytes), [&]() -> QByteArrayView {
        const QByteArrayView piece = QByteArrayView(bytes).sliced(at, qMin(kPieceBytes, bytes.size() - at));
        at += piece.size();
        return piece;
    });
    LoadOutcome outcome = opened();
    parse(lines, store, outcome);
    reportEmpty(store, name, outcome);
    return outcome;
}

LoadOutcome loadDevice(QIODevice &device, const QString &name, EntryStore &store, FileFacts *facts)
{
    if (!device.isSequential())
        return loadSeekable(device, name, store, facts);
    // What a pipe-like device hands out cannot be read twice, so it is kept until it ends.
    QByteArray bytes;
    QString readError;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0) {
            readError = device.errorString();
            break;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > MaxFileBytes) {
            return refuse(store, grewPastCap(name));
        }
        bytes.append(chunk, got);
    }
    if (facts != nullptr) {
        facts->size = bytes.size();
        facts->digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    }
    LoadOutcome outcome = loadBytes(bytes, name, store);
    if (!readError.isEmpty())
        outcome.errorText = readFailure(name, bytes.size(), readError);
    return outcome;
}

LoadOutcome loadFile(const NativePath &path, EntryStore &store, FileFacts *facts)
{
    store.clear();
    if (facts != nullptr)
        *facts = {};
    const QString name = path.baseName().display();
    QFile file;
    const NativeFile::Opened opened = NativeFile::openRegular(path, file);
    if (const QString refusal = refusalText(name, opened); !refusal.isEmpty())
        return refuse(store, refusal);
    if (facts != nullptr)
        facts->modifiedMs = opened.modifiedMs;
    return loadDevice(file, name, store, facts);
}

DiskFile readWhole(const NativePath &path)
{
    DiskFile read;
    const QString name = path.baseName().display();
    QFile file;
    const NativeFile::Opened opened = NativeFile::openRegular(path, file);
    read.missing = opened.refusal == NativeFile::Refusal::NotFound;
    read.errorText = refusalText(name, opened);
    if (!read.errorText.isEmpty())
        return read;
    // One byte past the cap tells a file that grew past it from one that ends there.
    read.bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        //: %2 is the system's own reason.
        read.errorText =
            QCoreApplication::translate("Store", "Reading \"%1\" failed (%2).").arg(name, file.errorString());
    } else if (read.bytes.size() > MaxFileBytes) {
        read.errorText = grewPastCap(name);
    } else {
        read.facts = {read.bytes.size(), opened.modifiedMs,
                      QCryptographicHash::hash(read.bytes, QCryptographicHash::Sha256)};
        read.identity = opened.identity;
        return read;
    }
    read.bytes.clear();
    return read;
}

} // namespace HymnFileLoader
