// SPDX-License-Identifier: GPL-3.0-or-later
// The report window's controls and commands. The counting is the report core's; this window reads the inputs
// afresh for each computation and shows what comes back.
#include "app/report/reportwindow.h"

#include "app/report/reportchart.h"
#include "app/report/reportmodel.h"
#include "app/widgets/accessibleparts.h"
#include "app/widgets/datebox.h"
#include "app/widgets/dialogs.h"
#include "app/widgets/flowlayout.h"
#include "app/widgets/focusmark.h"
#include "app/widgets/screenfit.h"
#include "app/widgets/sortboxsync.h"
#include "app/widgets/taborder.h"
#include "app/widgets/waitcursor.h"
#include "platform/clock.h"
#include "workspace/appsettings.h"
#include "workspace/hymnal.h"
#include "workspace/loadedfile.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// In the order of Report::Preset; the settings keep a preset by its English name.
const QStringList &presetNames()
{
    static const QStringList names{QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "All")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Latest year")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Year before")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Last 12 months")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Church year")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Season")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Previous church year")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Previous calendar year")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("ReportWindow", "Custom"))};
    return names;
}

// A Custom range's end as the settings keep it: an ISO date, empty for an open end.
QDate keptDate(const QVariant &kept)
{
    return QDate::fromString(kept.toString(), Qt::ISODate);
}

// Where the settings keep the window's state.

// The size the window asks for where the screen has room, in logical pixels.
constexpr QSize kPreferredSize(1040, 640);

// A hymn as the chart's title names it: its title, or its number when it has none.
QString hymnName(const Report::ReportRow &row)
{
    return row.title.trimmed().isEmpty() ? row.number : row.title.trimmed();
}

// A label and the control it names, kept on one line of a row that wraps.
QWidget *group(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *box = new QWidget(parent);
    auto *line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    for (QWidget *each : widgets)
        line->addWidget(each);
    return box;
}

} // namespace

ReportWindow::ReportWindow(LoadedFile *loaded, CriteriaSource criteria, Dialogs *dialogs, AppSettings *settings,
                           QWidget *parent)
    : QWidget(parent, Qt::Window), m_loadedFile(loaded), m_criteria(std::move(criteria)), m_dialogs(dialogs),
      m_settings(settings)
{
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtDialogs>(this, false);
        m_dialogs = m_ownDialogs.get();
    }
    setObjectName(u"UsageReport"_s);
    setWindowTitle(tr("Usage Report"));
    AccessibleParts::announceAsWindow(this);
    // Closing the main window ends the program, whether or not the report is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_exports =
        new ReportExports(m_loadedFile,
                          {[this](bool selectedOnly) { return records(selectedOnly); }, [this] { return shownRange(); },
                           [this] { return printedNotes(); }, [this] { return m_chart->data(); },
                           [this] { return m_selected; }, [this] { return m_model->shownHeaders(); }},
                          m_dialogs, this);
    createControls();
    restoreSettings();
    resize(kPreferredSize);
    followFile();
    connect(m_loadedFile, &LoadedFile::loaded, this, &ReportWindow::followFile);
}

ReportWindow::~ReportWindow()
{
    // The program ends with the report open: it is kept as it was shown.
    if (isVisible())
        saveSettings();
}

bool ReportWindow::canReport(const EntryStore &store)
{
    return !store.isVerseFile() && store.hymnCount() > 0;
}

void ReportWindow::createControls()
{
    FlowLayout *rangeRow = createRangeControls();
    FlowLayout *tableTop = createTableControls();
    createChart();
    createSplitter(tableTop);
    createActions();
    FlowLayout *buttons = createButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rangeRow);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    // What an export saved is said here, where a status bar is looked for, not among the report's own notes.
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(u"ReportStatusBar"_s);
    m_statusBar->setSizeGripEnabled(false);
    layout->addWidget(m_statusBar);
    orderForTab({m_preset, m_from, m_fromOpen, m_to, m_toOpen, m_once, m_countPlanned, m_filter, m_sort, m_descending,
                 m_table, m_chart});

    connectControls();
}

FlowLayout *ReportWindow::createRangeControls()
{
    m_preset = new QComboBox(this);
    m_preset->setObjectName(u"ReportPreset"_s);
    for (const QString &name : presetNames())
        m_preset->addItem(tr(qPrintable(name)));
    m_preset->setToolTip(tr("The range of services to count, taken back from the latest service held, or from today "
                            "for the previous years"));
    m_preset->setAccessibleName(tr("Range"));
    AccessibleParts::nameDropDown(m_preset);
    for (QDateEdit **box : {&m_from, &m_to}) {
        *box = new DateBox(this);
        (*box)->setCalendarPopup(true);
        (*box)->setDisplayFormat(u"yyyy-MM-dd"_s);
        // Every date a head line can hold; an open end is its check box's, not a date's.
        (*box)->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
        (*box)->setEnabled(false);
    }
    m_from->setObjectName(u"ReportFrom"_s);
    m_from->setAccessibleName(tr("From"));
    m_to->setObjectName(u"ReportTo"_s);
    m_to->setAccessibleName(tr("To"));
    //: Beside a date of the range: the range has no end there, it counts from the file's first service or to its last.
    m_fromOpen = new QCheckBox(tr("open"), this);
    m_fromOpen->setObjectName(u"ReportFromOpen"_s);
    m_fromOpen->setToolTip(tr("Count from the first service of the file"));
    m_fromOpen->setAccessibleName(tr("From: open"));
    m_toOpen = new QCheckBox(tr("open"), this);
    m_toOpen->setObjectName(u"ReportToOpen"_s);
    m_toOpen->setToolTip(tr("Count to the last service of the file"));
    m_toOpen->setAccessibleName(tr("To: open"));
    for (QCheckBox *open : {m_fromOpen, m_toOpen}) {
        open->setChecked(true);
        open->setEnabled(false);
    }
    m_once = new QCheckBox(tr("Count a hymn &once per service"), this);
    m_once->setObjectName(u"ReportOncePerService"_s);
    m_once->setChecked(true);
    // Left unticked at every start: a return of uses is of services held.
    m_countPlanned = new QCheckBox(tr("Count pla&nned services"), this);
    m_countPlanned->setObjectName(u"ReportCountPlanned"_s);
    m_countPlanned->setToolTip(tr("Count the services dated after today too, as if they had been held"));

    auto *rangeLabel = new QLabel(tr("&Range:"), this);
    rangeLabel->setBuddy(m_preset);
    auto *fromLabel = new QLabel(tr("&From"), this);
    fromLabel->setBuddy(m_from);
    //: Between the range's two dates: "From [date] to [date]".
    auto *toLabel = new QLabel(tr("&to"), this);
    toLabel->setBuddy(m_to);
    // The range's parts wrap onto more lines in a narrow window, each date with its label and its open end.
    auto *rangeRow = new FlowLayout;
    rangeRow->addWidget(group(this, {rangeLabel, m_preset}));
    rangeRow->addWidget(group(this, {fromLabel, m_from, m_fromOpen}));
    rangeRow->addWidget(group(this, {toLabel, m_to, m_toOpen}));
    rangeRow->addWidget(m_once);
    rangeRow->addWidget(m_countPlanned);
    return rangeRow;
}

FlowLayout *ReportWindow::createTableControls()
{
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(u"ReportFilter"_s);
    m_filter->setPlaceholderText(tr("Filter by hymn number or title"));
    m_filter->setAccessibleName(tr("Filter by hymn number or title"));
    m_filter->setClearButtonEnabled(true);
    AccessibleParts::nameClearButton(m_filter);
    auto *filterLabel = new QLabel(tr("F&ilter:"), this);
    filterLabel->setBuddy(m_filter);
    m_sort = new QComboBox(this);
    m_sort->setObjectName(u"ReportSort"_s);
    m_sort->addItems(ReportModel::headers());
    m_sort->setAccessibleName(tr("Sort by"));
    AccessibleParts::nameDropDown(m_sort);
    auto *sortLabel = new QLabel(tr("&Sort by:"), this);
    sortLabel->setBuddy(m_sort);
    m_descending = new QCheckBox(tr("D&escending"), this);
    m_descending->setObjectName(u"ReportDescending"_s);
    QWidget *filterGroup = group(this, {filterLabel, m_filter});
    filterGroup->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto *tableTop = new FlowLayout;
    tableTop->addWidget(filterGroup);
    tableTop->addWidget(group(this, {sortLabel, m_sort, m_descending}));

    m_model = new ReportModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"ReportTable"_s);
    m_table->setAccessibleName(tr("Hymns and their uses"));
    new FocusMark(m_table);
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ReportModel::Uses, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table for the next control; the arrows move within it.
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // The title takes the width the figures and dates leave; they are sized to their texts once there are rows.
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(ReportModel::Title, QHeaderView::Stretch);
    header->setHighlightSections(false);
    return tableTop;
}

void ReportWindow::createChart()
{
    m_chart = new ReportChart(this);
    auto *savePng = new QAction(tr("Save as PNG…"), m_chart);
    savePng->setObjectName(u"actReportSavePng"_s);
    m_chart->addAction(savePng);
    connect(savePng, &QAction::triggered, m_exports, &ReportExports::saveChart);
}

void ReportWindow::createSplitter(FlowLayout *tableTop)
{
    auto *tableSide = new QWidget(this);
    auto *tableLayout = new QVBoxLayout(tableSide);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addLayout(tableTop);
    tableLayout->addWidget(m_table, 1);
    m_undated = new QLabel(this);
    m_undated->setObjectName(u"ReportUndated"_s);
    m_undated->setTextFormat(Qt::PlainText);
    m_undated->setWordWrap(true);
    m_undated->hide();
    tableLayout->addWidget(m_undated);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(u"ReportSplitter"_s);
    m_splitter->setAccessibleName(tr("Table and chart"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(tableSide);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 2);
    m_splitter->setSizes({640, 380});
    m_splitter->handle(1)->setAccessibleName(tr("Divider between the table and the chart"));
}

void ReportWindow::createActions()
{
    m_copy = new QAction(tr("&Copy"), this);
    m_copy->setObjectName(u"actReportCopy"_s);
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WindowShortcut);
    addAction(m_copy);
    connect(m_copy, &QAction::triggered, m_exports, &ReportExports::copyRows);
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName(u"actReportClose"_s);
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

FlowLayout *ReportWindow::createButtons()
{
    m_status = new QLabel(this);
    m_status->setObjectName(u"ReportStatus"_s);
    // It names a head line of the file, which is text, whatever it looks like.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setToolTip(Report::joinNote());
    auto *buttons = new FlowLayout(nullptr, Qt::AlignRight);
    const auto button = [&](const QString &name, const QString &text, auto *receiver, auto slot) {
        auto *push = new QPushButton(text, this);
        push->setObjectName(name);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, receiver, slot);
        buttons->addWidget(push);
        return push;
    };
    QPushButton *copy = button(u"ReportCopy"_s, tr("&Copy"), m_exports, &ReportExports::copyRows);
    //: %1 is the copy's shortcut (Ctrl+C).
    copy->setToolTip(tr("Copy the selected rows, or all rows, for a spreadsheet (%1)")
                         .arg(m_copy->shortcut().toString(QKeySequence::NativeText)));
    m_waysOut = {copy, button(u"ReportExportCsv"_s, tr("Export CS&V…"), m_exports, &ReportExports::exportCsv),
                 button(u"ReportExportPdf"_s, tr("Export P&DF…"), m_exports, &ReportExports::exportPdf),
                 button(u"ReportPrint"_s, tr("&Print…"), m_exports, &ReportExports::printReport)};
    button(u"ReportSaveChart"_s, tr("Save C&hart…"), m_exports, &ReportExports::saveChart)
        ->setToolTip(tr("Save the chart as a PNG picture"));
    button(u"ReportClose"_s, tr("C&lose"), this, &QWidget::close);
    return buttons;
}

void ReportWindow::connectControls()
{
    connect(m_preset, &QComboBox::currentIndexChanged, this, &ReportWindow::presetChosen);
    connect(m_from, &QDateEdit::dateChanged, this, &ReportWindow::customDatesChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &ReportWindow::customDatesChanged);
    connect(m_fromOpen, &QCheckBox::toggled, this, &ReportWindow::customDatesChanged);
    connect(m_toOpen, &QCheckBox::toggled, this, &ReportWindow::customDatesChanged);
    connect(m_once, &QCheckBox::toggled, this, &ReportWindow::recompute);
    connect(m_countPlanned, &QCheckBox::toggled, this, &ReportWindow::recompute);
    connect(m_exports, &ReportExports::done, m_statusBar,
            [this](const QString &message) { m_statusBar->showMessage(message); });
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        changeRows([&] { m_model->setFilter(text); });
        updateStatus();
    });
    (new SortBoxSync(m_table, m_sort, m_descending))->showHeaderOrder();
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_changingRows)
            updateChart();
    });
    // A new sort order changes which rows a printout shows first, never the chart; nothing to follow there.
}

void ReportWindow::orderForTab(const QList<QWidget *> &controls)
{
    QList<QWidget *> chain = controls;
    for (QPushButton *push : findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        chain.append(push);
    TabOrder::chain(chain);
}

void ReportWindow::followFile()
{
    const QString name = m_loadedFile->path().baseName().display();
    setWindowTitle(name.isEmpty() ? tr("Usage Report")
                                  //: The usage report's title: %1 is the log's file name.
                                  : tr("Usage Report — %1").arg(name));
}

void ReportWindow::showReport()
{
    recompute();
    if (!m_placed)
        placeOnScreen();
    show();
    raise();
    activateWindow();
}

void ReportWindow::followForm()
{
    if (!canReport(m_loadedFile->store())) {
        close();
        return;
    }
    // A hidden report is computed when it is shown again.
    if (isVisible())
        recompute();
}

void ReportWindow::setHymnal(const Hymnal *hymnal)
{
    if (m_hymnal != nullptr)
        disconnect(m_hymnal, nullptr, this, nullptr);
    m_hymnal = hymnal;
    if (m_hymnal != nullptr)
        connect(m_hymnal, &Hymnal::changed, this, [this] {
            if (isVisible())
                recompute();
        });
    if (isVisible())
        recompute();
}

void ReportWindow::presetChosen()
{
    // Custom starts from the dates shown, so a preset can be taken as it is and then moved by a day or two.
    enableRangeControls();
    recompute();
}

void ReportWindow::customDatesChanged()
{
    if (m_settingDates)
        return;
    enableRangeControls();
    if (m_preset->currentIndex() == int(Report::Preset::Custom))
        recompute();
}

void ReportWindow::enableRangeControls()
{
    const bool custom = m_preset->currentIndex() == int(Report::Preset::Custom);
    m_fromOpen->setEnabled(custom);
    m_toOpen->setEnabled(custom);
    m_from->setEnabled(custom && !m_fromOpen->isChecked());
    m_to->setEnabled(custom && !m_toOpen->isChecked());
}

void ReportWindow::showRange(const Report::DateRange &range)
{
    m_settingDates = true;
    m_fromOpen->setChecked(!range.from.isValid());
    m_toOpen->setChecked(!range.to.isValid());
    // A box keeps the date it had where there is nothing to show: a file with no dated service.
    if (const QDate from = range.from.isValid() ? range.from : m_span.earliest; from.isValid())
        m_from->setDate(from);
    if (const QDate to = range.to.isValid() ? range.to : m_span.latest; to.isValid())
        m_to->setDate(to);
    m_settingDates = false;
    enableRangeControls();
}

Report::DateRange ReportWindow::customRange() const
{
    return {m_fromOpen->isChecked() ? QDate() : m_from->date(), m_toOpen->isChecked() ? QDate() : m_to->date()};
}

Report::DateRange ReportWindow::shownRange() const
{
    return {m_fromOpen->isChecked() ? m_span.earliest : m_from->date(),
            m_toOpen->isChecked() ? m_span.latest : m_to->date()};
}

void ReportWindow::recompute()
{
    const EntryStore &store = m_loadedFile->store();
    if (!canReport(store))
        return;
    const WaitCursor wait;
    const auto preset = Report::Preset(std::max(0, m_preset->currentIndex()));
    m_today = Clock::today();
    const bool countPlanned = m_countPlanned->isChecked();
    // Services planned after today are no part of the span the ranges and open ends count from, unless counted.
    m_span = Report::serviceSpan(store, countPlanned ? QDate() : m_today);
    Report::ReportCriteria criteria{.filters = m_criteria(),
                                    .range = {},
                                    .oncePerService = m_once->isChecked(),
                                    .today = m_today,
                                    .countPlanned = countPlanned};
    bool empty = false;
    m_backwards = false;
    if (preset == Report::Preset::All) {
        showRange({});
    } else if (preset == Report::Preset::Custom) {
        // An open end shows the file's first or last service, which may have moved with a new file.
        showRange(customRange());
        criteria.range = customRange();
        m_custom = criteria.range;
        m_customKnown = true;
        m_backwards =
            criteria.range.from.isValid() && criteria.range.to.isValid() && criteria.range.from > criteria.range.to;
        empty = m_backwards;
    } else {
        criteria.range = Report::presetRange(preset, m_span.latest, m_today);
        showRange(criteria.range);
        // No dated service, no range to count: the undated services count under All only.
        empty = criteria.range.isAll();
    }

    // A range that holds nothing still leaves the note on the file's undated services to show.
    Report::ReportCriteria counted = criteria;
    if (empty)
        counted.range = {};
    Report::ReportResult result = Report::buildReport(store, counted);
    const EntryStore *hymnal = m_hymnal != nullptr ? m_hymnal->store() : nullptr;
    if (hymnal != nullptr)
        Report::addCredits(result, *hymnal);
    m_undatedInFile = result.undatedInFile;
    m_planned = empty ? 0 : result.planned;
    if (empty)
        result = {};
    const bool credits = hymnal != nullptr;
    const bool creditsChanged = credits != m_model->withCredits();
    changeRows([&] { m_model->setResult(std::move(result), credits); });
    if (creditsChanged) {
        // The sort box names the columns the table has, and shows the order the table has.
        {
            const QSignalBlocker blocker(m_sort);
            m_sort->clear();
            m_sort->addItems(m_model->shownHeaders());
            m_sort->setCurrentIndex(m_model->sortColumn());
        }
        m_table->horizontalHeader()->setSortIndicator(m_model->sortColumn(), m_model->sortOrder());
        // The credits share with the title the width the figures leave.
        if (credits)
            m_table->horizontalHeader()->setSectionResizeMode(ReportModel::Credits, QHeaderView::Stretch);
        keepHeadingsWhole();
        m_columnsSized = false;
    }
    if (!m_columnsSized && m_model->rowCount() > 0) {
        sizeColumns();
        m_columnsSized = true;
    }
    updateStatus();
}

void ReportWindow::changeRows(const std::function<void()> &change)
{
    // The selection and the current row are kept across new rows by hymn, so the chart goes on showing the same
    // hymns and the keys go on from the same row.
    QItemSelectionModel *selection = m_table->selectionModel();
    QSet<QString> selected;
    for (const QModelIndex &index : selection->selectedRows())
        selected.insert(index.data(ReportModel::KeyRole).toString());
    const QModelIndex wasCurrent = selection->currentIndex();
    const QString current = wasCurrent.data(ReportModel::KeyRole).toString();
    m_changingRows = true;
    change();
    // Nothing to find again, nothing to look at: a report of thousands of hymns opens without naming each.
    const int rows = selected.isEmpty() && current.isEmpty() ? 0 : m_model->rowCount();
    QItemSelection again;
    int first = -1;
    for (int row = 0; row <= rows; ++row) {
        const QString key = row < rows ? m_model->index(row, 0).data(ReportModel::KeyRole).toString() : QString();
        const bool chosen = row < rows && selected.contains(key);
        // Neighbouring rows go in as one range: a selection of thousands stays a few ranges.
        if (chosen && first < 0)
            first = row;
        if (!chosen && first >= 0) {
            again.append(
                QItemSelectionRange(m_model->index(first, 0), m_model->index(row - 1, m_model->columnCount() - 1)));
            first = -1;
        }
        if (!current.isEmpty() && key == current)
            selection->setCurrentIndex(m_model->index(row, wasCurrent.column()), QItemSelectionModel::NoUpdate);
    }
    if (!again.isEmpty())
        selection->select(again, QItemSelectionModel::ClearAndSelect);
    m_changingRows = false;
    updateChart();
}

void ReportWindow::keepHeadingsWhole()
{
    QHeaderView *header = m_table->horizontalHeader();
    int narrowest = header->sectionSizeHint(ReportModel::Title);
    if (m_model->withCredits())
        narrowest = std::max(narrowest, header->sectionSizeHint(ReportModel::Credits));
    header->setMinimumSectionSize(narrowest);
}

void ReportWindow::showEvent(QShowEvent *event)
{
    // The headings are measured in the font the window is shown with.
    QWidget::showEvent(event);
    keepHeadingsWhole();
}

void ReportWindow::sizeColumns()
{
    // The figures and dates are sized to their widest texts, found among the longest, without asking the table to
    // measure every cell of thousands of rows.
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        // The title takes what is left; credits keep the width they were given, or the user's.
        if (column == ReportModel::Title || column == ReportModel::Credits)
            continue;
        int width = header->sectionSizeHint(column);
        for (const int row : m_model->longestRows(column, 16))
            width = std::max(width, m_table->sizeHintForIndex(m_model->index(row, column)).width());
        header->resizeSection(column, width);
    }
}

void ReportWindow::updateChart()
{
    const Report::ReportResult &result = m_model->result();
    std::vector<int> rows;
    QStringList names;
    QItemSelectionModel *selection = m_table->selectionModel();
    const bool chosen = selection->hasSelection();
    const bool filtered = !m_filter->text().isEmpty();
    if (chosen || filtered) {
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (chosen && !selection->isRowSelected(row))
                continue;
            const int source = m_model->sourceRow(row);
            rows.push_back(source);
            names.append(hymnName(result.rows.at(size_t(source))));
        }
    }
    m_selected = chosen ? names : QStringList();

    ReportChart::Data data;
    // An empty list would mean every row to seriesOf; a filter that leaves none shows bars of nothing.
    if (filtered && rows.empty())
        data.values.assign(result.periods.size(), 0);
    else
        data.values = Report::seriesOf(result, rows);
    data.labels = Report::periodLabels(result.period, result.periods);

    QString hymns;
    if (chosen) {
        hymns = names.mid(0, 3).join(u", "_s);
        if (names.size() > 3)
            //: The chart's hymns when more than three are selected: %1 is the first three names, %2 how many more.
            hymns = tr("%1 + %2 more").arg(hymns, QString::number(names.size() - 3));
    } else if (filtered) {
        //: The chart's hymns: %1 is the filter's text, %2 how many rows it leaves.
        hymns = tr("Hymns matching “%1” (%2)").arg(m_filter->text(), QString::number(names.size()));
    } else {
        hymns = tr("All hymns");
    }
    //: The chart's title on two lines: %1 is the range ("2019-01-01 to 2019-12-31"), %2 the hymns charted.
    data.title = (result.period == Report::Period::Year ? tr("Uses per year, %1\n%2") : tr("Uses per month, %1\n%2"))
                     .arg(rangeText(), hymns);
    m_chart->setData(std::move(data));
}

void ReportWindow::updateStatus()
{
    const Report::ReportResult &result = m_model->result();
    const int hymnCount = int(result.rows.size());
    const QString services = tr("%Ln service(s)", nullptr, result.services);
    const QString hymns = tr("%Ln hymn(s)", nullptr, hymnCount);
    if (m_model->rowCount() != hymnCount)
        //: The report's counts when the filter hides rows: %1 the services, %2 the hymns, %3 the rows shown.
        m_counts = tr("%1, %2 (%3 shown)").arg(services, hymns, QLocale().toString(m_model->rowCount()));
    else
        m_counts = u"%1, %2"_s.arg(services, hymns);
    const QString countedFrom = Report::countedFromNote(m_span, m_today, m_planned);
    if (m_backwards)
        m_status->setText(tr("From is after To: nothing is counted."));
    else
        m_status->setText(countedFrom.isEmpty() ? m_counts : u"%1. %2"_s.arg(m_counts, countedFrom));
    for (QWidget *way : std::as_const(m_waysOut))
        way->setEnabled(!m_backwards);
    m_copy->setEnabled(!m_backwards);

    const bool all = m_preset->currentIndex() == int(Report::Preset::All);
    if (m_undatedInFile > 0) {
        const QString services = tr("%Ln service(s) has/have no date in its/their head line", nullptr, m_undatedInFile);
        //: %1 says how many services have no date ("3 services have no date in their head line").
        m_undated->setText(all ? tr("%1: counted in the table, not in the chart.").arg(services)
                               //: %1 says how many services have no date; All is the range of that name.
                               : tr("%1: counted only under All.").arg(services));
    }
    m_undated->setVisible(m_undatedInFile > 0);
}

QString ReportWindow::rangeText() const
{
    const Report::DateRange range = shownRange();
    if (!range.from.isValid() || !range.to.isValid())
        return tr("all services");
    //: A range of dates: %1 and %2 are dates written 2019-01-01.
    return tr("%1 to %2").arg(ReportModel::dateText(range.from), ReportModel::dateText(range.to));
}

QString ReportWindow::criteriaText() const
{
    const Tally::TallyCriteria boxes = m_criteria();
    QStringList parts;
    // The main window's search boxes, as the printed report's notes name them.
    if (!boxes.hymnmbr.isEmpty()) {
        //: The printed report's criteria: %1 is the hymn number searched for.
        parts.append((boxes.fullNumberOnly ? tr("hymn # %1 (full # only)") : tr("hymn # %1")).arg(boxes.hymnmbr));
    }
    if (!boxes.hymname.isEmpty())
        parts.append(tr("title phrase “%1”").arg(boxes.hymname));
    if (!boxes.excludH.isEmpty())
        parts.append(tr("excluding # %1").arg(boxes.excludH));
    if (!boxes.excludT.isEmpty())
        parts.append(tr("excluding title “%1”").arg(boxes.excludT));
    if (!boxes.Filter.isEmpty())
        //: The printed report's criteria: %1 is the date limit as typed in the main window.
        parts.append(tr("date limit %1").arg(boxes.Filter));
    return parts.join(u"; "_s);
}

QList<QStringList> ReportWindow::records(bool selectedOnly) const
{
    QList<QStringList> rows;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!selectedOnly || m_table->selectionModel()->isRowSelected(row))
            rows.append(m_model->record(m_model->sourceRow(row)));
    }
    return rows;
}

QStringList ReportWindow::printedNotes() const
{
    QStringList notes;
    notes.append(u"%1, %2"_s.arg(m_preset->currentText(), rangeText()));
    //: A printed note: %1 is the counts ("12 services, 30 hymns").
    notes.append(m_once->isChecked() ? tr("%1; a hymn counted once per service").arg(m_counts) : m_counts);
    notes.append(Report::joinNote());
    if (const QString from = Report::countedFromNote(m_span, m_today, m_planned); !from.isEmpty())
        notes.append(from);
    if (const QString criteria = criteriaText(); !criteria.isEmpty())
        //: A printed note: %1 is the main window's search criteria.
        notes.append(tr("Criteria: %1").arg(criteria));
    if (!m_filter->text().isEmpty())
        //: A printed note: %1 is the filter's text.
        notes.append(tr("Rows matching “%1”").arg(m_filter->text()));
    // The table lists the rows shown, so a chart of fewer of them says which.
    if (m_selected.size() == 1)
        notes.append(tr("Chart of the selected hymn: %1").arg(m_selected.first()));
    else if (!m_selected.isEmpty())
        //: A printed note: %1 is how many hymns are selected (two or more), %2 their names.
        notes.append(tr("Chart of the %1 selected hymns: %2").arg(m_selected.size()).arg(m_selected.join(u", "_s)));
    if (m_undated->isVisible())
        notes.append(m_undated->text());
    return notes;
}

void ReportWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QWidget::closeEvent(event);
}

void ReportWindow::restoreSettings()
{
    if (m_settings == nullptr || !m_settings->isKept())
        return;
    m_splitter->restoreState(m_settings->value(AppSettings::Key::ReportSplitter).toByteArray());
    bool known = false;
    const int column = m_settings->value(AppSettings::Key::ReportSortColumn).toInt(&known);
    if (known && column >= 0 && column < ReportModel::Credits) {
        m_table->sortByColumn(column, m_settings->value(AppSettings::Key::ReportDescending).toBool()
                                          ? Qt::DescendingOrder
                                          : Qt::AscendingOrder);
    }
    // Computed when the window is first shown: the range is only shown here.
    const QString presetName = m_settings->value(AppSettings::Key::ReportPreset).toString();
    // Custom comes back with the dates it had, not with both ends open.
    const QVariant from = m_settings->value(AppSettings::Key::ReportCustomFrom);
    const QVariant to = m_settings->value(AppSettings::Key::ReportCustomTo);
    if (from.isValid() && to.isValid()) {
        m_custom = {keptDate(from), keptDate(to)};
        m_customKnown = true;
    }
    if (const qsizetype preset = presetNames().indexOf(presetName); preset >= 0) {
        const QSignalBlocker blocker(m_preset);
        m_preset->setCurrentIndex(int(preset));
        if (preset == int(Report::Preset::Custom) && m_customKnown) {
            m_settingDates = true;
            m_fromOpen->setChecked(!m_custom.from.isValid());
            m_toOpen->setChecked(!m_custom.to.isValid());
            if (m_custom.from.isValid())
                m_from->setDate(m_custom.from);
            if (m_custom.to.isValid())
                m_to->setDate(m_custom.to);
            m_settingDates = false;
        }
        enableRangeControls();
    }
}

void ReportWindow::placeOnScreen()
{
    m_placed = true;
    const QWidget *over = parentWidget() != nullptr && parentWidget()->isVisible() ? parentWidget() : nullptr;
    QScreen *home = over != nullptr ? over->screen() : screen();
    QRect wanted(QPoint(), kPreferredSize);
    wanted.moveCenter(over != nullptr ? over->geometry().center() : home->availableGeometry().center());
    bool maximized = false;
    if (m_settings != nullptr) {
        if (const QRect kept = m_settings->value(AppSettings::Key::ReportGeometry).toRect(); kept.isValid())
            wanted = kept;
        maximized = m_settings->value(AppSettings::Key::ReportMaximized).toBool();
    }
    // A window not shown yet may not know its frame yet; the main window's shows what the window manager adds.
    if (windowHandle() == nullptr)
        create();
    QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull() && over != nullptr) {
        const QRect outer = over->frameGeometry();
        const QRect inner = over->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    }
    QList<QRect> areas;
    for (const QScreen *each : QGuiApplication::screens())
        areas.append(each->availableGeometry());
    setGeometry(ScreenFit::placed(wanted, frame, areas, home->availableGeometry(), layout()->totalMinimumSize()));
    if (maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void ReportWindow::saveSettings() const
{
    if (m_settings == nullptr)
        return;
    if (m_placed) {
        m_settings->setValues({{AppSettings::Key::ReportGeometry, isMaximized() ? normalGeometry() : geometry()},
                               {AppSettings::Key::ReportMaximized, isMaximized()}});
    }
    m_settings->setValues({{AppSettings::Key::ReportSplitter, m_splitter->saveState()},
                           {AppSettings::Key::ReportSortColumn, m_model->sortColumn()},
                           {AppSettings::Key::ReportDescending, m_model->sortOrder() == Qt::DescendingOrder},
                           {AppSettings::Key::ReportPreset, presetNames().value(m_preset->currentIndex())}});
    if (m_customKnown) {
        const auto kept = [](QDate date) { return date.isValid() ? date.toString(Qt::ISODate) : QString(); };
        m_settings->setValues({{AppSettings::Key::ReportCustomFrom, kept(m_custom.from)},
                               {AppSettings::Key::ReportCustomTo, kept(m_custom.to)}});
    }
}
