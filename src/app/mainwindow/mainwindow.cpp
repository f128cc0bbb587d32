// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and its actions. Form1 keeps doing the work; this window only routes the commands to it and
// keeps the recent-files list, which Form1 reports each load to.
#include "app/mainwindow/mainwindow.h"

#include "app/form/form1.h"
#include "app/help/userguide.h"
#include "app/logbook/addservicedialog.h"
#include "app/mainwindow/filechangedbar.h"
#include "app/mainwindow/languagemenu.h"
#include "app/mainwindow/servicecommands.h"
#include "app/plan/importlectionarydialog.h"
#include "app/plan/suggestwindow.h"
#include "app/report/reportwindow.h"
#include "app/widgets/dialogs.h"
#include "installinfo.h"
#include "logbook/changeservice.h"
#include "logbook/fileform.h"
#include "logbook/unfinishedwrite.h"
#include "logbook/writeservice.h"
#include "platform/nativefile.h"
#include "platform/writelock.h"
#include "version.h"
#include "workspace/hymnal.h"
#include "workspace/lectionarysave.h"
#include "workspace/loadedfile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The platform's key for a standard action, or the usual one where the platform (a bare X11 or offscreen
// session) names none.
QKeySequence keyFor(QKeySequence::StandardKey key, const QKeySequence &usual)
{
    const QKeySequence platform(key);
    return platform.isEmpty() ? usual : platform;
}

} // namespace

MainWindow::MainWindow(Dialogs *dialogs, QWidget *parent, const NativePath &startFolder)
    : QMainWindow(parent), m_dialogs(dialogs)
{
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtDialogs>(this);
        m_dialogs = m_ownDialogs.get();
    }
    setObjectName(u"MainWindow"_s);
    setWindowTitle(u"Cantorix2"_s);
    m_loadedFile = new LoadedFile(this);
    m_hymnal = new Hymnal(&m_settings, this);
    m_logWatch = new FileWatch(this);
    m_logWatch->setObjectName(u"LogWatch"_s);
    // The notice goes below the design area, which keeps its size and place; the window grows to hold it.
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_form = new Form1(m_dialogs, central, startFolder, m_loadedFile);
    m_changedBar = new FileChangedBar(central);
    column->addWidget(m_form, 1);
    column->addWidget(m_changedBar);
    setWindowIcon(m_form->windowIcon());
    setCentralWidget(central);
    m_chooser = [](QWidget *parent, const QString &title, const QString &startFolder) {
        const std::unique_ptr<QFileDialog> dialog = QtDialogs::fileDialog(
            parent, QtDialogs::FileUse::Open, title, startFolder, tr("Hymn files (*.txt);;All files (*)"));
        return QtDialogs::chooseWith(*dialog);
    };
    m_serviceCommands = new ServiceCommands(
        m_form, m_loadedFile, &m_backups, &m_settings, m_dialogs, m_ownDialogs == nullptr,
        [this] { return serviceDialogs(); }, [this](const QString &message) { statusBar()->showMessage(message); },
        this);
    createActions();
    connect(m_form, &Form1::stateChanged, this, &MainWindow::updateActions);
    connect(m_loadedFile, &LoadedFile::loaded, this, &MainWindow::updateTitle);
    // Every attempted load counts, the file list's "Get File" as much as the menu's, so that a file named wrongly
    // can be tried again from the list.
    connect(m_form, &Form1::fileOpened, this, [this](const NativePath &path) {
        m_recent.add(path);
        rebuildRecentMenu();
        // The status bar is made for the first message, so that the window starts at the design's height.
        if (auto *status = findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly))
            status->clearMessage();
        showNulNote();
    });
    connect(m_loadedFile, &LoadedFile::loaded, this, &MainWindow::followLoadedFile);
    connect(m_logWatch, &FileWatch::changed, this, &MainWindow::showDiskChange);
    connect(m_changedBar, &FileChangedBar::reloadClicked, this, &MainWindow::reloadFile);
    connect(m_changedBar, &FileChangedBar::restoreClicked, this, &MainWindow::putBackBackup);
    connect(m_changedBar, &FileChangedBar::keepClicked, this, &MainWindow::keepLog);
    connect(m_changedBar, &FileChangedBar::aboutToShow, this, [this] { m_heightWithoutBar = height(); });
    connect(m_changedBar, &FileChangedBar::hidden, this, [this] {
        // The room the window grew by for the notice is given back, unless the window was resized since.
        if (isMaximized() || isFullScreen() || height() != m_heightWithoutBar + m_changedBar->height())
            return;
        // The least height drops only once the layouts have heard of the hidden notice.
        centralWidget()->layout()->activate();
        layout()->activate();
        resize(width(), m_heightWithoutBar);
    });
    connect(m_hymnal, &Hymnal::changed, this, [this] {
        updateActions();
        Q_EMIT hymnalChanged();
    });
    connect(this, &MainWindow::hymnalChanged, this, [this] {
        if (m_addServiceDialog)
            m_addServiceDialog->setSources(m_loadedFile->store(), m_hymnal->store());
    });
    updateActions();
    rebuildRecentMenu();
    m_hymnal->restore();
    restorePlace();
}

MainWindow::~MainWindow()
{
    // Form1 and the report refer to the dialogs this window may own; they go first, the report before the form
    // whose criteria it reads. The suggestions follow the loaded files, which go with this window.
    delete m_suggestWindow;
    delete m_reportWindow;
    delete m_form;
}

void MainWindow::createActions()
{
    const auto add = [this](QMenu *menu, const QString &name, const QString &text, const QKeySequence &keys,
                            auto slot) {
        auto *action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *file = menuBar()->addMenu(tr("&File"));
    add(file, u"actOpen"_s, tr("&Open…"), keyFor(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)),
        &MainWindow::openChosen);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->menuAction()->setObjectName(u"actOpenRecent"_s);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::markMissingRecentFiles);
    m_reload = add(file, u"actReload"_s, tr("Re&load"), QKeySequence(Qt::Key_F5), &MainWindow::reloadFile);
    m_editExternally =
        add(file, u"actEditExternally"_s, tr("Open in Text &Editor"), QKeySequence(), &MainWindow::editExternally);
    file->addSeparator();
    add(file, u"actSetHymnal"_s, tr("Set &Hymnal…"), QKeySequence(), &MainWindow::chooseHymnal);
    m_clearHymnal = add(file, u"actClearHymnal"_s, tr("Clear H&ymnal"), QKeySequence(), &MainWindow::clearHymnal);
    m_importLectionary =
        add(file, u"actImportLectionary"_s, tr("&Import Lectionary…"), QKeySequence(), &MainWindow::importLectionary);
    file->addSeparator();
    m_printBoard = add(file, u"actPrintBoard"_s, tr("Print Hymn &Board…"),
                       keyFor(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)), [this] {
                           if (const auto logged = m_serviceCommands->chosenLogged())
                               m_serviceCommands->printBoard(logged->first, logged->second, this, m_dialogs);
                       });
    file->addSeparator();
    add(file, u"actQuit"_s, tr("&Quit"), keyFor(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &MainWindow::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    m_addService = add(edit, u"actAddService"_s, tr("&Add Service…"), QKeySequence(Qt::CTRL | Qt::Key_N),
                       [this] { openAddService(); });
    m_editService = add(edit, u"actEditService"_s, tr("&Edit Service…"), QKeySequence(), &MainWindow::openEditService);
    // No shortcut: Ctrl+Z belongs to the text boxes.
    m_undoChange = add(edit, u"actUndoChange"_s, tr("&Undo Last Change"), QKeySequence(),
                       [this] { m_serviceCommands->undoChange(); });
    edit->addSeparator();
    m_copyLeft = add(edit, u"actCopyLeft"_s, tr("Copy &Left List"), QKeySequence(),
                     [this] { m_form->copyList(Form1::Side::Left); });
    m_copyRight = add(edit, u"actCopyRight"_s, tr("Copy &Right List"), QKeySequence(),
                      [this] { m_form->copyList(Form1::Side::Right); });
    m_copyBulletin = add(edit, u"actCopyBulletin"_s, tr("Copy for &Bulletin"), QKeySequence(), [this] {
        if (const auto logged = m_serviceCommands->chosenLogged())
            m_serviceCommands->copyBulletin(logged->second, logged->first.lines);
    });
    edit->addSeparator();
    add(edit, u"actClear"_s, tr("&Clear criteria"), QKeySequence(), [this] { m_form->clearCriteria(); });

    QMenu *search = menuBar()->addMenu(tr("&Search"));
    m_find = add(search, u"actFind"_s, tr("&Find"), QKeySequence(Qt::Key_F3), [this] { m_form->find(); });
    m_tally = add(search, u"actTally"_s, tr("&Tally"), QKeySequence(Qt::CTRL | Qt::Key_T), [this] { m_form->tally(); });
    add(search, u"actFocusNumber"_s, tr("Focus Hymn &#"), QKeySequence(Qt::CTRL | Qt::Key_L),
        [this] { m_form->focusNumber(); });
    search->addSeparator();
    m_report =
        add(search, u"actReport"_s, tr("Usage &Report…"), QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::showReport);
    m_suggest = add(search, u"actSuggest"_s, tr("Suggest &Hymns…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                    [this] { showSuggestions(); });

    QMenu *view = menuBar()->addMenu(tr("&View"));
    add(view, u"actBold"_s, tr("&Bold"), keyFor(QKeySequence::Bold, QKeySequence(Qt::CTRL | Qt::Key_B)),
        [this] { m_form->toggleBold(); });
    view->addSeparator();
    m_churchYear = new ChurchYearMenu(&m_settings, view, this);
    connect(m_churchYear, &ChurchYearMenu::changed, this, &MainWindow::followNaming);
    auto *languages = new LanguageMenu(&m_settings, view, this);
    connect(languages, &LanguageMenu::chosen, this, [this](const QString &language) {
        statusBar()->showMessage(language.isEmpty() ? tr("The system's language from the next start")
                                                    : tr("%1 from the next start").arg(language));
    });

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    add(help, u"actHelp"_s, tr("&Help"), keyFor(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)),
        [this] { m_form->showHelp(); });
    add(help, u"actUserGuide"_s, tr("&User Guide"), QKeySequence(), &MainWindow::showUserGuide);
    add(help, u"actAbout"_s, tr("&About Cantorix2"), QKeySequence(), &MainWindow::showAbout);
}

void MainWindow::updateTitle()
{
    const QString program = u"Cantorix2"_s;
    if (m_loadedFile->kind() == LoadedFile::Kind::None) {
        setWindowTitle(program);
        return;
    }
    // "[*]" in a title is Qt's mark for unsaved changes; doubled, it is shown as it is.
    QString name = m_loadedFile->path().baseName().display();
    name.replace(u"[*]"_s, u"[*][*]"_s);
    setWindowTitle(name + u" \u2014 "_s + program);
}

void MainWindow::restorePlace()
{
    // Qt moves a window whose place lies off every screen there is now (a monitor since unplugged) onto one.
    if (!restoreGeometry(m_settings.value(AppSettings::Key::MainWindowPlace).toByteArray()))
        return;
    // A notice (the status bar, the changed-on-disk bar) grows a window at its least height, and the next start,
    // which shows neither, is at the design's height again.
    if (m_settings.value(AppSettings::Key::MainWindowLeastHeight).toBool() && !isMaximized() && !isFullScreen())
        resize(width(), minimumSizeHint().height());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_settings.setValues({{AppSettings::Key::MainWindowPlace, saveGeometry()},
                          {AppSettings::Key::MainWindowLeastHeight, height() <= minimumSizeHint().height()}});
    QMainWindow::closeEvent(event);
}

void MainWindow::updateActions()
{
    m_find->setEnabled(m_form->canFind());
    m_tally->setEnabled(m_form->canTally());
    m_copyLeft->setEnabled(m_form->leftRowCount() > 0);
    m_copyRight->setEnabled(m_form->rightRowCount() > 0);
    m_report->setEnabled(ReportWindow::canReport(m_form->store()));
    const bool hymnal = m_hymnal->isSet();
    m_clearHymnal->setEnabled(hymnal);
    // The menu names the hymnal set; "&" in a file's name is no mnemonic.
    QString clearText = tr("Clear H&ymnal");
    if (hymnal)
        clearText += u" (%1)"_s.arg(m_hymnal->file().path().baseName().display().replace(u'&', u"&&"_s));
    m_clearHymnal->setText(clearText);
    m_reload->setEnabled(m_loadedFile->kind() != LoadedFile::Kind::None);
    m_editExternally->setEnabled(m_loadedFile->kind() != LoadedFile::Kind::None);
    m_addService->setEnabled(m_loadedFile->kind() == LoadedFile::Kind::ServiceLog);
    const bool services =
        m_loadedFile->kind() == LoadedFile::Kind::ServiceLog && ReportWindow::canReport(m_form->store());
    for (QAction *serviceCommand : {m_editService, m_printBoard, m_copyBulletin})
        serviceCommand->setEnabled(services);
    m_undoChange->setEnabled(m_loadedFile->kind() == LoadedFile::Kind::ServiceLog);
    m_suggest->setEnabled(m_hymnal->isSet());
    m_importLectionary->setEnabled(m_hymnal->isSet());
}

bool MainWindow::setHymnal(const NativePath &path)
{
    return m_hymnal->set(path);
}

void MainWindow::chooseHymnal()
{
    const QString chosen = m_chooser(this, tr("Set Hymnal"), m_form->currentFolder().toText());
    if (chosen.isEmpty())
        return;
    const NativePath path = NativePath::fromText(chosen);
    if (setHymnal(path)) {
        statusBar()->showMessage(tr("Hymnal set: %1").arg(path.baseName().display()));
        return;
    }
    const QString refused =
        m_hymnal->isSet()
            ? tr("“%1” is not a hymnal text (hymns with their verses between \"--\" lines), so the hymnal stays “%2”.")
                  .arg(path.baseName().display(), m_hymnal->file().path().baseName().display())
            : tr("“%1” is not a hymnal text (hymns with their verses between \"--\" lines), so no hymnal is set.")
                  .arg(path.baseName().display());
    m_dialogs->message(tr("Set Hymnal"), refused, Dialogs::Icon::Exclamation);
}

void MainWindow::clearHymnal()
{
    m_hymnal->clear();
}

void MainWindow::importLectionary()
{
    if (!m_hymnal->isSet())
        return;
    const NativePath folder = m_hymnal->file().path().parent();
    // Refused before anything is read or chosen: the file goes nowhere but beside the hymnal.
    if (const QString refused = LectionarySave::refusal(folder); !refused.isEmpty()) {
        m_dialogs->message(tr("Import Lectionary"), refused, Dialogs::Icon::Exclamation);
        return;
    }
    auto *dialog = new ImportLectionaryDialog(m_ownDialogs ? nullptr : m_dialogs, folder, m_hymnal->books(),
                                              m_churchYear->naming().style, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ImportLectionaryDialog::written, this, [this](const QString &status) {
        // Read at once: the watch would see it soon, but the windows should not wait for it.
        m_hymnal->readLectionary();
        statusBar()->showMessage(status);
    });
    dialog->open();
}

void MainWindow::showUserGuide()
{
    // Made when first asked for, and kept, so that it opens again where it was left.
    if (m_userGuide == nullptr)
        m_userGuide = new UserGuide(this);
    m_userGuide->showGuide();
}

void MainWindow::showReport()
{
    if (!ReportWindow::canReport(m_form->store()))
        return;
    if (m_reportWindow == nullptr) {
        // The real dialogs of the report open over the report, in the desktop's colours; scripted ones are shared.
        m_reportWindow = new ReportWindow(
            m_loadedFile, [form = m_form] { return form->tallyCriteria(); }, m_ownDialogs ? nullptr : m_dialogs,
            &m_settings, this);
        // The criteria change with every Find, Tally and Clear, and the file with every load.
        connect(m_form, &Form1::stateChanged, m_reportWindow, &ReportWindow::followForm);
        m_reportWindow->setHymnal(m_hymnal);
    }
    m_reportWindow->showReport();
}

void MainWindow::showSuggestions(QDate date, bool forService)
{
    if (!m_hymnal->isSet())
        return;
    if (m_suggestWindow == nullptr) {
        m_suggestWindow = new SuggestWindow(m_loadedFile, m_hymnal, this);
        m_suggestWindow->setNaming(m_churchYear->naming());
        m_suggestWindow->followHymnal();
        connect(m_suggestWindow, &SuggestWindow::addToService, this, &MainWindow::openAddService);
    }
    placeSuggestions();
    m_suggestWindow->showSuggestions(date, forService);
}

void MainWindow::placeSuggestions()
{
    if (m_suggestWindow == nullptr)
        return;
    QWidget *owner = this;
    if (m_addServiceDialog && m_addServiceDialog->isVisible())
        owner = m_addServiceDialog;
    if (m_suggestWindow->parentWidget() == owner)
        return;
    // A window given another parent is hidden, and may be moved; it comes back as it was.
    const bool shown = m_suggestWindow->isVisible();
    const QByteArray place = m_suggestWindow->saveGeometry();
    m_suggestWindow->setParent(owner, m_suggestWindow->windowFlags());
    m_suggestWindow->restoreGeometry(place);
    if (shown)
        m_suggestWindow->show();
}

void MainWindow::followNaming()
{
    if (m_suggestWindow != nullptr)
        m_suggestWindow->setNaming(m_churchYear->naming());
    if (m_addServiceDialog)
        m_addServiceDialog->setNaming(m_churchYear->naming(), m_churchYear->namesAlways());
}

void MainWindow::rebuildRecentMenu()
{
    // The action being triggered may be the one that asked for this rebuild: the old ones go once it returns.
    for (QAction *old : m_recentMenu->actions()) {
        m_recentMenu->removeAction(old);
        old->deleteLater();
    }
    const QList<NativePath> paths = m_recent.load();
    for (const NativePath &path : paths) {
        QAction *action = m_recentMenu->addAction(path.display());
        action->setData(path.units());
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!paths.isEmpty());
}

void MainWindow::markMissingRecentFiles()
{
    // Looked at each time the menu opens, not at start: a file on a share that is not mounted yet may come back.
    for (QAction *action : m_recentMenu->actions()) {
        const NativePath path = NativePath::fromUnits(action->data().toByteArray());
        const bool missing = NativeFile::inspect(path).refusal == NativeFile::Refusal::NotFound;
        action->setText(missing ? tr("%1 (missing)").arg(path.display()) : path.display());
    }
}

void MainWindow::openRecent(const NativePath &path)
{
    if (NativeFile::inspect(path).refusal != NativeFile::Refusal::NotFound) {
        openFile(path);
        return;
    }
    const QString question = tr("\"%1\" is no longer there; it may have been moved or deleted.\n\n"
                                "Remove it from the recent files?")
                                 .arg(path.display());
    if (!m_dialogs->confirm(tr("Remove from list"), question))
        return;
    m_recent.remove(path);
    rebuildRecentMenu();
}

bool MainWindow::openFile(const NativePath &path)
{
    // Form1 reports the load, which records it.
    return m_form->openFile(path);
}

void MainWindow::openChosen()
{
    const QString path = m_chooser(this, tr("Open"), m_form->currentFolder().toText());
    if (!path.isEmpty())
        m_form->openFile(NativePath::fromText(path));
}

void MainWindow::showAbout()
{
    m_dialogs->message(tr("About Cantorix2"),
                       //: %1 the version, %2 the publisher, %3 a web address, %4 a folder
                       tr("Cantorix2 %1, by the %2\n\n"
                          "Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports "
                          "each hymn's use over a date range, and copies what it finds to the clipboard.\n\n"
                          "Licensed under the GNU General Public License, version 3 or later.\n\n"
                          "Homepage: %3\n"
                          "Sample files: %4")
                           .arg(QString::fromUtf16(CantorixVersion), QString::fromUtf16(CantorixPublisher),
                                QString::fromUtf16(CantorixHomepage), samplesFolder()),
                       Dialogs::Icon::Information);
}

QString MainWindow::samplesFolder()
{
    // An installed tree of one folder keeps its samples beside the program; the Debian package names its place.
    return QDir::toNativeSeparators(
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf16(CantorixSamplesDir)));
}

AddServiceDialog *MainWindow::addServiceDialog() const
{
    return m_addServiceDialog;
}

void MainWindow::followLoadedFile()
{
    m_changedBar->hide();
    if (m_loadedFile->kind() == LoadedFile::Kind::None)
        m_logWatch->stop();
    else
        m_logWatch->watch(m_loadedFile->path(), m_loadedFile->readFromDisk());
    if (m_addServiceDialog && m_loadedFile->kind() == LoadedFile::Kind::ServiceLog)
        m_addServiceDialog->setSources(m_loadedFile->store(), m_hymnal->store());
    if (m_loadedFile->kind() != LoadedFile::Kind::ServiceLog)
        return;
    const NativePath log = m_loadedFile->path();
    // A mark left while another copy of the program is writing is that write's, not one cut short.
    if (const auto unfinished = Logbook::unfinishedWriteOf(log); unfinished && !WriteLock::isHeldElsewhere(log))
        m_changedBar->showUnfinished(log.baseName().display(), unfinished->backup.path.baseName().display());
    showNulNote();
}

void MainWindow::showNulNote()
{
    const int nuls = int(qMin<qsizetype>(m_loadedFile->nulCharacters(), INT_MAX));
    if (m_loadedFile->kind() != LoadedFile::Kind::ServiceLog || nuls == 0)
        return;
    statusBar()->showMessage(tr("%1 holds %n NUL character(s), which a text file does not: a write may have been cut "
                                "short. Look at it in a text editor.",
                                nullptr, nuls)
                                 .arg(m_loadedFile->path().baseName().display()));
}

void MainWindow::putBackBackup()
{
    const NativePath log = m_loadedFile->path();
    const std::optional<Logbook::UnfinishedWrite> unfinished = Logbook::unfinishedWriteOf(log);
    const QString title = tr("Put Back Backup");
    if (!unfinished) {
        m_changedBar->hide();
        return;
    }
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(log);
    const std::optional<QByteArray> backup =
        NativeFile::readUnfollowed(unfinished->backup.path, HymnFileLoader::MaxFileBytes);
    const QString name = log.baseName().display();
    const QString backupName = unfinished->backup.path.baseName().display();
    if (!now.ok() || !backup) {
        m_dialogs->message(title,
                           !now.ok()
                               ? now.errorText
                               : tr("The backup \"%1\" cannot be read, so it cannot be put back.").arg(backupName),
                           Dialogs::Icon::Exclamation);
        return;
    }
    if (!m_dialogs->confirm(title, Logbook::comparedWithBackup(now.bytes, *backup, name, backupName) + u"\n\n"_s +
                                       tr("Put \"%1\" back in place of \"%2\"? The log as it is now is kept in a "
                                          "backup of its own.")
                                           .arg(backupName, name)))
        return;
    const Logbook::WrittenService written = Logbook::putBackBackup(log, m_loadedFile->readFromDisk(), *unfinished);
    if (written.backup.isKnown())
        m_backups.keep(log, Logbook::lastWriteOf(written));
    if (written.outcome != Logbook::WrittenService::Outcome::Written) {
        m_dialogs->message(title, written.message, Dialogs::Icon::Exclamation);
        return;
    }
    m_form->reload();
    statusBar()->showMessage(written.status);
}

void MainWindow::keepLog()
{
    Logbook::keepLogAsItIs(m_loadedFile->path());
    m_changedBar->hide();
    statusBar()->showMessage(tr("%1 is kept as it is.").arg(m_loadedFile->path().baseName().display()));
}

void MainWindow::showDiskChange(FileWatch::Disk disk)
{
    const QString name = m_loadedFile->path().baseName().display();
    switch (disk) {
    case FileWatch::Disk::AsLoaded:
        m_changedBar->hide();
        break;
    case FileWatch::Disk::Changed:
        m_changedBar->showChanged(name);
        break;
    case FileWatch::Disk::Deleted:
        m_changedBar->showDeleted(name);
        break;
    }
}

void MainWindow::reloadFile()
{
    m_form->reload();
}

void MainWindow::editExternally()
{
    if (m_loadedFile->kind() == LoadedFile::Kind::None)
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_loadedFile->path().toText()))) {
        m_dialogs->message(tr("Open in Text Editor"),
                           tr("No program was found to open \"%1\" with.").arg(m_loadedFile->path().display()),
                           Dialogs::Icon::Exclamation);
    }
}

void MainWindow::openAddService(const std::vector<Logbook::ServiceLine> &hymns)
{
    if (m_loadedFile->kind() != LoadedFile::Kind::ServiceLog) {
        m_dialogs->message(tr("Add Service"), tr("Load a service log first: a service is added to the log loaded."),
                           Dialogs::Icon::Exclamation);
        return;
    }
    // A dialog just closed is still there until the events after it have run.
    if (m_addServiceDialog && m_addServiceDialog->isVisible()) {
        m_addServiceDialog->appendLines(hymns);
        m_addServiceDialog->raise();
        m_addServiceDialog->activateWindow();
        return;
    }
    AddServiceDialog *dialog =
        makeServiceDialog([this](const Logbook::NewService &service) { return submitService(service); });
    dialog->appendLines(hymns);
    dialog->open();
    placeSuggestions();
}

AddServiceDialog *MainWindow::makeServiceDialog(std::function<bool(const Logbook::NewService &)> submit)
{
    auto *dialog = new AddServiceDialog(m_loadedFile->store(), m_hymnal->store(), m_settings.recentWeeks(),
                                        std::move(submit), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setNaming(m_churchYear->naming(), m_churchYear->namesAlways());
    // Its suggestions come back to it through openAddService, which adds to the dialog open.
    connect(dialog, &AddServiceDialog::suggestRequested, this, [this](QDate date) { showSuggestions(date, true); });
    connect(dialog, &AddServiceDialog::recentWeeksChanged, this,
            [this](int weeks) { m_settings.setRecentWeeks(weeks); });
    // Before the dialog goes, which would take Suggest Hymns with it.
    connect(dialog, &QDialog::finished, this, &MainWindow::placeSuggestions);
    connect(dialog, &AddServiceDialog::printBoardRequested, this,
            [this, dialog] { m_serviceCommands->printBoard(dialog->service(), QString(), dialog, serviceDialogs()); });
    connect(dialog, &AddServiceDialog::copyBulletinRequested, this, [this, dialog] {
        const Logbook::NewService service = dialog->service();
        // The heading as the log would write it, in its own style.
        const HymnFileLoader::DiskFile file = HymnFileLoader::readWhole(m_loadedFile->path());
        const Logbook::HeadStyle style =
            file.ok() ? Logbook::readForm(file.bytes, Logbook::LineEnd::Lf).headStyle : Logbook::HeadStyle();
        m_serviceCommands->copyBulletin(style.headLine(service.date, service.occasion.trimmed()), service.lines);
    });
    m_addServiceDialog = dialog;
    m_addServiceDialogs = m_ownDialogs ? std::make_unique<QtDialogs>(dialog, false) : nullptr;
    dialog->setDialogs(m_addServiceDialogs ? m_addServiceDialogs.get() : m_dialogs);
    return dialog;
}

Dialogs *MainWindow::serviceDialogs() const
{
    return m_addServiceDialog && m_addServiceDialogs ? m_addServiceDialogs.get() : m_dialogs;
}

void MainWindow::openEditService()
{
    const QString title = tr("Edit Service");
    if (m_loadedFile->kind() != LoadedFile::Kind::ServiceLog) {
        m_dialogs->message(title, tr("Load a service log first: a service of the log loaded is edited."),
                           Dialogs::Icon::Exclamation);
        return;
    }
    if (m_addServiceDialog && m_addServiceDialog->isVisible()) {
        m_addServiceDialog->raise();
        m_addServiceDialog->activateWindow();
        return;
    }
    const int entry = m_serviceCommands->chosenService();
    const std::optional<std::pair<Logbook::NewService, QString>> logged = m_serviceCommands->chosenLogged();
    if (!logged) {
        m_dialogs->message(title, tr("The log holds no service to edit."), Dialogs::Icon::Exclamation);
        return;
    }
    // The service's place in the file, as the loader read it: continuation entries are no services of their own.
    int index = 0;
    for (int before = 1; before < entry; ++before)
        index += m_form->store().isContinuation(before) ? 0 : 1;
    // The file as it was when the service was read from it: a write into another is refused.
    const FileFacts opened = m_loadedFile->readFromDisk();
    QString shown = logged->second;
    for (const Logbook::ServiceLine &line : logged->first.lines)
        shown += u'\n' + (line.number.isEmpty() ? line.text : line.number + u' ' + line.text);
    AddServiceDialog *dialog = makeServiceDialog([this, index, opened](const Logbook::NewService &service) {
        return m_serviceCommands->submitEdit(index, opened, service,
                                             m_addServiceDialog && m_addServiceDialog->keepsHead());
    });
    dialog->setEditing(logged->first, entry,
                       [this, index, opened, shown] { return m_serviceCommands->removeService(index, opened, shown); });
    dialog->setSources(m_loadedFile->store(), m_hymnal->store());
    dialog->open();
    placeSuggestions();
}

bool MainWindow::submitService(const Logbook::NewService &service)
{
    Dialogs *dialogs = m_addServiceDialogs ? m_addServiceDialogs.get() : m_dialogs;
    // The dialog leaves its empty lines out.
    if (service.lines.empty()) {
        dialogs->message(tr("Add Service"), tr("The service has no hymns yet: add at least one line."),
                         Dialogs::Icon::Exclamation);
        return false;
    }
    // Only a file without any line end yet (empty, or a single line) takes this one; every editor reads LF.
    const NativePath log = m_loadedFile->path();
    const Logbook::WrittenService written =
        Logbook::writeService(log, m_loadedFile->readFromDisk(), service, Logbook::LineEnd::Lf, m_backups.lastFor(log));
    // A backup written is the program's own from now on, also when the log's own write then failed.
    if (written.backup.isKnown())
        m_backups.keep(log, Logbook::lastWriteOf(written));
    switch (written.outcome) {
    case Logbook::WrittenService::Outcome::Written:
        // The watch compares what it finds with what this reload reads, so the program's own write is no change.
        m_form->reload();
        statusBar()->showMessage(written.status);
        return true;
    case Logbook::WrittenService::Outcome::Changed:
        if (dialogs->confirm(tr("Add Service"),
                             written.message + u"\n\n"_s +
                                 tr("Reload it now? The service stays in the dialog, to be added to the file as it "
                                    "is now.")))
            m_form->reload();
        return false;
    case Logbook::WrittenService::Outcome::Refused:
    case Logbook::WrittenService::Outcome::Failed:
        dialogs->message(tr("Add Service"), written.message, Dialogs::Icon::Exclamation);
        return false;
    }
    return false;
}
