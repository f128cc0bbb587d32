// SPDX-License-Identifier: GPL-3.0-or-later
// One span of the file's bytes is replaced, found by the file's form; the file is then read back as the loader reads
// it, and every other service must be read as it was.
#include "logbook/changeservice.h"

#include "logbook/headstyle.h"
#include "search/datelimits.h"
#include "store/hymnfileloader.h"
#include "store/hymnkey.h"
#include "store/plaintext.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

// Each service as the loader reads it: its head line, then "tag|text" for each of its lines.
QList<QStringList> servicesRead(const QByteArray &bytes, int *entries = nullptr)
{
    EntryStore store;
    HymnFileLoader::loadBytes(bytes, QString(), store);
    if (entries != nullptr)
        *entries = store.entryCount();
    QList<QStringList> services;
    for (const ServiceView &service : ServiceView::servicesOf(store, &Search::headDate)) {
        QStringList read{service.head()};
        for (const ServiceView::Line line : service.lines())
            read.append(line.tag + u'|' + line.text);
        services.append(read);
    }
    return services;
}

QString dateText(QDate date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, u"MMM d, yyyy"_s);
}

QString missingService()
{
    return QCoreApplication::translate("Logbook", "The service is not in the file as it was loaded, so nothing was "
                                                  "written. Load the log again and choose the service anew.");
}

// Why the file as changed cannot be written: read back, the services other than the one at index (gone, when
// removed) must read as before, and a changed one whole.
QString readBackError(const QByteArray &before, const QByteArray &after, int index, bool removed, int lines)
{
    int entriesBefore = 0;
    int entriesAfter = 0;
    QList<QStringList> was = servicesRead(before, &entriesBefore);
    QList<QStringList> now = servicesRead(after, &entriesAfter);
    if (index >= was.size())
        return missingService();
    const bool readWhole = removed || (index < now.size() && now[index].size() == lines);
    if (!removed && index < now.size())
        now.removeAt(index);
    was.removeAt(index);
    if (readWhole && now == was)
        return QString();
    if (entriesAfter >= EntryStore::MaxEntries && now.size() < was.size()) {
        return QCoreApplication::translate(
            "Logbook", "This log is full: with this service longer, the program would no longer read the last "
                       "service of the file, so nothing was written. Start a new log for the services to come.");
    }
    return QCoreApplication::translate("Logbook",
                                       "Written this way, the service would change how the program reads other "
                                       "services of the log (a head line without a year takes it from the next one "
                                       "below), so nothing was written.");
}

bool placed(const FileForm &form, int index)
{
    return index >= 0 && size_t(index) < form.serviceStarts.size();
}

} // namespace

NewService loggedService(const ServiceView &service)
{
    NewService logged{service.date(), occasionOf(service.head()), {}};
    for (const ServiceView::Line line : service.lines()) {
        // A line of one word has no tag; one that began with a blank has a blank one.
        if (line.tag.isEmpty() || line.tag == u" "_s)
            logged.lines.push_back({QString(), line.text});
        else if (HymnKey::isBareNumber(line.tag) || HymnKey::ofLine(line.tag, line.text).isNumber())
            logged.lines.push_back({line.tag, line.text});
        else
            logged.lines.push_back({QString(), line.tag + u' ' + line.text});
    }
    return logged;
}

AddedService replaceService(const QByteArray &fileBytes, int index, const NewService &service, bool keepHead,
                            LineEnd fallback)
{
    AddedService changed;
    const FileForm form = readForm(fileBytes, fallback);
    if (!placed(form, index)) {
        changed.error = missingService();
        return changed;
    }
    const size_t at = size_t(index);
    // A head line without a comma takes, as the loader reads it, the text after the comma of the next one below.
    QString carried;
    for (size_t j = at + 1; j < form.headSuffixes.size(); ++j) {
        if (form.headSuffixes[j]) {
            carried = *form.headSuffixes[j];
            break;
        }
    }
    ServiceText text = serviceText(form, service, carried, !keepHead);
    if (!text.error.isEmpty()) {
        changed.error = text.error;
        return changed;
    }
    changed.headLine = keepHead ? QString() : text.lines.first();
    changed.hymns = text.hymns;
    qsizetype from = form.serviceStarts[at];
    const qsizetype to = form.serviceEnds[at];
    // The service's last line has no line end when it ends the file without one, and keeps it that way.
    const bool unended = to == fileBytes.size() && form.lastLineUnended;
    const QString eol = lineEndText(form.lineEnd);
    QString insert;
    if (keepHead) {
        from = form.bodyStarts[at];
        // A head line alone at the end of the file, without a line end, needs one before the lines below it.
        if (from == to && unended && !text.lines.isEmpty())
            insert = eol;
    }
    insert += text.lines.join(eol);
    if (!unended && !(keepHead && text.lines.isEmpty()))
        insert += eol;
    const std::optional<QByteArray> encoded = encodedFor(form, insert, &changed.error);
    if (!encoded)
        return changed;
    QByteArray bytes = fileBytes.first(from) + *encoded + fileBytes.sliced(to);
    // The head line and each line written, as the loader reads them back.
    const int lines = int(text.lines.size()) + (keepHead ? 1 : 0);
    changed.error = readBackError(fileBytes, bytes, index, false, lines);
    if (!changed.ok())
        return changed;
    changed.bytes = std::move(bytes);
    changed.status = QCoreApplication::translate("Logbook", "Service of %1 changed: %n hymn(s)", nullptr, changed.hymns)
                         .arg(dateText(service.date));
    return changed;
}

AddedService removeService(const QByteArray &fileBytes, int index)
{
    AddedService removed;
    const FileForm form = readForm(fileBytes, LineEnd::Lf);
    if (!placed(form, index)) {
        removed.error = missingService();
        return removed;
    }
    const size_t at = size_t(index);
    qsizetype from = form.serviceStarts[at];
    qsizetype to = form.serviceEnds[at];
    if (at + 1 < form.serviceStarts.size() && form.blankBelowEnd[at] >= 0)
        to = form.blankBelowEnd[at];
    else if (at > 0 && form.blankAbove[at] >= 0)
        from = form.blankAbove[at];
    QByteArray bytes = fileBytes.first(from) + fileBytes.sliced(to);
    removed.error = readBackError(fileBytes, bytes, index, true, 0);
    if (!removed.ok())
        return removed;
    removed.bytes = std::move(bytes);
    const QDate date = form.serviceDates[at];
    removed.status = date.isValid()
                         ? QCoreApplication::translate("Logbook", "Service of %1 removed").arg(dateText(date))
                         : QCoreApplication::translate("Logbook", "The service without a date removed");
    return removed;
}

} // namespace Logbook
