// SPDX-License-Identifier: GPL-3.0-or-later
// The window. Controls are built from a table of twips, captions, fonts and start states; each handler reads the
// controls afresh, calls the core, and writes the result back.
#include "app/form/form1.h"

#include "app/form/controltable.h"
#include "app/form/designcaption.h"
#include "app/form/resultrows.h"
#include "app/pickers/dirlist.h"
#include "app/pickers/drivelist.h"
#include "app/pickers/filedate.h"
#include "app/pickers/filelist.h"
#include "app/widgets/captionbutton.h"
#include "app/widgets/designpalette.h"
#include "app/widgets/dialogs.h"
#include "app/widgets/focusmark.h"
#include "app/widgets/rowpicker.h"
#include "app/widgets/taborder.h"
#include "app/widgets/valuelabel.h"
#include "app/widgets/waitcursor.h"
#include "app/widgets/windowicon.h"
#include "panes/clickedit.h"
#include "panes/clipcopy.h"
#include "panes/helptext.h"
#include "platform/folderaccess.h"
#include "platform/systemfonts.h"
#include "search/findhymns.h"
#include "store/booklistreader.h"
#include "store/hymnfileloader.h"
#include "tally/tally.h"
#include "workspace/loadedfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// Only the title, its digit and the credits line are clickable; the others show their text plainly.
bool isClickableLabel(const QString &name)
{
    return name == u"Label2"_s || name == u"Label3"_s || name == u"Label13"_s || name == u"Label14"_s;
}

// A folder that could not be opened: which one, and why, in the system's words.
QString folderErrorText(const NativePath &folder, int error)
{
    //: %1 is the folder's path, %2 the system's reason
    return Form1::tr("The folder \"%1\" cannot be opened: %2.").arg(folder.display(), FolderAccess::reason(error));
}

} // namespace

Form1::Form1(Dialogs *dialogs, QWidget *parent, const NativePath &startFolder, LoadedFile *loaded)
    : QWidget(parent), m_loadedFile(loaded), m_dialogs(dialogs)
{
    if (m_loadedFile == nullptr) {
        m_ownLoadedFile = std::make_unique<LoadedFile>();
        m_loadedFile = m_ownLoadedFile.get();
    }
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtDialogs>(this);
        m_dialogs = m_ownDialogs.get();
    }
    registerFontSubstitutes();
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Cantorix2"_s);
    setWindowIcon(WindowIcon::drawn());
    // The design's size is where the window starts and the least it can be; it grows from there.
    setMinimumSize(ControlTable::ClientWidth / ControlTable::TwipsPerPixel,
                   ControlTable::ClientHeight / ControlTable::TwipsPerPixel);
    resize(minimumSize());
    setPalette(designPalette());
    setAutoFillBackground(true);
    QFont own(u"Arial"_s);
    own.setPointSizeF(8.25);
    setFont(own);

    createControls();
    connectControls();
    // The places the growing window moves from: the two lists and every control right of List2.
    for (QWidget *control : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool besideLists = control->x() >= List2->geometry().right() && control->y() >= List2->y();
        if (control == List1 || control == List2 || besideLists)
            m_designPlaces.insert(control, control->geometry());
    }

    File1->setPattern(u"*.txt"_s);
    // Started in a folder that cannot be opened (unreadable, deleted), the window says why and opens the nearest
    // parent that can be, rather than showing empty lists.
    const NativePath start = startFolder.isEmpty() ? FolderAccess::active().startFolder() : startFolder;
    if (const int error = Dir1->openNearest(start))
        m_dialogs->message(tr("Change Folder"), folderErrorText(start, error), Dialogs::Icon::Exclamation);
    Drive1->selectVolumeOf(Dir1->nativePath());
    Form_Load();
    setKeyboardOrder();
    updateAccessibleNames();
    hymnmbr->setFocus(Qt::OtherFocusReason);
}

void Form1::setKeyboardOrder()
{
    // The picker, then the criteria row by row, then the results and the controls beside them. Hidden and
    // disabled controls are passed over by Tab on their own.
    const QList<QWidget *> order{Drive1,   Dir1,    File1,  Command1, Filter,   TitleOnly, TallySort, TallyAll,
                                 hymnmbr,  LimitYr, Check1, ChkMusic, Go,       excludT,   excludH,   hymname,
                                 BookList, Book,    List1,  List2,    ShowRefs, ClipCopy,  Command3};
    TabOrder::chain(order);

    // Each box is named by the caption beside it, which is also where Alt and its letter would lead.
    const QList<std::pair<QLabel *, QWidget *>> buddies{{Label7, Filter},     {Label1, hymnmbr},  {Label5, hymname},
                                                        {Label15, excludT},   {Label12, excludH}, {ShowYr, LimitYr},
                                                        {Label11, TallySort}, {Label4, File1}};
    for (const auto &[label, box] : buddies)
        label->setBuddy(box);
}

void Form1::updateAccessibleNames()
{
    // A caption a language shortened names its box in full.
    const auto captionOf = [](const QLabel *label) { return DesignCaption::fullTextOf(label).simplified(); };
    for (QLabel *label : {Label7, Label1, Label5, Label15, Label12, ShowYr, Label11, Label4})
        label->buddy()->setAccessibleName(captionOf(label));
    // Captions are read as they stand, less the blanks that place them.
    Hcount->setAccessibleName(captionOf(Hcount));
    Drive1->setAccessibleName(m_volumeCaption->text());
    // The drop-downs' lists, read when they open.
    Drive1->view()->setAccessibleName(m_volumeCaption->text());
    TallySort->view()->setAccessibleName(captionOf(Label11));
    //: screen reader name of the folder list
    Dir1->setAccessibleName(tr("Folders"));
    //: screen reader name of the list of scripture books
    Book->setAccessibleName(tr("Scripture books"));
    //: screen reader name of the check box " full # only": the hymn number matches whole
    Check1->setAccessibleName(tr("full number only"));

    // The lists are named for what they hold now, and the counts for what they count; the counts' values are
    // read with them (ValueLabel).
    const bool verse = store().isVerseFile();
    if (TallyShown == 1) {
        //: screen reader name of the left list in a tally: how often each hymn was used
        List1->setAccessibleName(tr("Counts"));
        //: screen reader name of the right list in a tally: the hymns counted
        List2->setAccessibleName(tr("Hymns"));
    } else {
        //: screen reader name of the left list: a hymnal text's titles (or, next, a service log's dates)
        List1->setAccessibleName(verse ? tr("Titles") : tr("Dates"));
        List2->setAccessibleName(verse ? tr("Verse lines") : tr("Hymn lines"));
    }
    if (m_countsLoaded) {
        //: screen reader name of a count, heard before its value ("Hymns loaded: 120"); so are the names next to it
        Tally->setCaption(verse ? tr("Hymns loaded") : tr("Services loaded"));
        TitleCount->setCaption(verse ? tr("Hymns listed") : tr("Dates listed"));
    } else if (TallyShown == 1) {
        Tally->setCaption(tr("Hymns tallied"));
        TitleCount->setCaption(tr("Uses counted"));
    } else {
        Tally->setCaption(verse ? tr("Lines listed") : tr("Hymn lines listed"));
        TitleCount->setCaption(verse ? tr("Hymns listed") : tr("Dates listed"));
    }
    indexPos->setCaption(tr("Row clicked"));
    ShowDate->setCaption(tr("File date"));
    ShowFile->setCaption(tr("File loaded"));
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Everything above the lists keeps its place; the lists take the growth, List2 the larger share of the
    // width, and the controls right of List2 (the lower ones also with the bottom edge) follow the edge.
    const int dx = width() - ControlTable::ClientWidth / ControlTable::TwipsPerPixel;
    const int dy = height() - ControlTable::ClientHeight / ControlTable::TwipsPerPixel;
    const int leftShare = dx / 3;
    for (QWidget *control : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto design = m_designPlaces.constFind(control);
        if (design == m_designPlaces.constEnd())
            continue;
        QRect place = *design;
        if (control == List1) {
            place.adjust(0, 0, leftShare, dy);
        } else if (control == List2) {
            place.adjust(leftShare, 0, dx, dy);
        } else {
            place.translate(dx, place.top() >= ControlTable::BottomRightTop ? dy : 0);
        }
        control->setGeometry(place);
    }
}

Form1::~Form1() = default;

const EntryStore &Form1::store() const
{
    return m_loadedFile->store();
}

void Form1::find()
{
    Go_Click();
}

void Form1::tally()
{
    TallyAll_Click();
}

void Form1::clearCriteria()
{
    Command3_Click();
}

void Form1::copyList(Side side)
{
    if (side == Side::Left)
        List1_MouseDown(Qt::RightButton);
    else
        List2_MouseDown(Qt::RightButton);
}

void Form1::toggleBold()
{
    Label2_Click();
}

void Form1::showHelp()
{
    Label3_Click();
}

void Form1::loadChosenFile()
{
    Command1_Click();
}

bool Form1::reload()
{
    const NativePath path = m_loadedFile->path();
    if (path.isEmpty())
        return false;
    const bool opened = loadFrom(path.parent(), path.baseName(), path.baseName().display(), Criteria::Keep);
    updateAccessibleNames();
    // A reload is a load: the number box has the keys again, also after Add Service, whose dialog gives them back to
    // this window when it closes.
    hymnmbr->setFocus(Qt::OtherFocusReason);
    return opened;
}

QStringList Form1::boldToggleNames()
{
    return {u"List1"_s,   u"List2"_s,     u"File1"_s,   u"Dir1"_s,    u"hymname"_s, u"Filter"_s,
            u"hymnmbr"_s, u"TallySort"_s, u"excludT"_s, u"excludH"_s, u"Book"_s,    u"LimitYr"_s};
}

void Form1::registerFontSubstitutes()
{
    // The design names the classic Windows faces; each system says what draws them there.
    for (const auto &[named, drawn] : SystemFonts::substitutes())
        QFont::insertSubstitution(named, drawn);
}

void Form1::createControls()
{
    createFromTable();
    bindControls();
    finishControls();
}

void Form1::createFromTable()
{
    const QColor navy(0, 0, 128);
    for (const ControlTable::ControlRow &row : ControlTable::rows()) {
        QWidget *control = ControlTable::create(row, this);
        auto *label = qobject_cast<QLabel *>(control);
        if (label != nullptr && isClickableLabel(control->objectName())) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, navy);
            label->setPalette(palette);
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
        }
    }
}

void Form1::bindControls()
{
    const auto bind = [this](auto *&member, const char16_t *name) {
        member = findChild<std::remove_reference_t<decltype(*member)> *>(QString::fromUtf16(name),
                                                                         Qt::FindDirectChildrenOnly);
        // The handlers use the members without checking them: a name out of step with the table is fatal at once.
        if (member == nullptr)
            qFatal("Form1: no control named %s in the window's table", qUtf8Printable(QString::fromUtf16(name)));
    };
    bind(TitleOnly, u"TitleOnly");
    bind(ChkMusic, u"ChkMusic");
    bind(LimitYr, u"LimitYr");
    bind(excludT, u"excludT");
    bind(BookList, u"BookList");
    bind(Book, u"Book");
    bind(ShowRefs, u"ShowRefs");
    bind(excludH, u"excludH");
    bind(TallySort, u"TallySort");
    bind(Filter, u"Filter");
    bind(TallyAll, u"TallyAll");
    bind(Check1, u"Check1");
    bind(List2, u"List2");
    bind(Go, u"Go");
    bind(hymname, u"hymname");
    bind(hymnmbr, u"hymnmbr");
    bind(List1, u"List1");
    m_leftRows = static_cast<ResultRows *>(List1->model());
    m_rightRows = static_cast<ResultRows *>(List2->model());
    bind(Command3, u"Command3");
    bind(Command1, u"Command1");
    bind(Dir1, u"Dir1");
    bind(Drive1, u"Drive1");
    bind(File1, u"File1");
    bind(ClipCopy, u"ClipCopy");
    bind(ShowYr, u"ShowYr");
    bind(Label15, u"Label15");
    bind(indexPos, u"indexPos");
    bind(TitleCount, u"TitleCount");
    bind(Label13, u"Label13");
    bind(Hcount, u"Hcount");
    bind(Label14, u"Label14");
    bind(Label12, u"Label12");
    bind(Label11, u"Label11");
    bind(ShowFile, u"ShowFile");
    bind(ShowDate, u"ShowDate");
    bind(Label7, u"Label7");
    bind(Label6, u"Label6");
    bind(Label5, u"Label5");
    bind(Label1, u"Label1");
    bind(Tally, u"Tally");
    bind(Label4, u"Label4");
    bind(Label3, u"Label3");
    bind(Label2, u"Label2");
}

void Form1::finishControls()
{
    // A right click on an output list copies it; it must not also select a row.
    for (QListView *list : {List1, List2}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }
    // The lists show where the keys are, also before any row is current.
    for (QAbstractItemView *list : std::initializer_list<QAbstractItemView *>{List1, List2, Dir1, File1, Book})
        new FocusMark(list);
    // A long file name keeps its start and its end in view.
    ShowFile->setWordWrap(false);
    ShowFile->setElidedInMiddle(true);
    // The design has no caption beside the volume list; this one is never shown, and only names the list.
    //: screen reader name of the list of drives (volumes)
    m_volumeCaption = new QLabel(tr("Volume"), this);
    m_volumeCaption->setObjectName(u"VolumeCaption"_s);
    m_volumeCaption->setGeometry(QRect());
    m_volumeCaption->hide();
    m_volumeCaption->setBuddy(Drive1);

    // The title is declared last and so lies on top, but its "2" and "\u00A9" sit within its box: they are
    // raised above it so that a click on them reaches them.
    Label13->raise();
    Label14->raise();
}

void Form1::connectControls()
{
    connect(Drive1, &DriveList::driveChanged, this, &Form1::Drive1_Change);
    connect(Dir1, &DirList::pathChanged, this, &Form1::Dir1_Change);
    connect(Dir1, &DirList::mouseDown, this, &Form1::Dir1_MouseDown);
    connect(Dir1, &DirList::openFailed, this, [this](const NativePath &folder, int error) {
        m_dialogs->message(tr("Change Folder"), folderErrorText(folder, error), Dialogs::Icon::Exclamation);
    });
    // A click on a row and a move of the current row with the keys are both clicks; focus arriving is not.
    connect(new RowPicker(File1), &RowPicker::picked, this, &Form1::File1_Click);
    // Enter or a double click on a file loads it, as every file list does. The load refills the list, so it runs
    // once the list has finished handling the key or click.
    connect(
        File1, &FileList::fileActivated, this,
        [this](const NativePath &name) {
            if (!File1->choose(name))
                return;
            File1_Click();
            Command1_Click();
        },
        Qt::QueuedConnection);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(BookList, &QPushButton::clicked, this, &Form1::BookList_Click);
    connect(Book, &QListWidget::itemClicked, this, &Form1::Book_Click);

    connect(Go, &QPushButton::clicked, this, &Form1::Go_Click);
    connect(TallyAll, &QPushButton::clicked, this, &Form1::TallyAll_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    for (QLineEdit *box : {excludH, excludT, Filter, hymname, hymnmbr, LimitYr})
        connect(box, &QLineEdit::textChanged, this, &Form1::MarkClear);
    // Enter starts a search from these three boxes only; the exclusion and year boxes have no such key.
    for (QLineEdit *box : {Filter, hymname, hymnmbr})
        connect(box, &QLineEdit::returnPressed, this, &Form1::Go_Click);

    connect(List1->verticalScrollBar(), &QScrollBar::valueChanged, this, &Form1::List1_Scroll);
    connect(List2->verticalScrollBar(), &QScrollBar::valueChanged, this, &Form1::List2_Scroll);
    connect(new RowPicker(List1), &RowPicker::picked, this, &Form1::List1_Click);
    connect(new RowPicker(List2), &RowPicker::picked, this, &Form1::List2_Click);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // In a focused output list the copy keys and the menu key copy it, as a right click does.
    if (watched == List1 || watched == List2) {
        const bool copyKey =
            type == QEvent::KeyPress && (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy) ||
                                         static_cast<QKeyEvent *>(event)->key() == Qt::Key_Menu);
        const bool menuKey = type == QEvent::ContextMenu &&
                             static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
        if (copyKey || menuKey) {
            if (watched == List1)
                List1_MouseDown(Qt::RightButton);
            else
                List2_MouseDown(Qt::RightButton);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();

    if (watched == List1->viewport() || watched == List2->viewport()) {
        if (type == QEvent::MouseButtonPress) {
            if (watched == List1->viewport())
                List1_MouseDown(button);
            else
                List2_MouseDown(button);
        }
        return button == Qt::RightButton;
    }
    if (type == QEvent::MouseButtonPress && button == Qt::LeftButton) {
        if (watched == Label13)
            Label13_Click();
        else if (watched == Label14)
            Label14_Click();
        else if (watched == Label3)
            Label3_Click();
        else if (watched == Label2)
            Label2_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    // A press that a label (or a disabled control) let through arrives here too; only the bare background counts.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        Form_Click();
    QWidget::mousePressEvent(event);
}

// ---- Start-up and the background

void Form1::Form_Load()
{
    for (const DesignCaption &order : {DesignCaption("freq"), DesignCaption("title"), DesignCaption("hymn #")})
        order.addTo(TallySort);
    TallySort->setCurrentIndex(0);
    Book->addItem(u"NONE"_s);
    LoadBooks();
}

void Form1::Form_Click()
{
    Book->hide();
}

// ---- Choosing and loading the file

void Form1::Drive1_Change()
{
    const NativePath previous = Dir1->nativePath();
    if (Dir1->open(Drive1->nativeDrive()) != 0) {
        m_dialogs->message(tr("Change Drive"), tr("Error encountered while changing drive"),
                           Dialogs::Icon::Exclamation);
        Drive1->selectVolumeOf(previous);
        return;
    }
    Drive1->refresh();
}

void Form1::Dir1_Change()
{
    // The book list is read from the folder shown, as the files are; the files come from the folder list's own
    // reading of the folder when it has one.
    if (std::vector<FolderAccess::Entry> entries; Dir1->takeListing(entries))
        File1->setListing(Dir1->nativePath(), std::move(entries));
    else
        File1->setNativePath(Dir1->nativePath());
    if (FileErr == 1)
        LoadBooks();
}

void Form1::Dir1_MouseDown()
{
    Drive1->refresh();
}

void Form1::File1_Click()
{
    Command1->show();
    const NativePath name = File1->nativeFileName();
    qint64 seconds = 0;
    const bool dated = !name.isEmpty() && FolderAccess::active().modified(File1->nativePath().child(name), seconds);
    ShowDate->setText(dated ? fileDateText(seconds) : QString());
    ShowFile->hide();
}

void Form1::Command1_Click()
{
    const NativePath chosenName = File1->nativeFileName();
    const NativePath chosen = File1->nativePath().child(chosenName);
    GetFile();
    Command1->hide();
    showFileName(chosenName.isEmpty() ? NativePath() : chosen, File1->fileName());
    Book->hide();
    // The lists show the folder as it is now: the file may have gone, or the folder itself.
    Dir1->reenter();
    File1->refresh();
    updateAccessibleNames();
    // Ready for the first search: the number box has the keys after every load.
    hymnmbr->setFocus(Qt::OtherFocusReason);
    // With no row chosen there was no file to try, and nothing to offer again.
    if (!chosenName.isEmpty())
        Q_EMIT fileOpened(chosen);
    Q_EMIT stateChanged();
}

const NativePath &Form1::currentFolder() const
{
    return Dir1->nativePath();
}

bool Form1::openFile(const NativePath &given)
{
    const NativePath absolute = given.absoluteFrom(Dir1->nativePath());
    // The folder without links, "." or "..", so that one file reached two ways is one recent file; a folder that
    // is not there stays as it was given, for the message to name.
    NativePath folder = absolute.parent();
    const NativePath name = absolute.baseName();
    if (NativePath clean; FolderAccess::active().resolve(folder, clean) == 0)
        folder = clean;
    const NativePath path = folder.child(name);
    // A folder that cannot be entered leaves the lists where they were; the load below then says what is wrong.
    if (Dir1->nativePath() != folder && Dir1->open(folder) == 0)
        Drive1->selectVolumeOf(Dir1->nativePath());
    File1->choose(name);
    // Nobody clicked a row, so the date a click would have shown is shown here.
    qint64 seconds = 0;
    ShowDate->setText(FolderAccess::active().modified(path, seconds) ? fileDateText(seconds) : QString());

    const QString shown = name.display();
    const bool opened = loadFrom(folder, name, shown);
    Command1->hide();
    showFileName(path, shown);
    Book->hide();
    Dir1->reenter();
    File1->refresh();
    File1->choose(name);
    updateAccessibleNames();
    hymnmbr->setFocus(Qt::OtherFocusReason);
    Q_EMIT fileOpened(path);
    Q_EMIT stateChanged();
    return opened;
}

bool Form1::canFind() const
{
    return Go->isVisibleTo(this) && Go->isEnabled();
}

bool Form1::canTally() const
{
    return TallyAll->isVisibleTo(this) && TallyAll->isEnabled();
}

int Form1::leftRowCount() const
{
    return int(m_leftRows->rows().size());
}

int Form1::rightRowCount() const
{
    return int(m_rightRows->rows().size());
}

void Form1::showFileName(const NativePath &path, const QString &shownName)
{
    ShowFile->setText(shownName);
    // Whatever the name holds is shown as text, markup characters and all.
    ShowFile->setToolTip(path.isEmpty() ? QString() : Qt::convertFromPlainText(path.display()));
    ShowFile->setAccessibleDescription(path.display());
    ShowFile->show();
}

void Form1::focusNumber()
{
    hymnmbr->setFocus(Qt::ShortcutFocusReason);
    hymnmbr->selectAll();
}

void Form1::GetFile()
{
    loadFrom(File1->nativePath(), File1->nativeFileName(), File1->fileName());
}

bool Form1::loadFrom(const NativePath &folder, const NativePath &name, const QString &shownName, Criteria criteria)
{
    fillLists({}, {});
    TitleCount->setText(QString());
    indexPos->setText(QString());
    ShowRefs->hide();
    BookList->hide();

    const WaitCursor wait;
    // The file is named by its folder and its own name, the full path, never by a bare name.
    LoadOutcome outcome = m_loadedFile->load(folder.child(name));
    NativePath resolved;
    if (!outcome.opened && FolderAccess::active().resolve(folder, resolved) != 0) {
        //: %1 is the folder's path, %2 the file's name
        outcome.errorText =
            tr("The folder \"%1\" is no longer there, so \"%2\" could not be read.").arg(folder.display(), shownName);
    }
    Tally->setText(QString::number(store().hymnCount()));
    m_countsLoaded = true;
    if (outcome.failed())
        m_dialogs->message(tr("File Error"), outcome.errorText, Dialogs::Icon::Exclamation);
    if (outcome.limitReached) {
        m_dialogs->message(tr("Limit reached"), HymnFileLoader::limitMessage(store().entryCount()),
                           Dialogs::Icon::Exclamation);
    }
    if (!outcome.opened) {
        Q_EMIT stateChanged();
        return false;
    }

    Go->show();
    TallyAll->show();
    TallyAll->setEnabled(true);
    setLayoutFor(store().isVerseFile(), outcome.hasReferences);
    if (criteria == Criteria::Clear) {
        for (QLineEdit *box : {Filter, hymnmbr, hymname, excludH, excludT, LimitYr})
            box->clear();
        ChkMusic->setChecked(false);
        Check1->setChecked(false);
    }
    Go->setEnabled(true);
    Q_EMIT stateChanged();
    return true;
}

void Form1::moveTwips(QWidget *control, int left, int width)
{
    QRect place = control->geometry();
    place.moveLeft(left / ControlTable::TwipsPerPixel);
    if (width > 0)
        place.setWidth(width / ControlTable::TwipsPerPixel);
    control->setGeometry(place);
}

void Form1::setLayoutFor(bool verseFile, bool hasReferences)
{
    (verseFile ? DesignCaption("Limit title to:") : DesignCaption("Limit date to:")).showOn(Label7);
    (verseFile ? DesignCaption("Verse phrase:") : DesignCaption("Title phrase:")).showOn(Label5);
    (verseFile ? DesignCaption("exclude phrase:") : DesignCaption("exclude title:")).showOn(Label15);
    (verseFile ? DesignCaption("# of hymns:") : DesignCaption("  # of dates:")).showOn(Hcount);
    if (!verseFile)
        TitleCount->setText(QString());
    (verseFile ? DesignCaption("copy w/ title") : DesignCaption("copy w/ date")).showOn(ClipCopy);
    ClipCopy->setChecked(false);
    TitleOnly->setChecked(false);
    TitleOnly->setVisible(verseFile);
    ShowYr->setVisible(verseFile);
    LimitYr->setVisible(verseFile);
    if (verseFile)
        LimitYr->clear();
    ChkMusic->setVisible(verseFile);
    moveTwips(Filter, verseFile ? 3900 : 5880, verseFile ? 5600 : 3615);
    moveTwips(Label7, verseFile ? 3080 : 5040, 0);
    Label11->setVisible(!verseFile);
    TallySort->setVisible(!verseFile);
    TallyAll->setVisible(!verseFile);
    ShowRefs->setVisible(verseFile && hasReferences);
    BookList->setVisible(verseFile && hasReferences && FileErr == 0);
}

// ---- The scripture book list

void Form1::LoadBooks()
{
    FileErr = 0;
    const BookListResult books = BookListReader::readFile(Dir1->nativePath().child(BookListReader::fileName()));
    Book->addItems(books.names);
    if (books.failed)
        FileErr = 1;
}

void Form1::BookList_Click()
{
    if (Book->isVisible()) {
        Book->hide();
        return;
    }
    Book->show();
    Book->raise();
    ShowRefs->setChecked(true);
}

void Form1::Book_Click()
{
    const QListWidgetItem *item = Book->currentItem();
    if (item != nullptr && item->text() != u"NONE"_s)
        hymname->setText(item->text());
    Book->hide();
}

// ---- Search and criteria

void Form1::Go_Click()
{
    Command1->hide();
    ShowFile->show();
    Book->hide();
    if (readCriteria().asksForEverything() &&
        !m_dialogs->confirm(tr("Show output"), tr("Show entire file (may be slow)?")))
        return;
    FindHymns();
}

void Form1::FindHymns()
{
    // Only a search that runs takes the panes over from a tally; a cancelled one leaves the tally and its flag.
    TallyShown = 0;
    m_countsLoaded = false;
    Tally->setText(u"0"_s);
    TitleCount->show();
    Hcount->show();
    TitleCount->setText(QString());
    Go->setEnabled(false);
    TallyAll->setEnabled(false);
    if (!store().isVerseFile())
        DesignCaption("  # of dates:").showOn(Hcount);
    indexPos->setText(QString());

    // The lists are emptied and filled in one step: nothing is drawn in between, and a second reset of the
    // views would only add to the wait.
    if (store().entryCount() > 0) {
        Search::SearchResult result = Search::FindHymns(store(), readCriteria());
        fillLists(result.list1, result.list2);
        m_rowEntries = std::move(result.entries);
        Tally->setText(QString::number(result.totalRows));
        TitleCount->setText(QString::number(result.distinctHeads));
    } else {
        fillLists({}, {});
    }
    updateAccessibleNames();
    Go->setEnabled(true);
    TallyAll->setEnabled(true);
    Q_EMIT stateChanged();
}

Search::SearchCriteria Form1::readCriteria() const
{
    Search::SearchCriteria criteria;
    criteria.hymnmbr = hymnmbr->text();
    criteria.hymname = hymname->text();
    criteria.excludH = excludH->text();
    criteria.excludT = excludT->text();
    criteria.Filter = Filter->text();
    criteria.LimitYr = LimitYr->text();
    criteria.fullNumberOnly = Check1->isChecked();
    criteria.titleOnly = TitleOnly->isChecked();
    criteria.ofMusic = ChkMusic->isChecked();
    criteria.showRefs = ShowRefs->isChecked();
    return criteria;
}

void Form1::fillLists(const QStringList &left, const QStringList &right)
{
    // Rows of another kind, or of another file: no row is chosen.
    m_rowEntries.clear();
    m_chosenEntry = 0;
    m_leftRows->setRows(left);
    m_rightRows->setRows(right);
    for (QListView *list : {List1, List2}) {
        // A reset lays the rows out again only later, so the scroll position of the old rows would survive into
        // the new ones: every refill starts at the top, with no row chosen.
        list->verticalScrollBar()->setValue(0);
        list->horizontalScrollBar()->setValue(0);
        // Rows share one size, measured on the last row as the view itself would: given as a grid, it spares the
        // view asking the model for every row's index while it lays out the list.
        if (const int rows = list->model()->rowCount(); rows > 0)
            list->setGridSize(list->sizeHintForIndex(list->model()->index(rows - 1, 0)));
    }
}

void Form1::Command3_Click()
{
    Filter->clear();
    hymnmbr->clear();
    hymname->clear();
    excludH->clear();
    excludT->clear();
    Check1->setChecked(false);
    ChkMusic->setChecked(false);
    LimitYr->clear();
    TitleOnly->setChecked(false);
    Book->hide();
    Q_EMIT stateChanged();
}

void Form1::MarkClear()
{
    bool anySet = false;
    for (const QLineEdit *box : {excludH, hymname, hymnmbr, Filter, LimitYr, excludT})
        anySet = anySet || !box->text().isEmpty();
    const DesignCaption caption = anySet ? DesignCaption("Clear*") : DesignCaption("Clear");
    caption.showOn(Command3);
    // The mark is heard as words.
    Command3->setAccessibleName(anySet ? tr("Clear, criteria set") : caption.full());
}

void Form1::Label13_Click()
{
    hymname->setText(hymname->text() + QChar(0x00E9));
}

void Form1::Label14_Click()
{
    hymname->setText(hymname->text() + QChar(0x00A9));
}

// ---- Tally

void Form1::TallyAll_Click()
{
    // The old rows go when the counts are listed, in one reset of the views.
    indexPos->setText(QString());
    Go->setEnabled(false);
    TallyAll->setEnabled(false);
    Command1->hide();
    ShowFile->show();
    const WaitCursor wait;
    TallyShown = 1;
    m_countsLoaded = false;

    const Tally::TallyResult result = Tally::TallyHymns(store(), tallyCriteria());
    fillLists(result.list1, result.list2);

    DesignCaption("           sum:").showOn(Hcount);
    Tally->setText(QString::number(result.rows));
    TitleCount->setText(QString::number(result.sum));
    updateAccessibleNames();
    Go->setEnabled(true);
    TallyAll->setEnabled(true);
    Q_EMIT stateChanged();
}

Tally::TallyCriteria Form1::tallyCriteria() const
{
    // The tally reads the boxes a search reads, less those of verse files.
    const Search::SearchCriteria boxes = readCriteria();
    return {.excludT = boxes.excludT,
            .excludH = boxes.excludH,
            .hymnmbr = boxes.hymnmbr,
            .hymname = boxes.hymname,
            .Filter = boxes.Filter,
            .fullNumberOnly = boxes.fullNumberOnly,
            .order = Tally::tallyOrderAt(TallySort->currentIndex())};
}

// ---- The output panes

void Form1::List1_Scroll()
{
    List2->verticalScrollBar()->setValue(List1->verticalScrollBar()->value());
}

void Form1::List2_Scroll()
{
    List1->verticalScrollBar()->setValue(List2->verticalScrollBar()->value());
}

void Form1::applyClick(const Panes::ClickEdit &edit)
{
    hymnmbr->setText(edit.hymnmbr);
    hymname->setText(edit.hymname);
    LimitYr->setText(edit.LimitYr);
    ChkMusic->setChecked(false);
    if (edit.uncheckTitleOnly)
        TitleOnly->setChecked(false);
    indexPos->setText(edit.indexPos);
    if (edit.Filter.has_value())
        Filter->setText(*edit.Filter);
}

void Form1::List1_Click()
{
    List2->verticalScrollBar()->setValue(List1->verticalScrollBar()->value());
    const int row = List1->currentIndex().row();
    if (row < 0)
        return;
    applyClick(Panes::List1ClickEdit(m_leftRows->text(row), row, store().isVerseFile(), TallyShown != 0));
    chooseService(row);
}

void Form1::List2_Click()
{
    List1->verticalScrollBar()->setValue(List2->verticalScrollBar()->value());
    const int row = List2->currentIndex().row();
    if (row < 0)
        return;
    applyClick(Panes::List2ClickEdit(m_rightRows->text(row), m_leftRows->text(row), row, store().isVerseFile()));
    chooseService(row);
}

void Form1::chooseService(int row)
{
    if (TallyShown != 0 || store().isVerseFile() || row < 0 || size_t(row) >= m_rowEntries.size())
        return;
    int entry = m_rowEntries[size_t(row)];
    // A row of a continuation entry stands for the service it carries on.
    while (entry > 1 && store().isContinuation(entry))
        --entry;
    m_chosenEntry = entry;
}

int Form1::chosenServiceEntry() const
{
    return TallyShown != 0 || store().isVerseFile() ? 0 : m_chosenEntry;
}

void Form1::List1_MouseDown(Qt::MouseButton button)
{
    // Only a right click copies; any other click leaves the user's clipboard as it was.
    if (button != Qt::RightButton || m_leftRows->rows().isEmpty())
        return;
    const std::optional<Panes::CopyResult> copy =
        Panes::List1Copy(m_leftRows->rows(), ClipCopy->isChecked(), TallyShown != 0, store().isVerseFile());
    if (!copy.has_value())
        return;
    QGuiApplication::clipboard()->setText(copy->text);
    m_dialogs->message(copy->title, copy->message, Dialogs::Icon::Information);
}

void Form1::List2_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton || m_rightRows->rows().isEmpty())
        return;
    if (Panes::TitleCountReadsOne(TitleCount->text()))
        hymname->clear();

    Panes::List2CopyInputs in;
    in.list1 = m_leftRows->rows();
    in.list2 = m_rightRows->rows();
    in.clipCopy = ClipCopy->isChecked();
    in.showRefsVisible = ShowRefs->isVisibleTo(this);
    const Search::SearchCriteria boxes = readCriteria();
    in.hymname = boxes.hymname;
    in.excludT = boxes.excludT;
    in.LimitYr = boxes.LimitYr;
    in.titleOnly = boxes.titleOnly;
    in.verseFile = store().isVerseFile();
    in.tallyShown = TallyShown != 0;

    std::optional<QString> answer;
    if (Panes::List2AsksVerse(in)) {
        const Panes::VersePrompt ask = Panes::List2VersePrompt(in.showRefsVisible);
        const QString reply = m_dialogs->input(ask.prompt, ask.title, ask.defaultAnswer);
        if (!reply.isEmpty())
            answer = reply;
    }
    const std::optional<Panes::CopyResult> copy = Panes::List2Copy(in, answer);
    if (!copy.has_value())
        return;
    // A verse that no hymn has copies nothing; the message says so and the clipboard keeps what it had.
    if (!copy->text.isEmpty())
        QGuiApplication::clipboard()->setText(copy->text);
    m_dialogs->message(copy->title, copy->message, Dialogs::Icon::Information);
}

void Form1::Label3_Click()
{
    m_dialogs->message(Panes::HelpTitle(), Panes::HelpText(), Dialogs::Icon::Information);
}

void Form1::Label2_Click()
{
    // Each control is switched by itself, so controls that differed before still differ after.
    for (const QString &name : boldToggleNames()) {
        if (auto *control = findChild<QWidget *>(name, Qt::FindDirectChildrenOnly)) {
            QFont font = control->font();
            font.setBold(!font.bold());
            control->setFont(font);
        }
    }
}
