// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window that act on one service of the loaded log: the service they act on, the service
// written in place of it or removed, the last change undone, the hymn board and the bulletin. The window makes the
// dialog; these do the rest through the one write step.
#pragma once

#include "logbook/addservice.h"
#include "logbook/writeservice.h"
#include "store/hymnfileloader.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class AppSettings;
class BackupRecords;
class Dialogs;
class Form1;
class LoadedFile;
class QWidget;

class ServiceCommands : public QObject {
    Q_OBJECT
public:
    // The window's parts they use: its dialogs (scripted: tests' answers, which the windows these open use too), and
    // those over the service dialog while it is open; status shows a message in the window's status bar.
    ServiceCommands(Form1 *form, LoadedFile *loaded, BackupRecords *backups, AppSettings *settings, Dialogs *dialogs,
                    bool scripted, std::function<Dialogs *()> serviceDialogs,
                    std::function<void(const QString &)> status, QObject *parent);

    // The service the commands act on: the one of the search's row last clicked, else the latest by date (the last
    // in the file when none is dated). Its head entry; 0 for none.
    int chosenService() const;
    // The chosen service as the log holds it, with its head line; nothing when there is none.
    std::optional<std::pair<Logbook::NewService, QString>> chosenLogged() const;

    // Writes the service at index (in file order) of the log as it was when opened for editing (the file opened),
    // or removes it after a question showing it as shown; false when nothing was written, and the user was told why.
    bool submitEdit(int index, const FileFacts &opened, const Logbook::NewService &service, bool keepHead);
    bool removeService(int index, const FileFacts &opened, const QString &shown);
    // Edit > Undo Last Change.
    void undoChange();
    // The hymn board of service, over over, its date line shownHead where the service has no date; dialogs tell of
    // what cannot be done.
    void printBoard(const Logbook::NewService &service, const QString &shownHead, QWidget *over, Dialogs *dialogs);
    // The heading and the lines to the clipboard, as text and as a table.
    void copyBulletin(const QString &heading, const std::vector<Logbook::ServiceLine> &lines);

private:
    // The end of every write: its backup remembered, and the log read again and the status bar told once written;
    // false, with the user told why, when it was not.
    bool finishWrite(const QString &title, const Logbook::WrittenService &written);

    Form1 *m_form;
    LoadedFile *m_loaded;
    BackupRecords *m_backups;
    AppSettings *m_settings;
    Dialogs *m_dialogs;
    bool m_scripted;
    std::function<Dialogs *()> m_serviceDialogs;
    std::function<void(const QString &)> m_status;
};
