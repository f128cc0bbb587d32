// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog only gathers: the table is read and the rows turned into lines by the planner's import, the file merged
// and written by the workspace's write step; every change of a box reads the rows again, which for a lectionary's
// few hundred rows is instant.
#include "app/plan/importlectionarydialog.h"

#include "app/plan/importpreviewmodel.h"
#include "app/widgets/dialogs.h"
#include "app/widgets/screenfit.h"
#include "app/widgets/taborder.h"
#include "calendar/lectionaryfile.h"
#include "store/hymnfileloader.h"
#include "workspace/lectionarysave.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The lines a question lists before it says how many more there are.
constexpr int kListedLines = 12;

} // namespace

ImportLectionaryDialog::ImportLectionaryDialog(Dialogs *dialogs, const NativePath &folder, const QStringList &books,
                                               Calendar::NamingStyle style, QWidget *parent)
    : QDialog(parent), m_ownDialogs(dialogs == nullptr ? std::make_unique<QtDialogs>(this, false) : nullptr),
      m_dialogs(dialogs == nullptr ? m_ownDialogs.get() : dialogs), m_folder(folder), m_books(books),
      m_shown(Calendar::DayNames::shown()), m_style(style), m_source(new QLabel(this)),
      m_openFile(new QPushButton(tr("&Open File…"), this)), m_paste(new QPushButton(tr("&Paste"), this)),
      m_dayColumn(new QComboBox(this)), m_yearColumn(new QComboBox(this)), m_readingsColumns(new QListWidget(this)),
      m_preview(new QTableView(this)), m_model(new ImportPreviewModel(this)), m_problems(new QListWidget(this)),
      m_summary(new QLabel(this)), m_ok(new QPushButton(tr("&Import"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(u"ImportLectionary"_s);
    setWindowTitle(tr("Import Lectionary"));
    m_source->setObjectName(u"ImportSource"_s);
    m_openFile->setObjectName(u"ImportOpenFile"_s);
    m_paste->setObjectName(u"ImportPaste"_s);
    m_dayColumn->setObjectName(u"ImportDayColumn"_s);
    m_yearColumn->setObjectName(u"ImportYearColumn"_s);
    m_readingsColumns->setObjectName(u"ImportReadingsColumns"_s);
    m_preview->setObjectName(u"ImportPreview"_s);
    m_problems->setObjectName(u"ImportProblems"_s);
    m_summary->setObjectName(u"ImportSummary"_s);
    m_ok->setObjectName(u"ImportOk"_s);
    m_cancel->setObjectName(u"ImportCancel"_s);
    m_chooser = [](QWidget *parent, const QString &title, const QString &startFolder) {
        const std::unique_ptr<QFileDialog> dialog =
            QtDialogs::fileDialog(parent, QtDialogs::FileUse::Open, title, startFolder,
                                  tr("Tables (*.csv *.tsv *.tab *.txt);;All files (*)"));
        return QtDialogs::chooseWith(*dialog);
    };
    layOut();

    connect(m_openFile, &QPushButton::clicked, this, &ImportLectionaryDialog::chooseFile);
    connect(m_paste, &QPushButton::clicked, this, &ImportLectionaryDialog::paste);
    connect(m_dayColumn, &QComboBox::currentIndexChanged, this, &ImportLectionaryDialog::refresh);
    connect(m_yearColumn, &QComboBox::currentIndexChanged, this, &ImportLectionaryDialog::refresh);
    connect(m_readingsColumns, &QListWidget::itemChanged, this, &ImportLectionaryDialog::refresh);
    connect(m_ok, &QPushButton::clicked, this, &ImportLectionaryDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ImportLectionaryDialog::reject);
    setTable(Plan::ImportTable(), QString());

    const QScreen *screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() - QSize(40, 60) : SmallestSize;
    resize(ScreenFit::sizeWithin(QSize(960, 640), room, minimumSizeHint().expandedTo(SmallestSize)));
}

ImportLectionaryDialog::~ImportLectionaryDialog() = default;

void ImportLectionaryDialog::layOut()
{
    m_source->setWordWrap(true);
    m_source->setTextFormat(Qt::PlainText);
    m_openFile->setToolTip(tr("A CSV or tab-separated file, as a spreadsheet saves it"));
    m_paste->setToolTip(tr("A table copied in a spreadsheet or on a web page"));
    m_openFile->setAutoDefault(false);
    m_paste->setAutoDefault(false);
    m_dayColumn->setAccessibleName(tr("Column of the day's name"));
    m_yearColumn->setAccessibleName(tr("Column of the year"));
    m_readingsColumns->setAccessibleName(tr("Columns of the readings"));
    m_readingsColumns->setToolTip(tr("Every column ticked is a reading; they are joined by \"; \" in their order"));
    // The columns side by side, wrapping onto a second line in a narrow window.
    m_readingsColumns->setFlow(QListView::LeftToRight);
    m_readingsColumns->setWrapping(true);
    m_readingsColumns->setResizeMode(QListView::Adjust);
    m_readingsColumns->setFixedHeight(2 * m_readingsColumns->fontMetrics().height() + 16);
    m_preview->setAccessibleName(tr("Preview of the table"));
    m_preview->setModel(m_model);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setTabKeyNavigation(false);
    m_preview->setWordWrap(false);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_problems->setAccessibleName(tr("Rows not read"));
    m_problems->setFixedHeight(4 * m_problems->fontMetrics().height() + 8);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_ok->setDefault(true);
    m_ok->setToolTip(tr("Write the lines into %1 beside the hymnal").arg(Calendar::LectionaryFile::fileName()));

    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(m_openFile);
    sourceRow->addWidget(m_paste);
    auto *columns = new QGridLayout;
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *caption = new QLabel(text, this);
        caption->setBuddy(buddy);
        return caption;
    };
    columns->addWidget(label(tr("&Day's name:"), m_dayColumn), 0, 0);
    columns->addWidget(m_dayColumn, 0, 1);
    columns->addWidget(label(tr("&Year:"), m_yearColumn), 0, 2);
    columns->addWidget(m_yearColumn, 0, 3);
    columns->addWidget(label(tr("&Readings:"), m_readingsColumns), 1, 0, Qt::AlignTop);
    columns->addWidget(m_readingsColumns, 1, 1, 1, 3);
    columns->setColumnStretch(1, 1);
    columns->setColumnStretch(3, 1);
    auto *foot = new QHBoxLayout;
    foot->addWidget(m_summary, 1);
    foot->addWidget(m_ok);
    foot->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sourceRow);
    layout->addLayout(columns);
    layout->addWidget(m_preview, 1);
    layout->addWidget(label(tr("Rows &not read:"), m_problems));
    layout->addWidget(m_problems);
    layout->addLayout(foot);
    TabOrder::chain(
        {m_openFile, m_paste, m_dayColumn, m_yearColumn, m_readingsColumns, m_preview, m_problems, m_ok, m_cancel});
}

void ImportLectionaryDialog::chooseFile()
{
    const QString chosen = m_chooser(this, tr("Import Lectionary"), m_folder.toText());
    if (!chosen.isEmpty())
        readFile(NativePath::fromText(chosen));
}

bool ImportLectionaryDialog::readFile(const NativePath &path)
{
    const HymnFileLoader::DiskFile file = HymnFileLoader::readWhole(path);
    if (!file.ok()) {
        m_dialogs->message(windowTitle(), file.errorText, Dialogs::Icon::Exclamation);
        return false;
    }
    const Plan::ImportTable table = Plan::ImportTable::fromBytes(file.bytes);
    if (table.isEmpty()) {
        m_dialogs->message(windowTitle(), tr("“%1” holds no table.").arg(path.baseName().display()),
                           Dialogs::Icon::Exclamation);
        return false;
    }
    setTable(table, path.baseName().display());
    return true;
}

bool ImportLectionaryDialog::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    Plan::ImportTable table;
    // A spreadsheet or a browser puts both; the HTML keeps cells that hold a line break or a tab whole.
    if (data != nullptr && data->hasHtml())
        table = Plan::ImportTable::fromHtml(data->html());
    const bool html = !table.isEmpty();
    if (!html && data != nullptr && data->hasText())
        table = Plan::ImportTable::fromText(data->text());
    if (table.isEmpty()) {
        m_dialogs->message(windowTitle(),
                           tr("The clipboard holds no table. Copy the lectionary's table in a spreadsheet or on a web "
                              "page, then press Paste."),
                           Dialogs::Icon::Exclamation);
        return false;
    }
    setTable(table, html ? tr("The clipboard's HTML table") : tr("The clipboard's text"));
    return true;
}

void ImportLectionaryDialog::setTable(const Plan::ImportTable &table, const QString &source)
{
    m_table = table;
    if (table.isEmpty()) {
        m_source->setText(tr("Open a CSV or tab-separated file, or copy a lectionary's table in a spreadsheet or on a "
                             "web page and paste it here."));
    } else {
        const int rows = int(table.rows().size());
        const int maxRows = Plan::ImportTable::MaxRows, maxColumns = Plan::ImportTable::MaxColumns;
        m_source->setText(
            table.isTruncated()
                //: %1 is where the table came from (a file's name, the clipboard); %2 and %3 are the most rows and
                //: columns read.
                ? tr("%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)", nullptr,
                     rows)
                      .arg(source, QString::number(maxRows), QString::number(maxColumns))
                : tr("%1: %n row(s)", nullptr, rows).arg(source));
    }
    m_showing = true;
    const Plan::ImportColumns guessed = Plan::LectionaryImport::guessColumns(table, m_books, &m_shown);
    // The columns' names need the headings, which the import finds with the columns.
    const Plan::LectionaryImport headings(table, guessed, m_books, &m_shown, m_style);
    //: A column of the imported table: its letter and the heading above it, "B: Sunday".
    const QString withHeading = tr("%1: %2");
    const auto name = [&](int column) {
        const QString letter = Plan::ImportTable::columnName(column);
        const QString heading = headings.hasHeadings() ? table.rows().front().at(column) : QString();
        return heading.isEmpty() ? letter : withHeading.arg(letter, heading);
    };
    m_dayColumn->clear();
    m_yearColumn->clear();
    m_readingsColumns->clear();
    m_yearColumn->addItem(tr("None (every year, or as the day's name says)"), -1);
    for (int c = 0; c < table.columnCount(); ++c) {
        m_dayColumn->addItem(name(c), c);
        m_yearColumn->addItem(name(c), c);
        auto *item = new QListWidgetItem(name(c), m_readingsColumns);
        item->setData(Qt::UserRole, c);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    showColumns(guessed);
    m_showing = false;
    for (QWidget *box : {static_cast<QWidget *>(m_dayColumn), static_cast<QWidget *>(m_yearColumn),
                         static_cast<QWidget *>(m_readingsColumns)})
        box->setEnabled(!table.isEmpty());
    refresh();
}

void ImportLectionaryDialog::showColumns(const Plan::ImportColumns &columns)
{
    m_dayColumn->setCurrentIndex(m_dayColumn->findData(columns.day));
    m_yearColumn->setCurrentIndex(std::max(0, m_yearColumn->findData(columns.year)));
    for (int row = 0; row < m_readingsColumns->count(); ++row) {
        QListWidgetItem *item = m_readingsColumns->item(row);
        item->setCheckState(columns.readings.contains(item->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
    }
}

Plan::ImportColumns ImportLectionaryDialog::chosenColumns() const
{
    Plan::ImportColumns columns;
    columns.day = m_dayColumn->currentIndex() < 0 ? -1 : m_dayColumn->currentData().toInt();
    columns.year = m_yearColumn->currentIndex() < 0 ? -1 : m_yearColumn->currentData().toInt();
    for (int row = 0; row < m_readingsColumns->count(); ++row) {
        const QListWidgetItem *item = m_readingsColumns->item(row);
        if (item->checkState() == Qt::Checked)
            columns.readings.append(item->data(Qt::UserRole).toInt());
    }
    return columns;
}

void ImportLectionaryDialog::refresh()
{
    if (m_showing)
        return;
    const Plan::ImportColumns columns = chosenColumns();
    m_import.emplace(m_table, columns, m_books, &m_shown, m_style);
    m_model->setContent(m_table, columns, *m_import);
    m_preview->resizeColumnsToContents();
    // A long cell would push the lines written out of sight.
    for (int c = 0; c < m_model->writtenColumn(); ++c)
        m_preview->setColumnWidth(c, std::min(m_preview->columnWidth(c), 24 * fontMetrics().averageCharWidth()));

    m_problems->clear();
    m_problems->addItems(m_import->noteMessages());
    const int lines = int(m_import->lines().size());
    m_ok->setEnabled(lines > 0);
    if (m_table.isEmpty()) {
        m_summary->clear();
        return;
    }
    if (lines == 0) {
        m_summary->setText(columns.day < 0 || columns.readings.isEmpty()
                               ? tr("Choose the column of the day's name and at least one column of readings.")
                               : tr("No row gives a line for %1.").arg(Calendar::LectionaryFile::fileName()));
        return;
    }
    const bool exists = NativeFile::inspect(m_folder.child(Calendar::LectionaryFile::fileName())).refusal !=
                        NativeFile::Refusal::NotFound;
    const QString where =
        exists ? tr("They go into the %1 beside the hymnal; its lines for the same days and years are replaced only "
                    "after a question, and the rest of it stays as it is.")
                     .arg(Calendar::LectionaryFile::fileName())
               : tr("They make a new %1 beside the hymnal.").arg(Calendar::LectionaryFile::fileName());
    m_summary->setText(tr("%n line(s) to write.", nullptr, lines) + u' ' + where);
}

bool ImportLectionaryDialog::confirmReplacing(const std::vector<Calendar::ReplacedLine> &replaced)
{
    //: A line of Lectionary.txt the import removes: a second line for a day and year.
    const QString removed = tr("line %1: %2 (removed: a second line for the same day and year)");
    const QString replacing = tr("line %1: %2");
    QStringList listed;
    for (size_t n = 0; n < replaced.size() && n < size_t(kListedLines); ++n) {
        const Calendar::ReplacedLine &line = replaced[n];
        listed.append((line.now.isEmpty() ? removed : replacing).arg(line.line).arg(line.was));
    }
    if (replaced.size() > size_t(kListedLines))
        listed.append(tr("… and %n more", nullptr, int(replaced.size()) - kListedLines));
    const QString question =
        tr("%1 already has %n line(s) for the days and years imported:", nullptr, int(replaced.size()))
            .arg(Calendar::LectionaryFile::fileName()) +
        u"\n\n"_s + listed.join(u'\n') + u"\n\n"_s +
        tr("Replace them with the imported lines? Every other line stays as it is.");
    return m_dialogs->confirm(windowTitle(), question);
}

void ImportLectionaryDialog::accept()
{
    if (!m_import || m_import->lines().empty())
        return;
    const QString name = Calendar::LectionaryFile::fileName();
    const LectionarySave::Draft draft = LectionarySave::draft(m_folder, m_import->lines());
    if (!draft.error.isEmpty()) {
        m_dialogs->message(windowTitle(), draft.error, Dialogs::Icon::Exclamation);
        return;
    }
    if (draft.merge.isUnchanged()) {
        m_dialogs->message(windowTitle(), tr("%1 holds these lines already, so nothing was written.").arg(name),
                           Dialogs::Icon::Information);
        QDialog::accept();
        return;
    }
    if (!draft.merge.replaced().empty() && !confirmReplacing(draft.merge.replaced()))
        return;
    const LectionarySave::Written result = LectionarySave::write(draft);
    if (result.outcome != LectionarySave::Written::Outcome::Written) {
        m_dialogs->message(windowTitle(), result.message, Dialogs::Icon::Exclamation);
        return;
    }
    const int replaced = int(std::count_if(draft.merge.replaced().begin(), draft.merge.replaced().end(),
                                           [](const Calendar::ReplacedLine &line) { return !line.now.isEmpty(); }));
    Q_EMIT written(draft.exists
                       ? tr("%1 written: %n line(s) imported", nullptr, draft.merge.added() + replaced).arg(name)
                       : tr("%1 made beside the hymnal: %n line(s)", nullptr, draft.merge.added()).arg(name));
    QDialog::accept();
}
