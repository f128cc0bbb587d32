// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and its actions. Form1 keeps doing the work; this window only routes the commands to it and
// keeps the recent-files list, which Form1 reports each load to.
#include "app/mainwindow/mainwindow.h"

#include "app/form/form1.h"
#include "app/mainwindow/session.h"
#include "app/plan/suggestwindow.h"
#include "app/report/reportwindow.h"
#include "app/widgets/dialogs.h"
#include "installinfo.h"
#include "platform/nativefile.h"
#include "store/booklistreader.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

// The platform's key for a standard action, or the usual one where the platform (a bare X11 or offscreen
// session) names none.
QKeySequence keyFor(QKeySequence::StandardKey key, const QKeySequence &usual)
{
    const QKeySequence platform(key);
    return platform.isEmpty() ? usual : platform;
}

// Where the hymnal's path is kept, as its units.
const QString kHymnalKey = u"hymnal/path"_s;

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
    m_session = new Session(this);
    m_hymnal = new Session(this);
    m_form = new Form1(m_dialogs, this, startFolder, m_session);
    setWindowIcon(m_form->windowIcon());
    setCentralWidget(m_form);
    m_chooser = [](QWidget *parent, const QString &startFolder) {
        return QFileDialog::getOpenFileName(parent, u"Open"_s, startFolder, u"Hymn files (*.txt);;All files (*)"_s);
    };
    createActions();
    connect(m_form, &Form1::stateChanged, this, &MainWindow::updateActions);
    // Every attempted load counts, the file list's "Get File" as much as the menu's, so that a file named wrongly
    // can be tried again from the list.
    connect(m_form, &Form1::fileOpened, this, [this](const NativePath &path) {
        m_recent.add(path);
        rebuildRecentMenu();
        m_loadedPath = path;
        if (m_reportWindow != nullptr)
            m_reportWindow->setLoadedFile(path);
    });
    updateActions();
    rebuildRecentMenu();
    restoreHymnal();
}

MainWindow::~MainWindow()
{
    // Form1 and the report refer to the dialogs this window may own; they go first, the report before the form
    // whose criteria it reads. The suggestions follow the sessions, which go with this window.
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

    QMenu *file = menuBar()->addMenu(u"&File"_s);
    add(file, u"actOpen"_s, u"&Open…"_s, keyFor(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)),
        &MainWindow::openChosen);
    m_recentMenu = file->addMenu(u"Open &Recent"_s);
    m_recentMenu->menuAction()->setObjectName(u"actOpenRecent"_s);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::markMissingRecentFiles);
    file->addSeparator();
    add(file, u"actSetHymnal"_s, u"Set &Hymnal…"_s, QKeySequence(), &MainWindow::chooseHymnal);
    m_clearHymnal = add(file, u"actClearHymnal"_s, u"Clear H&ymnal"_s, QKeySequence(), &MainWindow::clearHymnal);
    file->addSeparator();
    add(file, u"actQuit"_s, u"&Quit"_s, keyFor(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &MainWindow::close);

    QMenu *edit = menuBar()->addMenu(u"&Edit"_s);
    m_copyLeft = add(edit, u"actCopyLeft"_s, u"Copy &Left List"_s, QKeySequence(),
                     [this] { m_form->copyList(Form1::Side::Left); });
    m_copyRight = add(edit, u"actCopyRight"_s, u"Copy &Right List"_s, QKeySequence(),
                      [this] { m_form->copyList(Form1::Side::Right); });
    edit->addSeparator();
    add(edit, u"actClear"_s, u"&Clear criteria"_s, QKeySequence(), [this] { m_form->clearCriteria(); });

    QMenu *search = menuBar()->addMenu(u"&Search"_s);
    m_find = add(search, u"actFind"_s, u"&Find"_s, QKeySequence(Qt::Key_F3), [this] { m_form->find(); });
    m_tally = add(search, u"actTally"_s, u"&Tally"_s, QKeySequence(Qt::CTRL | Qt::Key_T), [this] { m_form->tally(); });
    add(search, u"actFocusNumber"_s, u"Focus Hymn &#"_s, QKeySequence(Qt::CTRL | Qt::Key_L),
        [this] { m_form->focusNumber(); });
    search->addSeparator();
    m_report =
        add(search, u"actReport"_s, u"Usage &Report…"_s, QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::showReport);
    m_suggest = add(search, u"actSuggest"_s, u"Suggest &Hymns…"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                    &MainWindow::showSuggestions);

    QMenu *view = menuBar()->addMenu(u"&View"_s);
    add(view, u"actBold"_s, u"&Bold"_s, keyFor(QKeySequence::Bold, QKeySequence(Qt::CTRL | Qt::Key_B)),
        [this] { m_form->toggleBold(); });

    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    add(help, u"actHelp"_s, u"&Help"_s, keyFor(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)),
        [this] { m_form->showHelp(); });
    add(help, u"actAbout"_s, u"&About Cantorix2"_s, QKeySequence(), &MainWindow::showAbout);
}

void MainWindow::updateActions()
{
    m_find->setEnabled(m_form->canFind());
    m_tally->setEnabled(m_form->canTally());
    m_copyLeft->setEnabled(m_form->leftRowCount() > 0);
    m_copyRight->setEnabled(m_form->rightRowCount() > 0);
    m_report->setEnabled(ReportWindow::canReport(m_form->store()));
    m_clearHymnal->setEnabled(m_hymnal->kind() == Session::Kind::Hymnal);
    m_suggest->setEnabled(SuggestWindow::canSuggest(*m_hymnal));
}

bool MainWindow::loadHymnal(const NativePath &path)
{
    const LoadOutcome outcome = m_hymnal->load(path);
    const bool hymnal = outcome.opened && m_hymnal->kind() == Session::Kind::Hymnal;
    if (!hymnal)
        m_hymnal->clear();
    m_hymnalBooks =
        hymnal ? BookListReader::readFile(path.parent().child(BookListReader::fileName())).names : QStringList();
    return hymnal;
}

bool MainWindow::setHymnal(const NativePath &path)
{
    const bool hymnal = loadHymnal(path);
    if (const std::unique_ptr<QSettings> settings = m_settings.open()) {
        if (hymnal)
            settings->setValue(kHymnalKey, path.units());
        else
            settings->remove(kHymnalKey);
    }
    updateActions();
    Q_EMIT hymnalChanged();
    return hymnal;
}

void MainWindow::chooseHymnal()
{
    const QString chosen = m_chooser(this, m_form->currentFolder().toText());
    if (chosen.isEmpty())
        return;
    const NativePath path = NativePath::fromText(chosen);
    if (setHymnal(path))
        return;
    m_dialogs->message(u"Set Hymnal"_s,
                       u"“%1” is not a hymnal text (hymns with their verses between \"--\" lines), so no hymnal is "
                       "set."_s.arg(path.baseName().display()),
                       Dialogs::Icon::Exclamation);
}

void MainWindow::clearHymnal()
{
    m_hymnal->clear();
    m_hymnalBooks.clear();
    if (const std::unique_ptr<QSettings> settings = m_settings.open())
        settings->remove(kHymnalKey);
    updateActions();
    Q_EMIT hymnalChanged();
}

void MainWindow::restoreHymnal()
{
    const std::unique_ptr<QSettings> settings = m_settings.open();
    if (!settings)
        return;
    const NativePath path = NativePath::fromUnits(settings->value(kHymnalKey).toByteArray());
    if (RecentFiles::isKeepable(path) && loadHymnal(path)) {
        updateActions();
        Q_EMIT hymnalChanged();
    }
}

void MainWindow::showReport()
{
    if (!ReportWindow::canReport(m_form->store()))
        return;
    if (m_reportWindow == nullptr) {
        // The real dialogs of the report open over the report, in the desktop's colours; scripted ones are shared.
        m_reportWindow = new ReportWindow(
            m_session, [form = m_form] { return form->tallyCriteria(); }, m_ownDialogs ? nullptr : m_dialogs, this);
        m_reportWindow->setLoadedFile(m_loadedPath);
        // The criteria change with every Find, Tally and Clear, and the file with every load.
        connect(m_form, &Form1::stateChanged, m_reportWindow, &ReportWindow::followForm);
    }
    m_reportWindow->showReport();
}

void MainWindow::showSuggestions()
{
    if (!SuggestWindow::canSuggest(*m_hymnal))
        return;
    if (m_suggestWindow == nullptr) {
        m_suggestWindow = new SuggestWindow(m_session, m_hymnal, this);
        m_suggestWindow->followHymnal(m_hymnalBooks);
        connect(this, &MainWindow::hymnalChanged, m_suggestWindow,
                [this] { m_suggestWindow->followHymnal(m_hymnalBooks); });
    }
    m_suggestWindow->showSuggestions();
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
        action->setText(path.display() + (missing ? u" (missing)"_s : QString()));
    }
}

void MainWindow::openRecent(const NativePath &path)
{
    if (NativeFile::inspect(path).refusal != NativeFile::Refusal::NotFound) {
        openFile(path);
        return;
    }
    const QString question = u"\"%1\" is no longer there; it may have been moved or deleted.\n\n"
                             "Remove it from the recent files?"_s.arg(path.display());
    if (!m_dialogs->confirm(u"Remove from list"_s, question))
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
    const QString path = m_chooser(this, m_form->currentFolder().toText());
    if (!path.isEmpty())
        m_form->openFile(NativePath::fromText(path));
}

void MainWindow::showAbout()
{
    m_dialogs->message(u"About Cantorix2"_s,
                       u"Cantorix2 %1\n\n"
                       "Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports "
                       "each hymn's use over a date range, and copies what it finds to the clipboard.\n\n"
                       "Licensed under the GNU General Public License, version 3 or later.\n\n"
                       "Homepage: %2\n"
                       "Sample files: %3"_s.arg(QString::fromUtf16(CantorixVersion),
                                                QString::fromUtf16(CantorixHomepage),
                                                QString::fromUtf16(CantorixSamplesDir)),
                       Dialogs::Icon::Information);
}
