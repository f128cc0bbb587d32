// SPDX-License-Identifier: GPL-3.0-or-later
// The new service is made as text, encoded as a whole and set into the old bytes at one place: after the last
// byte or after the byte-order mark.
#include "logbook/addservice.h"

#include "store/entrystore.h"
#include "store/hymnfileloader.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

QString encodingName(TextDecoding::Encoding encoding)
{
    switch (encoding.kind) {
    case TextDecoding::Encoding::Utf16LE:
        return u"UTF-16 LE"_s;
    case TextDecoding::Encoding::Utf16BE:
        return u"UTF-16 BE"_s;
    case TextDecoding::Encoding::Windows1252:
        return u"Windows-1252"_s;
    case TextDecoding::Encoding::Utf8:
        break;
    }
    return encoding.markBytes > 0 ? QCoreApplication::translate("Logbook", "UTF-8 with byte-order mark") : u"UTF-8"_s;
}

// The character that begins at index, as the user can see it; one that does not show by itself (a combining
// mark, a control or format character, half a surrogate pair) by its code point.
QString characterAt(QStringView text, qsizetype index)
{
    const QChar c = text[index];
    const bool pair = c.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate();
    const char32_t code = pair ? QChar::surrogateToUcs4(c, text[index + 1]) : char32_t(c.unicode());
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return u"U+%1"_s.arg(quint32(code), 4, 16, QChar(u'0')).toUpper();
    default:
        break;
    }
    return text.sliced(index, pair ? 2 : 1).toString();
}

bool holdsBreak(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(u'\0'));
}

// line: the service's line (from 1), or 0 for the occasion.
QString breakMessage(qsizetype line)
{
    if (line == 0)
        return QCoreApplication::translate(
            "Logbook", "The occasion holds a line break or a NUL character, which a line of the file cannot hold.");
    return QCoreApplication::translate("Logbook", "Line %1 of the service holds a line break or a NUL character, which "
                                                  "a line of the file cannot hold.")
        .arg(line);
}

// The lines of the service as they are written, or the message that refuses them.
QString serviceLines(const NewService &service, QStringList &lines, int &hymns)
{
    for (size_t i = 0; i < service.lines.size(); ++i) {
        const QString number = service.lines[i].number.trimmed();
        const QString text = service.lines[i].text.trimmed();
        if (holdsBreak(number) || holdsBreak(text))
            return breakMessage(qsizetype(i) + 1);
        if (number.isEmpty() && text.isEmpty())
            continue;
        for (QChar c : number) {
            // The loader takes a line's number up to its first space.
            if (c.isSpace())
                return QCoreApplication::translate("Logbook", "The hymn number “%1” holds a space.").arg(number);
        }
        // A number alone would be read back as a line without a number.
        if (!number.isEmpty() && text.isEmpty())
            return QCoreApplication::translate("Logbook", "Hymn %1 has no title.").arg(number);
        const QString line = number.isEmpty() ? text : number + u' ' + text;
        if (line.contains(u"--"))
            return QCoreApplication::translate(
                       "Logbook", "“%1” holds “--”, which would make the program read the whole file as hymn texts.")
                .arg(line);
        lines.append(line);
        hymns += number.isEmpty() ? 0 : 1;
    }
    return QString();
}

// Where the new service goes among the file's services, in date order: the index of the service it goes before
// (the count: after them all). A service on or after the latest goes where new ones go, at the end of a file kept
// oldest first and at the top of one kept newest first.
size_t placeFor(const FileForm &form, QDate date)
{
    const std::vector<QDate> &dates = form.serviceDates;
    const size_t count = dates.size();
    const bool newestFirst = form.order == ServiceOrder::NewestFirst;
    QDate latest;
    for (const QDate &d : dates) {
        if (d.isValid() && (latest.isNull() || d > latest))
            latest = d;
    }
    if (latest.isNull() || date >= latest || form.serviceStarts.size() != count)
        return newestFirst ? 0 : count;
    if (!newestFirst) {
        // After the last service dated on or before it; before the first dated one when none is.
        for (size_t i = count; i-- > 0;) {
            if (dates[i].isValid() && dates[i] <= date)
                return i + 1;
        }
        for (size_t i = 0; i < count; ++i) {
            if (dates[i].isValid())
                return i;
        }
        return count;
    }
    // Newest first, the mirror: above the first service dated on or before it; below the last dated one when none
    // is.
    for (size_t i = 0; i < count; ++i) {
        if (dates[i].isValid() && dates[i] <= date)
            return i;
    }
    for (size_t i = count; i-- > 0;) {
        if (dates[i].isValid())
            return i + 1;
    }
    return 0;
}

// The loader stops at its last entry, and a service past it is never read: -1 when the service written at `at`
// (size bytes) is read whole, else the services the loader reads before it.
int servicesReadBefore(const QByteArray &bytes, qsizetype at, qsizetype size)
{
    EntryStore store;
    HymnFileLoader::loadBytes(QByteArray::fromRawData(bytes.constData(), at), QString(), store);
    const int before = store.entryCount();
    const int services = store.hymnCount();
    const LoadOutcome through =
        HymnFileLoader::loadBytes(QByteArray::fromRawData(bytes.constData(), at + size), QString(), store);
    return store.entryCount() > before && !through.failed() ? -1 : services;
}

} // namespace

AddedService addService(const QByteArray &fileBytes, const NewService &service, LineEnd fallback)
{
    AddedService added;
    const FileForm form = readForm(fileBytes, fallback);
    if (form.hymnTexts) {
        added.error = QCoreApplication::translate(
            "Logbook", "This file holds hymn texts, not a service log, so no service can be added to it.");
        return added;
    }
    const size_t place = placeFor(form, service.date);
    const size_t count = form.serviceDates.size();
    const bool atEnd = place == count;
    if (atEnd && form.halfCharacterAtEnd) {
        added.error = QCoreApplication::translate(
            "Logbook", "The file ends in the middle of a character, so nothing can be written after it.");
        return added;
    }

    const QString occasion = service.occasion.trimmed();
    if (holdsBreak(occasion)) {
        added.error = breakMessage(0);
        return added;
    }
    QStringList lines;
    added.error = serviceLines(service, lines, added.hymns);
    if (!added.ok())
        return added;
    // A head line without a comma takes, as the loader reads it, the text after the comma of the next head line
    // below that has one.
    QString carried;
    for (size_t j = place; j < count; ++j) {
        if (form.headSuffixes[j]) {
            carried = *form.headSuffixes[j];
            break;
        }
    }
    added.headLine = form.headStyle.headLine(service.date, occasion, carried);
    if (added.headLine.isEmpty()) {
        added.error = QCoreApplication::translate(
            "Logbook", "The service's date cannot be written as a head line that the program reads back.");
        return added;
    }
    lines.prepend(added.headLine);

    const QString eol = lineEndText(form.lineEnd);
    QString insert;
    qsizetype at = form.textStart;
    if (atEnd) {
        at = fileBytes.size();
        if (form.lastLineUnended)
            insert += eol;
        else if (form.endsInCr && form.lineEnd == LineEnd::Lf)
            insert += u'\n'; // joins the lone CR, so that the blank line below is not taken into it
        if (form.hasText && !form.lastLineBlank)
            insert += eol;
        // A file whose last line has no line end keeps it that way.
        insert += lines.join(eol) + (form.lastLineUnended ? QString() : eol);
    } else if (place == 0) {
        insert = lines.join(eol) + eol;
        if (form.hasText && !form.firstLineBlank)
            insert += eol;
    } else {
        // Between two services: the blank lines above stay above it, and one more parts it from the next.
        at = form.serviceStarts[place];
        insert = lines.join(eol) + eol + eol;
    }

    qsizetype unwritable = 0;
    const std::optional<QByteArray> encoded = TextDecoding::encode(insert, form.encoding, &unwritable);
    if (!encoded) {
        added.error =
            QCoreApplication::translate("Logbook", "The character “%1” cannot be written in this file's encoding (%2).")
                .arg(characterAt(insert, unwritable), encodingName(form.encoding));
        return added;
    }
    QByteArray bytes = fileBytes.first(at) + *encoded + fileBytes.sliced(at);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    if (const int loaded = servicesReadBefore(bytes, at, encoded->size()); loaded >= 0) {
        const QString services = english.toString(qlonglong(count));
        added.error =
            (loaded == int(count)
                 ? QCoreApplication::translate(
                       "Logbook", "This log is full: it holds %1 services, and the program reads no more than "
                                  "%2 (fewer when a service has more than %3 lines), so it would never "
                                  "read a new one.")
                       .arg(services)
                       .arg(english.toString(EntryStore::MaxEntries))
                       .arg(EntryStore::MaxSlots)
                 : QCoreApplication::translate(
                       "Logbook", "This log holds %1 services, of which the program reads only the first %2, so "
                                  "it would never read one added after them.")
                       .arg(services, english.toString(loaded))) +
            u' ' +
            QCoreApplication::translate("Logbook",
                                        "The service was not added: start a new log for the services to come.");
        return added;
    }
    added.bytes = std::move(bytes);
    const QString date = english.toString(service.date, u"MMM d, yyyy"_s);
    const int hymns = added.hymns;
    added.status = QCoreApplication::translate("Logbook", "Service of %1 added: %n hymn(s)", nullptr, hymns).arg(date);
    return added;
}

ServiceText serviceText(const FileForm &form, const NewService &service, const QString &carriedSuffix, bool withHead)
{
    ServiceText text;
    if (form.hymnTexts) {
        text.error = QCoreApplication::translate(
            "Logbook", "This file holds hymn texts, not a service log, so no service can be added to it.");
        return text;
    }
    const QString occasion = service.occasion.trimmed();
    if (holdsBreak(occasion)) {
        text.error = breakMessage(0);
        return text;
    }
    text.error = serviceLines(service, text.lines, text.hymns);
    if (!text.error.isEmpty() || !withHead)
        return text;
    const QString head = form.headStyle.headLine(service.date, occasion, carriedSuffix);
    if (head.isEmpty()) {
        text.error = QCoreApplication::translate(
            "Logbook", "The service's date cannot be written as a head line that the program reads back.");
        return text;
    }
    text.lines.prepend(head);
    return text;
}

std::optional<QByteArray> encodedFor(const FileForm &form, const QString &text, QString *error)
{
    qsizetype unwritable = 0;
    std::optional<QByteArray> encoded = TextDecoding::encode(text, form.encoding, &unwritable);
    if (!encoded && error != nullptr) {
        *error =
            QCoreApplication::translate("Logbook", "The character “%1” cannot be written in this file's encoding (%2).")
                .arg(characterAt(text, unwritable), encodingName(form.encoding));
    }
    return encoded;
}

} // namespace Logbook
