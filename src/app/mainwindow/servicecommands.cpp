// SPDX-License-Identifier: GPL-3.0-or-later
// Each change is composed from the log's bytes as the write step reads them, so that every other byte stays as it
// was; the window's backup records learn of every write, for the next write's backup and for Undo.
#include "app/mainwindow/servicecommands.h"

#include "app/form/form1.h"
#include "app/logbook/hymnboarddialog.h"
#include "app/widgets/dialogs.h"
#include "logbook/changeservice.h"
#include "logbook/servicetexts.h"
#include "logbook/undowrite.h"
#include "platform/savefile.h"
#include "platform/systemtext.h"
#include "search/datelimits.h"
#include "store/serviceview.h"
#include "workspace/backuprecords.h"
#include "workspace/loadedfile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

ServiceCommands::ServiceCommands(Form1 *form, LoadedFile *loaded, BackupRecords *backups, AppSettings *settings,
                                 Dialogs *dialogs, bool scripted, std::function<Dialogs *()> serviceDialogs,
                                 std::function<void(const QString &)> status, QObject *parent)
    : QObject(parent), m_form(form), m_loaded(loaded), m_backups(backups), m_settings(settings), m_dialogs(dialogs),
      m_scripted(scripted), m_serviceDialogs(std::move(serviceDialogs)), m_status(std::move(status))
{}

int ServiceCommands::chosenService() const
{
    const EntryStore &store = m_form->store();
    if (m_loaded->kind() != LoadedFile::Kind::ServiceLog)
        return 0;
    if (const int chosen = m_form->chosenServiceEntry(); chosen > 0 && chosen <= store.entryCount())
        return chosen;
    int latest = 0;
    QDate latestDate;
    for (const ServiceView &service : ServiceView::servicesOf(store, &Search::headDate)) {
        // The later in the file of two on one day; the last in the file while none is dated.
        const QDate date = service.date();
        if (date.isValid() ? latestDate.isNull() || date >= latestDate : latestDate.isNull()) {
            latest = service.entry();
            if (date.isValid())
                latestDate = date;
        }
    }
    return latest;
}

std::optional<std::pair<Logbook::NewService, QString>> ServiceCommands::chosenLogged() const
{
    const int entry = chosenService();
    if (entry <= 0)
        return std::nullopt;
    const EntryStore &store = m_form->store();
    const ServiceView service(store, entry, Search::headDate(store.head(entry)).value_or(QDate()));
    return std::pair(Logbook::loggedService(service), service.head());
}

bool ServiceCommands::submitEdit(int index, const FileFacts &opened, const Logbook::NewService &service, bool keepHead)
{
    const QString title = tr("Edit Service");
    if (service.lines.empty()) {
        m_serviceDialogs()->message(title,
                                    tr("The service has no lines left: add at least one, or take the service out of "
                                       "the log with Remove Service."),
                                    Dialogs::Icon::Exclamation);
        return false;
    }
    const NativePath log = m_loaded->path();
    const Logbook::WrittenService written = Logbook::replaceLog(
        log, opened, m_backups->lastFor(log),
        [&](const QByteArray &now) {
            const Logbook::AddedService changed =
                Logbook::replaceService(now, index, service, keepHead, Logbook::LineEnd::Lf);
            return Logbook::Composed{changed.bytes, changed.error, changed.status};
        },
        false, Logbook::Wording::AnyChange);
    return finishWrite(title, written);
}

bool ServiceCommands::removeService(int index, const FileFacts &opened, const QString &shown)
{
    const QString title = tr("Remove Service");
    const NativePath log = m_loaded->path();
    if (!m_serviceDialogs()->confirm(title, tr("Remove this service from \"%1\"?\n\n%2\n\nThe log as it was is kept "
                                               "in a backup, and Edit > Undo Last Change puts it back.")
                                                .arg(log.baseName().display(), shown)))
        return false;
    const Logbook::WrittenService written = Logbook::replaceLog(
        log, opened, m_backups->lastFor(log),
        [&](const QByteArray &now) {
            const Logbook::AddedService removed = Logbook::removeService(now, index);
            return Logbook::Composed{removed.bytes, removed.error, removed.status};
        },
        false, Logbook::Wording::AnyChange);
    return finishWrite(title, written);
}

bool ServiceCommands::finishWrite(const QString &title, const Logbook::WrittenService &written)
{
    const NativePath log = m_loaded->path();
    // A backup written is the program's own from now on, also when the log's own write then failed.
    if (written.backup.isKnown())
        m_backups->keep(log, Logbook::lastWriteOf(written));
    if (written.outcome == Logbook::WrittenService::Outcome::Written) {
        m_form->reload();
        m_status(written.status);
        return true;
    }
    QString message = written.message;
    // The service was read from the log as it was: in a log changed since, it may be another one, or none.
    if (written.outcome == Logbook::WrittenService::Outcome::Changed)
        message += u"\n\n"_s + tr("Close this dialog, reload the log (File > Reload) and choose the service again.");
    m_serviceDialogs()->message(title, message, Dialogs::Icon::Exclamation);
    return false;
}

void ServiceCommands::undoChange()
{
    const QString title = tr("Undo Last Change");
    if (m_loaded->kind() != LoadedFile::Kind::ServiceLog) {
        m_dialogs->message(title, tr("Load the service log whose last change is to be undone."),
                           Dialogs::Icon::Exclamation);
        return;
    }
    const NativePath log = m_loaded->path();
    const Logbook::LastWrite last = m_backups->lastWriteFor(log);
    const FileFacts loaded = m_loaded->readFromDisk();
    if (const QString refusal = Logbook::undoRefusal(log, loaded, last); !refusal.isEmpty()) {
        m_dialogs->message(title, refusal, Dialogs::Icon::Exclamation);
        return;
    }
    if (!m_dialogs->confirm(title,
                            tr("Undo the last change to \"%1\" (%2)?\n\nThe log is put back as it was "
                               "before, from \"%3\"; the log as it is now is kept in a backup of its own.")
                                .arg(log.baseName().display(), last.change, last.backup.path.baseName().display())))
        return;
    const Logbook::WrittenService written = Logbook::undoLastWrite(log, loaded, last);
    if (written.backup.isKnown())
        m_backups->keep(log, Logbook::lastWriteOf(written));
    if (written.outcome != Logbook::WrittenService::Outcome::Written) {
        m_dialogs->message(title, written.message, Dialogs::Icon::Exclamation);
        return;
    }
    m_form->reload();
    m_status(written.status);
}

void ServiceCommands::printBoard(const Logbook::NewService &service, const QString &shownHead, QWidget *over,
                                 Dialogs *dialogs)
{
    const QString title = tr("Print Hymn Board");
    const QStringList numbers = Logbook::boardNumbers(service.lines);
    if (numbers.isEmpty()) {
        dialogs->message(title, tr("The service has no hymn numbers to put on the board."), Dialogs::Icon::Exclamation);
        return;
    }
    // The date as the language shown writes it: the board is for the congregation, not for the log.
    QString dateLine = shownHead;
    if (service.date.isValid()) {
        const QString date = QLocale().toString(service.date, QLocale::LongFormat);
        dateLine = service.occasion.trimmed().isEmpty() ? date : tr("%1 — %2").arg(date, service.occasion.trimmed());
    }
    // Beside the log where it can be written, as the report's exports are.
    NativePath folder = m_loaded->path().parent();
    if (folder.isEmpty() || !SaveFile::canWriteIn(folder))
        folder = NativePath::fromText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString name =
        service.date.isValid() ? tr("Hymn board %1.pdf").arg(service.date.toString(Qt::ISODate)) : tr("Hymn board.pdf");
    auto *board = new HymnBoardDialog(numbers, dateLine, folder.child(NativePath::fromText(name)).toText(),
                                      m_scripted ? dialogs : nullptr, m_settings, over);
    board->setAttribute(Qt::WA_DeleteOnClose);
    connect(board, &HymnBoardDialog::done, this, [this](const QString &message) { m_status(message); });
    board->open();
}

void ServiceCommands::copyBulletin(const QString &heading, const std::vector<Logbook::ServiceLine> &lines)
{
    auto *copied = new QMimeData;
    copied->setText(Logbook::bulletinText(heading, lines, SystemText::lineEnd()));
    copied->setHtml(Logbook::bulletinHtml(heading, lines));
    QGuiApplication::clipboard()->setMimeData(copied);
    m_status(tr("Copied for the bulletin: %1").arg(heading.trimmed()));
}
