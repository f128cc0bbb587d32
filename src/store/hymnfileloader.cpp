// The loader: groups lines into entries at blank lines, splits or tags each following line, continues long
// entries into continuation entries, and gives dates without a year the year of the next dated service.
#include "hymnfileloader.h"

#include "nativefile.h"
#include "plaintext.h"
#include "textdecoding.h"

#include <QFile>
#include <QStringList>

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

// A verse file is one in which some following line (not a head line) holds "--". Deciding this before
// anything is stored lets the first hymn be stored like all the others.
bool holdsSeparator(const QList<QStringView> &lines)
{
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (PlainText::isBlank(lines[i - 1]) || (!line.contains(kLeadByte) && !isSeparator(line)))
            continue;
        QString treated = line.toString();
        dropLeadBytes(treated);
        if (isSeparator(treated))
            return true;
    }
    return false;
}

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
    for (int e = store.EntryCount; e >= 1; --e) {
        QString &head = store.EntryHead[e];
        const qsizetype comma = head.indexOf(u',');
        if (comma >= 0)
            carried = head.sliced(comma + 1);
        else if (!carried.isEmpty())
            head += u',' + carried;
    }
}

// Stores the lines as a verse file when verse is set. Returns whether a separator line was among the lines read
// before the load stopped.
bool parseLines(const QList<QStringView> &lines, bool verse, EntryStore &store, LoadOutcome &outcome)
{
    store.EntryCount = 0;
    store.OverflowCount = 0;
    store.VerseFile = verse ? 1 : 0;
    bool separatorRead = false;

    const qsizetype n = lines.size();
    qsizetype next = 0;
    while (next < n) {
        const QStringView headLine = lines[next++];
        if (PlainText::isBlank(headLine))
            continue;
        ++store.EntryCount;
        int counter = 0;
        QString suffix;
        store.EntryHead[store.EntryCount] = PlainText::trimRight(headLine);
        const QString number = firstWord(store.EntryHead[store.EntryCount]);

        while (next < n) {
            const qsizetype lineNumber = next + 1;
            QStringView line = lines[next++];
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
                separatorRead = true;
                store.VerseFile = 1;
                suffix = u"."_s;
                continue;
            }
            if (store.VerseFile == 1) {
                if (line.contains(u'%') || line.contains(u'$') || line.contains(u'~')) {
                    changed = line.toString();
                    replaceFirst(changed, u'%', u"Meter: "_s);
                    replaceFirst(changed, u'$', u"Key: "_s);
                    replaceFirst(changed, u'~', u"Time: "_s);
                    line = changed;
                }
                if (line.startsWith(u'^'))
                    outcome.hasReferences = true;
            }
            if (PlainText::isBlank(line))
                continue;

            if (counter == EntryStore::MaxSlots) {
                if (store.EntryCount >= EntryStore::MaxEntries) {
                    outcome.errorText = u"The file holds more than the %1 entries the program can keep "
                                        "(line %2 would need one more); the entries before it were loaded."_s
                                            .arg(EntryStore::MaxEntries)
                                            .arg(lineNumber);
                    return separatorRead;
                }
                ++store.OverflowCount;
                ++store.EntryCount;
                counter = 0;
                store.EntryHead[store.EntryCount] = store.EntryHead[store.EntryCount - 1];
            }
            const int slot = ++counter;
            QString &tag = store.LineTag[store.EntryCount][slot];
            QString &text = store.LineText[store.EntryCount][slot];
            if (store.VerseFile == 0) {
                storeUsageLine(line, tag, text);
            } else {
                tag = number + suffix;
                suffix.clear();
                text = PlainText::trim(line);
            }
        }
        if (store.EntryCount >= EntryStore::MaxEntries) {
            outcome.limitReached = true;
            break;
        }
    }
    return separatorRead;
}

LoadOutcome refuse(EntryStore &store, const QString &reason)
{
    store.EntryCount = 0;
    store.OverflowCount = 0;
    store.VerseFile = 0;
    LoadOutcome outcome;
    outcome.errorText = reason;
    return outcome;
}

void parseBytes(const QByteArray &bytes, EntryStore &store, LoadOutcome &outcome)
{
    const QString text = TextDecoding::decode(bytes);
    const QList<QStringView> lines = TextDecoding::splitLineViews(text);
    const bool verse = holdsSeparator(lines);
    LoadOutcome read = outcome;
    if (parseLines(lines, verse, store, read) || !verse) {
        outcome = read;
    } else {
        // The only separators lie past the point where a full store stopped the load: the part that was read is
        // a service log.
        store.clearArrays();
        parseLines(lines, false, store, outcome);
    }
    if (store.VerseFile == 0)
        applyCommaSuffix(store);
}

} // namespace

QString limitMessage(int entryCount)
{
    return QString::number(entryCount) + u" items loaded - this is the program's maximum"_s;
}

LoadOutcome loadBytes(const QByteArray &bytes, const QString &name, EntryStore &store)
{
    store.clearArrays();
    LoadOutcome outcome;
    outcome.opened = true;
    store.EntryCount = 0;
    store.OverflowCount = 0;
    store.VerseFile = 0;
    parseBytes(bytes, store, outcome);
    if (store.EntryCount == 0 && !outcome.failed())
        outcome.errorText = u"\"%1\" is empty: it holds no hymns or services."_s.arg(name);
    return outcome;
}

LoadOutcome loadDevice(QIODevice &device, const QString &name, EntryStore &store)
{
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
            store.clearArrays();
            return refuse(store, u"\"%1\" grew past 64 MiB while it was read; it is not a hymn file, so nothing "
                                 "was loaded."_s.arg(name));
        }
        bytes.append(chunk, got);
    }
    LoadOutcome outcome = loadBytes(bytes, name, store);
    if (!readError.isEmpty()) {
        outcome.errorText = u"Reading \"%1\" failed after %2 bytes (%3); the entries read before the failure "
                            "were kept."_s.arg(name)
                                .arg(bytes.size())
                                .arg(readError);
    }
    return outcome;
}

LoadOutcome loadFile(const QByteArray &nativePath, EntryStore &store)
{
    store.clearArrays();
    const QString name = QFile::decodeName(nativePath.sliced(nativePath.lastIndexOf('/') + 1));
    QFile file;
    const NativeFile::Opened opened = NativeFile::openRegular(nativePath, file);
    switch (opened.refusal) {
    case NativeFile::Refusal::None:
        break;
    case NativeFile::Refusal::NotFound:
        return refuse(store, u"The file \"%1\" was not found; it may have been moved or deleted."_s.arg(name));
    case NativeFile::Refusal::Folder:
        return refuse(store, u"\"%1\" is a folder, not a hymn file."_s.arg(name));
    case NativeFile::Refusal::NotRegular:
        return refuse(store, u"\"%1\" is not an ordinary file (a pipe or a device), so it was not read."_s.arg(name));
    case NativeFile::Refusal::CannotOpen:
        return refuse(store, u"\"%1\" could not be opened (%2)."_s.arg(name, opened.systemText));
    }
    if (opened.size > MaxFileBytes) {
        // Rounded up, so that a file just over the cap does not read as being of the cap's size.
        return refuse(store,
                      u"\"%1\" is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read."_s.arg(name).arg(
                          (opened.size + 1024 * 1024 - 1) / (1024 * 1024)));
    }
    return loadDevice(file, name, store);
}

LoadOutcome loadFile(const QString &path, EntryStore &store)
{
    return loadFile(QFile::encodeName(path), store);
}

} // namespace HymnFileLoader
