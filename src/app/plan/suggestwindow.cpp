// SPDX-License-Identifier: GPL-3.0-or-later
// The suggestion window's controls and commands. The matching, counting and ordering are the planner's, the day's
// name and readings the calendar's; this window reads the boxes afresh as they change and shows what comes back.
#include "app/plan/suggestwindow.h"

#include "app/plan/suggestmodel.h"
#include "app/widgets/accessibleparts.h"
#include "app/widgets/datebox.h"
#include "app/widgets/elidedlabel.h"
#include "app/widgets/focusmark.h"
#include "app/widgets/screenfit.h"
#include "app/widgets/sortboxsync.h"
#include "app/widgets/taborder.h"
#include "logbook/fileform.h"
#include "logbook/planner.h"
#include "plan/suggestiontable.h"
#include "platform/clock.h"
#include "workspace/hymnal.h"
#include "workspace/loadedfile.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The size the window asks for, when the screen has room for it.
constexpr QSize kPreferredSize(1000, 600);
// Room left for the window manager's frame and title bar, which are not known before the window is shown.
constexpr QSize kFrameAllowance(16, 64);

} // namespace

SuggestWindow::SuggestWindow(LoadedFile *log, Hymnal *hymnal, QWidget *parent)
    : QWidget(parent, Qt::Window), m_log(log), m_hymnal(hymnal)
{
    setObjectName(u"SuggestHymns"_s);
    setWindowTitle(tr("Suggest Hymns"));
    AccessibleParts::announceAsWindow(this);
    // Closing the main window ends the program, whether or not this one is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    createControls();
    m_logPath = m_log->path();
    m_offered = offeredDate();
    m_date->setDate(m_offered);
    dateChosen();
    // A new log changes the counts and the date offered; a hymnal loaded into the main window is no log, and
    // counts nothing.
    connect(m_log, &LoadedFile::loaded, this, &SuggestWindow::followLog);
    connect(m_hymnal, &Hymnal::changed, this, &SuggestWindow::followHymnal);
    connect(m_hymnal, &Hymnal::lectionaryChanged, this, &SuggestWindow::followLectionary);
}

SuggestWindow::~SuggestWindow() = default;

bool SuggestWindow::canSuggest(const Hymnal &hymnal)
{
    return hymnal.isSet();
}

void SuggestWindow::createControls()
{
    QGridLayout *criteria = createCriteria();
    createTable();
    // Two lines at most, for the table's sake, however many readings it names; it names what the user typed, which
    // is plain text, whatever it looks like.
    m_status = new ElidedLabel(2, this);
    m_status->setObjectName(u"SuggestStatus"_s);

    createActions();
    QHBoxLayout *buttons = createButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(criteria);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    // The box's first row is the suggested order, before the columns.
    new SortBoxSync(m_table, m_sort, m_descending, 1);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SuggestWindow::updateActions);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SuggestWindow::updateActions);
    updateActions();
}

QGridLayout *SuggestWindow::createCriteria()
{
    const auto lineEdit = [this](const QString &name, const QString &accessible, const QString &placeholder) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAccessibleName(accessible);
        edit->setPlaceholderText(placeholder);
        edit->setClearButtonEnabled(true);
        AccessibleParts::nameClearButton(edit);
        connect(edit, &QLineEdit::textChanged, this, &SuggestWindow::recompute);
        return edit;
    };
    m_date = new QDateEdit(this);
    m_date->setObjectName(u"SuggestDate"_s);
    m_date->setAccessibleName(tr("Date planned for"));
    m_date->setToolTip(tr("The day planned for: its readings come from Lectionary.txt beside the hymnal, and uses are "
                          "counted up to it"));
    m_date->setCalendarPopup(true);
    DateBox::speakLanguage(m_date);
    m_date->setDisplayFormat(u"ddd MMM d, yyyy"_s);
    m_date->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    m_date->setMinimumWidth(m_date->fontMetrics().horizontalAdvance(u"Wed Sep 30, 2026"_s) + 48);
    m_date->installEventFilter(this);
    m_day = new QLabel(this);
    m_day->setObjectName(u"SuggestDay"_s);
    // A Roman Rite weekday's name is long: it wraps rather than widen the window past its least size.
    m_day->setWordWrap(true);
    connect(m_date, &QDateEdit::dateChanged, this, &SuggestWindow::dateChosen);
    m_readings = lineEdit(u"SuggestReadings"_s, tr("Readings"),
                          //: An example of references, as a planner of the language writes them; the book names
                          //: must be ones the program reads in that language ("Jes 40,1-11; Mk 1,1-8").
                          tr("Isaiah 40:1-11; Mark 1:1-8"));
    m_readings->setToolTip(tr("Scripture references, separated by semicolons"));
    m_phrase = lineEdit(u"SuggestPhrase"_s, tr("Phrase"), tr("every word somewhere in the hymn"));
    m_phrase->setToolTip(tr("Words that must all occur in the title, a verse or a refrain, in any case"));
    //: The meter box's placeholder: C.M. and 8.7.8.7 D are meters as typed, kept as they are.
    m_meter = lineEdit(u"SuggestMeter"_s, tr("Meter"), tr("C.M. or 8.7.8.7 D"));
    m_meter->setToolTip(tr("A meter, as letters (C.M., L.M.D.) or syllable counts (8.7.8.7)"));

    m_sort = new QComboBox(this);
    m_sort->setObjectName(u"SuggestSort"_s);
    m_sort->setAccessibleName(tr("Sort by"));
    AccessibleParts::nameDropDown(m_sort);
    m_sort->addItem(tr("Suggested order"));
    m_sort->addItems(Plan::columnHeaders());
    m_sort->setToolTip(tr("Suggested order: hymns sung often but not lately first, hymns never sung (new) last"));
    m_descending = new QCheckBox(tr("&Descending"), this);
    m_descending->setObjectName(u"SuggestDescending"_s);
    m_descending->setAccessibleName(tr("Descending"));

    auto *criteria = new QGridLayout;
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *caption = new QLabel(text, this);
        caption->setBuddy(buddy);
        return caption;
    };
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_day, 1);
    criteria->addWidget(label(tr("Da&te:"), m_date), 0, 0);
    criteria->addLayout(dateRow, 0, 1, 1, 3);
    criteria->addWidget(label(tr("&Readings:"), m_readings), 1, 0);
    criteria->addWidget(m_readings, 1, 1, 1, 3);
    criteria->addWidget(label(tr("&Phrase:"), m_phrase), 2, 0);
    criteria->addWidget(m_phrase, 2, 1);
    criteria->addWidget(label(tr("&Meter:"), m_meter), 2, 2);
    criteria->addWidget(m_meter, 2, 3);
    auto *sortRow = new QHBoxLayout;
    sortRow->addWidget(m_sort);
    sortRow->addWidget(m_descending);
    sortRow->addStretch(1);
    criteria->addWidget(label(tr("&Sort by:"), m_sort), 3, 0);
    criteria->addLayout(sortRow, 3, 1, 1, 3);
    criteria->setColumnStretch(1, 3);
    criteria->setColumnStretch(3, 2);
    return criteria;
}

void SuggestWindow::createTable()
{
    m_model = new SuggestModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"SuggestTable"_s);
    m_table->setAccessibleName(tr("Suggested hymns"));
    new FocusMark(m_table);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the buttons; the arrows move within the table.
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView *header = m_table->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(int(Plan::Column::Reason), QHeaderView::Stretch);
    // A third click on a heading goes back to the suggested order, as choosing it in the sort box does.
    header->setSortIndicatorClearable(true);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    // Widths from the font and the sort mark, not from the rows, so that the columns stand still while the user
    // types; the reasons take what is left.
    const int chars[Plan::ColumnCount] = {5, 30, 0, 16, 0, 0, 10, 0};
    for (int column = 0; column < Plan::ColumnCount; ++column) {
        const int text = m_table->fontMetrics().horizontalAdvance(QString(chars[column], u'n')) + 12;
        if (column != int(Plan::Column::Reason))
            header->resizeSection(column, std::max(header->sectionSizeHint(column), text));
    }
}

void SuggestWindow::createActions()
{
    m_copy = new QAction(tr("&Copy"), this);
    m_copy->setObjectName(u"actSuggestCopy"_s);
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WindowShortcut);
    addAction(m_copy);
    connect(m_copy, &QAction::triggered, this, &SuggestWindow::copyRows);
    m_add = new QAction(tr("&Add to Service"), this);
    m_add->setObjectName(u"actSuggestAdd"_s);
    m_add->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_add->setShortcutContext(Qt::WindowShortcut);
    addAction(m_add);
    connect(m_add, &QAction::triggered, this, &SuggestWindow::addSelected);
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName(u"actSuggestClose"_s);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    close->setShortcutContext(Qt::WindowShortcut);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

QHBoxLayout *SuggestWindow::createButtons()
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto button = [&](const QString &name, QAction *action) {
        auto *push = new QPushButton(action->text(), this);
        push->setObjectName(name);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, push, &QWidget::setEnabled);
        buttons->addWidget(push);
        return push;
    };
    QPushButton *copy = button(u"SuggestCopy"_s, m_copy);
    //: %1 is the copy's shortcut (Ctrl+C).
    copy->setToolTip(tr("Copy the selected rows, or all rows, for a spreadsheet (%1)")
                         .arg(m_copy->shortcut().toString(QKeySequence::NativeText)));
    m_addButton = button(u"SuggestAdd"_s, m_add);
    //: %1 is the command's shortcut (Ctrl+Return).
    m_addButton->setToolTip(
        tr("Start a service with the selected hymns (%1)").arg(m_add->shortcut().toString(QKeySequence::NativeText)));
    auto *closeButton = new QPushButton(tr("C&lose"), this);
    closeButton->setObjectName(u"SuggestClose"_s);
    closeButton->setAutoDefault(false);
    closeButton->setToolTip(tr("Close (Esc)"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(closeButton);

    // Every control is made by now: Tab goes through the boxes, the table, then these buttons.
    TabOrder::chain(
        {m_date, m_readings, m_phrase, m_meter, m_sort, m_descending, m_table, copy, m_addButton, closeButton});
    return buttons;
}

void SuggestWindow::keyPressEvent(QKeyEvent *event)
{
    // As in a dialog, Escape closes the window only when no control took it: a shortcut would also fire while the
    // sort box's list is open, closing the window with the list.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SuggestWindow::placeOnScreen()
{
    QScreen *screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    resize(ScreenFit::sizeWithin(kPreferredSize, free.size() - kFrameAllowance, minimumSizeHint()));
    // Over the middle of the main window, moved in where that would run off the free area.
    const QPoint centre = parentWidget() != nullptr ? parentWidget()->frameGeometry().center() : free.center();
    move(ScreenFit::centredWithin(centre, size() + kFrameAllowance, free));
}

bool SuggestWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Tab leaves the date box at once, as in Add Service, instead of stepping through its day, month and year.
    if (watched == m_date && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
    }
    return QWidget::eventFilter(watched, event);
}

void SuggestWindow::showSuggestions(QDate date, bool forService)
{
    m_forService = forService;
    if (date.isValid())
        m_date->setDate(date);
    // The date may be the one shown already, with readings typed for another plan.
    if (forService)
        fillReadings(true);
    if (!m_placed) {
        placeOnScreen();
        m_placed = true;
        m_readings->setFocus(Qt::OtherFocusReason);
    }
    show();
    recompute();
    raise();
    activateWindow();
}

void SuggestWindow::followHymnal()
{
    m_books = Plan::BookTable(m_hymnal->books());
    m_lectionary = m_hymnal->lectionary();
    if (!canSuggest(*m_hymnal)) {
        close();
        return;
    }
    fillReadings(false);
    recompute();
}

void SuggestWindow::followLectionary()
{
    m_lectionary = m_hymnal->lectionary();
    fillReadings(false);
    recompute();
}

void SuggestWindow::setNaming(const Calendar::Naming &naming)
{
    m_naming = naming;
    m_day->setText(Calendar::nameWithYear(m_date->date(), m_naming));
    fillReadings(false);
    recompute();
}

QDate SuggestWindow::offeredDate() const
{
    if (m_log->kind() != LoadedFile::Kind::ServiceLog)
        return Logbook::defaultDate({}, Clock::today());
    return Logbook::defaultDate(Logbook::Planner(m_log->store()).serviceDates(), Clock::today());
}

void SuggestWindow::followLog()
{
    // The date follows another log for as long as it is left as offered. The same log read again (after a service
    // was added to it) keeps the day being planned.
    const bool sameLog = m_log->path() == m_logPath;
    m_logPath = m_log->path();
    if (sameLog) {
        recompute();
        return;
    }
    const QDate offered = offeredDate();
    const bool asOffered = m_date->date() == m_offered;
    m_offered = offered;
    if (asOffered && m_date->date() != offered)
        m_date->setDate(offered);
    else
        recompute();
}

void SuggestWindow::dateChosen()
{
    m_day->setText(Calendar::nameWithYear(m_date->date(), m_naming));
    fillReadings(true);
    recompute();
}

void SuggestWindow::fillReadings(bool chosen)
{
    const QDate date = m_date->date();
    const std::optional<QString> readings = m_lectionary.table().readingsFor(date, m_naming);
    // What the lectionary put in is the lectionary's to change; what the user typed only a chosen day replaces.
    const bool ours = m_readings->text().isEmpty() || m_readings->text() == m_filled;
    m_dayNote.clear();
    if (readings) {
        if (chosen || ours) {
            m_filled = *readings;
            m_readings->setText(*readings);
        }
        return;
    }
    if (ours)
        m_readings->clear();
    m_filled.clear();
    const Calendar::Day day = Calendar::dayOf(date, m_naming);
    if (!m_lectionary.table().isEmpty() && day.isValid())
        //: %1 is the day's name in the church year, %2 the lectionary's year (A, B or C), %3 the file's name.
        m_dayNote = tr("No readings for %1 %2 in %3")
                        .arg(Calendar::nameOf(day, m_naming.style), day.year, Calendar::LectionaryFile::fileName());
}

void SuggestWindow::recompute()
{
    if (!isVisible())
        return;
    const bool counted = m_log->kind() == LoadedFile::Kind::ServiceLog;
    // Counted up to the day planned: services after it had not happened yet, as of that day.
    const Plan::SuggestCriteria criteria{.readings = m_readings->text(),
                                         .phrase = m_phrase->text(),
                                         .meter = m_meter->text(),
                                         .referenceDate = m_date->date()};
    Plan::SuggestResult result =
        Plan::suggest(m_hymnal->file().store(), counted ? &m_log->store() : nullptr, criteria, m_books);
    updateStatus(result, counted);

    // The selection stays on the same hymns while the boxes and the log change.
    QSet<QString> selected;
    for (const Plan::Suggestion &row : shownRows(true))
        selected.insert(row.number);
    m_model->setRows(std::move(result.rows));
    if (!selected.isEmpty()) {
        QItemSelection again;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (selected.contains(m_model->row(row).number))
                again.select(m_model->index(row, 0), m_model->index(row, Plan::ColumnCount - 1));
        }
        m_table->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
    }
}

void SuggestWindow::updateStatus(const Plan::SuggestResult &result, bool counted)
{
    // What the lectionary says of the day and of its own lines comes first: it explains an empty readings box.
    const QString lectionaryNote =
        m_lectionary.failure().isEmpty()
            ? m_lectionary.statusText()
            //: %1 is the lectionary's file name, %2 why it could not be read.
            : tr("%1 could not be read: %2").arg(Calendar::LectionaryFile::fileName(), m_lectionary.failure());
    QString notes;
    for (const QString &note : {m_dayNote, lectionaryNote}) {
        if (!note.isEmpty())
            notes += note + u". "_s;
    }
    const int count = int(result.rows.size());
    QString text = result.message;
    if (count == 0) {
        if (text.isEmpty())
            text = tr("No hymn in the hymnal fits.");
        m_status->setFullText(notes + text);
        return;
    }
    const QString hymns =
        counted ? tr("%Ln hymn(s) suggested, uses counted up to %1.", nullptr, count)
                      .arg(QLocale().toString(result.referenceDate, QLocale::LongFormat))
                : tr("%Ln hymn(s) suggested. Load a service log to see how often each was sung.", nullptr, count);
    m_status->setFullText(notes + (text.isEmpty() ? hymns : text + u' ' + hymns));
}

void SuggestWindow::updateActions()
{
    m_copy->setEnabled(m_model->rowCount() > 0);
    m_add->setEnabled(m_table->selectionModel()->hasSelection());
}

std::vector<Plan::Suggestion> SuggestWindow::shownRows(bool selectedOnly) const
{
    std::vector<Plan::Suggestion> rows;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!selectedOnly || m_table->selectionModel()->isRowSelected(row))
            rows.push_back(m_model->row(row));
    }
    return rows;
}

void SuggestWindow::copyRows()
{
    std::vector<Plan::Suggestion> rows = shownRows(true);
    if (rows.empty())
        rows = shownRows(false);
    if (!rows.empty())
        QGuiApplication::clipboard()->setText(Plan::copyText(rows));
}

void SuggestWindow::addSelected()
{
    std::vector<Logbook::ServiceLine> lines;
    for (const Plan::Suggestion &row : shownRows(true))
        lines.push_back({row.number, row.title});
    if (lines.empty())
        return;
    Q_EMIT addToService(lines);
    if (m_forService)
        close();
}
