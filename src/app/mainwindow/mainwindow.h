// SPDX-License-Identifier: GPL-3.0-or-later
// The top-level window: the menu bar over Form1. Every action calls a command the window already has, and the
// actions are enabled from what Form1 reports after each change.
#pragma once

#include "app/mainwindow/churchyearmenu.h"
#include "logbook/addservice.h"
#include "platform/nativepath.h"
#include "workspace/appsettings.h"
#include "workspace/backuprecords.h"
#include "workspace/filewatch.h"
#include "workspace/recentfiles.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class AddServiceDialog;
class Dialogs;
class FileChangedBar;
class Form1;
class Hymnal;
class QAction;
class QMenu;
class ReportWindow;
class ServiceCommands;
class LoadedFile;
class SuggestWindow;
class UserGuide;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Asked for the file to open; an empty path for Cancel.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title, const QString &startFolder)>;

    // dialogs answers the message boxes of Form1 and of the menu; without one the real Qt dialogs are used.
    // startFolder is where the folder list starts (see Form1).
    explicit MainWindow(Dialogs *dialogs = nullptr, QWidget *parent = nullptr, const NativePath &startFolder = {});
    ~MainWindow() override;

    Form1 *form() const { return m_form; }
    AppSettings &settings() { return m_settings; }
    LoadedFile *loadedFile() const { return m_loadedFile; }
    // The hymnal set with File > Set Hymnal…, beside whatever the window shows.
    Hymnal *hymnal() const { return m_hymnal; }
    // Loads path as the hymnal and keeps it in the settings; false, with the hymnal set before kept, when it is not
    // one.
    bool setHymnal(const NativePath &path);
    void clearHymnal();
    // File > Import Lectionary…: refused, saying why, when the hymnal's folder cannot take Lectionary.txt.
    void importLectionary();
    // Replaces the desktop's file dialog behind File > Open.
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    // Where the sample files are, as the About box names them.
    static QString samplesFolder();
    // Loads path through Form1 and records it among the recent files.
    bool openFile(const NativePath &path);
    // Edit > Add Service…, with hymns already in its lines (after any the open dialog has); a message when no
    // service log is loaded.
    void openAddService(const std::vector<Logbook::ServiceLine> &hymns = {});
    // Edit > Edit Service…: the dialog filled with the service chosen (see chosenService), whose Write replaces it
    // and whose Remove Service removes it; a message when no service log is loaded.
    void openEditService();
    // The dialog while it is open, adding or editing a service.
    AddServiceDialog *addServiceDialog() const;

Q_SIGNALS:
    // The hymnal was set, cleared or read again.
    void hymnalChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    // The title names the file loaded: "ServiceLog.txt — Cantorix2", or the program alone.
    void updateTitle();
    // The window's size and place as it was last closed, brought onto a screen that is there now.
    void restorePlace();
    void chooseHymnal();
    void updateActions();
    void rebuildRecentMenu();
    void markMissingRecentFiles();
    void openRecent(const NativePath &path);
    void openChosen();
    void showAbout();
    void showUserGuide();
    void showReport();
    // The window's file was loaded (or reloaded, or not): the watch follows it and the notice goes.
    void followLoadedFile();
    void showDiskChange(FileWatch::Disk disk);
    void reloadFile();
    // The last write of the log was cut short: its backup put back after a question comparing the two, or the log
    // kept as it is.
    void putBackBackup();
    // The status bar says so when the log loaded holds NUL characters.
    void showNulNote();
    void keepLog();
    void editExternally();
    // Writes the service into the loaded log; false when it was not written, and the user was told why.
    bool submitService(const Logbook::NewService &service);
    // The dialog for a service, adding it (or, once told, editing one) with submit.
    AddServiceDialog *makeServiceDialog(std::function<bool(const Logbook::NewService &)> submit);
    // The message boxes over the service dialog while it is open, the window's own otherwise.
    Dialogs *serviceDialogs() const;
    // Suggest Hymns for date, or for the date the window shows when none is given; forService: for Add Service's.
    void showSuggestions(QDate date = QDate(), bool forService = false);
    // The church year's settings to the windows that name days.
    void followNaming();
    // Suggest Hymns belongs to Add Service while the dialog is open, to this window otherwise: the dialog blocks
    // every other window of this one, and hymns are chosen for it.
    void placeSuggestions();

    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    // The settings file, judged once for the window's life, and the recent files kept in it.
    AppSettings m_settings;
    LoadedFile *m_loadedFile;
    Hymnal *m_hymnal;
    Form1 *m_form;
    FileChooser m_chooser;
    RecentFiles m_recent{&m_settings};
    BackupRecords m_backups{&m_settings};
    QMenu *m_recentMenu = nullptr;
    QAction *m_find = nullptr;
    QAction *m_tally = nullptr;
    QAction *m_copyLeft = nullptr;
    QAction *m_copyRight = nullptr;
    QAction *m_report = nullptr;
    QAction *m_clearHymnal = nullptr;
    QAction *m_importLectionary = nullptr;
    QAction *m_reload = nullptr;
    QAction *m_editExternally = nullptr;
    QAction *m_addService = nullptr;
    QAction *m_editService = nullptr;
    QAction *m_undoChange = nullptr;
    QAction *m_printBoard = nullptr;
    QAction *m_copyBulletin = nullptr;
    ServiceCommands *m_serviceCommands = nullptr;
    FileWatch *m_logWatch;
    FileChangedBar *m_changedBar = nullptr;
    int m_heightWithoutBar = 0;
    QPointer<AddServiceDialog> m_addServiceDialog;
    // The message boxes of adding a service, over its dialog; the window's own when they are scripted.
    std::unique_ptr<Dialogs> m_addServiceDialogs;
    QAction *m_suggest = nullptr;
    ChurchYearMenu *m_churchYear = nullptr;
    // Made when first asked for, and kept (hidden when closed) so that it opens again as it was left.
    ReportWindow *m_reportWindow = nullptr;
    SuggestWindow *m_suggestWindow = nullptr;
    UserGuide *m_userGuide = nullptr;
};
