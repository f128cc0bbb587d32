// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog gathers the service and hands it to the caller; titles, marks and the default date come from the log
// and the hymnal, read when the dialog opens and again after a reload, and the day's name from the calendar.
#include "app/logbook/addservicedialog.h"

#include "app/logbook/hymnrow.h"
#include "app/logbook/hymnrows.h"
#include "app/widgets/dialogs.h"
#include "app/widgets/linetextvalidator.h"
#include "app/widgets/screenfit.h"
#include "app/widgets/taborder.h"
#include "logbook/fileform.h"
#include "logbook/hymntitles.h"
#include "logbook/planner.h"
#include "platform/clock.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

AddServiceDialog::AddServiceDialog(const EntryStore &log, const EntryStore *hymnal, int recentWeeks, Submit submit,
                                   QWidget *parent)
    : QDialog(parent), m_submit(std::move(submit)), m_date(new QDateEdit(this)), m_day(new QLabel(this)),
      m_occasion(new QLineEdit(this)), m_rows(new HymnRows(this)), m_addRow(new QPushButton(tr("Add &Row"), this)),
      m_removeRow(new QPushButton(tr("Re&move Row"), this)), m_moveUp(new QPushButton(tr("Move &Up"), this)),
      m_moveDown(new QPushButton(tr("Move &Down"), this)), m_suggest(new QPushButton(tr("Su&ggest Hymns…"), this)),
      m_weeks(new QSpinBox(this)), m_ok(new QPushButton(tr("Add Service"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this)), m_printBoard(new QPushButton(tr("Print Hymn &Board…"), this)),
      m_copyBulletin(new QPushButton(tr("&Copy for Bulletin"), this)),
      m_remove(new QPushButton(tr("Remove &Service"), this))
{
    setObjectName(u"AddService"_s);
    setWindowTitle(tr("Add Service"));
    m_date->setObjectName(u"ServiceDate"_s);
    m_day->setObjectName(u"ServiceDay"_s);
    m_occasion->setObjectName(u"ServiceOccasion"_s);
    m_addRow->setObjectName(u"AddRow"_s);
    m_removeRow->setObjectName(u"RemoveRow"_s);
    m_moveUp->setObjectName(u"MoveUp"_s);
    m_moveDown->setObjectName(u"MoveDown"_s);
    m_suggest->setObjectName(u"ServiceSuggest"_s);
    m_weeks->setObjectName(u"RecentWeeks"_s);
    m_ok->setObjectName(u"AddServiceOk"_s);
    m_cancel->setObjectName(u"AddServiceCancel"_s);
    m_printBoard->setObjectName(u"ServicePrintBoard"_s);
    m_copyBulletin->setObjectName(u"ServiceCopyBulletin"_s);
    m_remove->setObjectName(u"ServiceRemove"_s);
    m_printBoard->setToolTip(tr("The service's hymn numbers in large figures, a page for the hymn board"));
    m_copyBulletin->setToolTip(tr("The service's date and hymns to the clipboard, for the bulletin"));
    // Only a service of the log can be removed.
    m_remove->hide();

    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(u"ddd MMM d, yyyy"_s);
    // A year before 100 cannot be written as a head line the program reads back.
    m_date->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    // Wide enough for the longest date it shows, beside the button of its calendar.
    m_date->setMinimumWidth(m_date->fontMetrics().horizontalAdvance(u"Wed Sep 30, 2026"_s) + 48);
    m_date->installEventFilter(this);
    m_occasion->setValidator(new LineTextValidator(m_occasion));
    m_occasion->setPlaceholderText(tr("Easter, Advent 3 … (may be left empty)"));
    m_day->setAccessibleName(tr("Day of the church year"));
    // A Roman Rite weekday's name is long: it wraps rather than widen the dialog past its least size.
    m_day->setWordWrap(true);
    m_weeks->setRange(Logbook::LeastRecentWeeks, Logbook::MostRecentWeeks);
    m_weeks->setValue(qBound(Logbook::LeastRecentWeeks, recentWeeks, Logbook::MostRecentWeeks));
    // Enter adds the service from anywhere but a focused button, which Enter presses.
    m_ok->setDefault(true);

    QLabel *hymnsLabel = layOutControls();
    connectControls(hymnsLabel);

    setSources(log, hymnal);
    updatePlanned();
    hymnsLabel->setBuddy(m_rows->row(0)->numberBox());
    setKeyboardOrder();
    m_date->setFocus(Qt::OtherFocusReason);

    // Roomy where the screen allows, never larger than the room it has.
    const QScreen *screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() - QSize(40, 60) : SmallestSize;
    resize(ScreenFit::sizeWithin(QSize(760, 560), room, minimumSizeHint()));
}

QLabel *AddServiceDialog::layOutControls()
{
    auto *dateLabel = new QLabel(tr("Da&te:"), this);
    auto *occasionLabel = new QLabel(tr("&Occasion:"), this);
    auto *hymnsLabel = new QLabel(tr("&Hymns:"), this);
    auto *weeksLabel = new QLabel(tr("Mark hymns sung &within"), this);
    dateLabel->setBuddy(m_date);
    occasionLabel->setBuddy(m_occasion);
    weeksLabel->setBuddy(m_weeks);
    m_date->setAccessibleName(tr("Service date"));
    m_occasion->setAccessibleName(tr("Occasion"));
    m_weeks->setAccessibleName(tr("Mark hymns sung within this many weeks"));

    auto *head = new QGridLayout;
    head->addWidget(dateLabel, 0, 0);
    head->addWidget(m_date, 0, 1);
    head->addWidget(m_day, 0, 2);
    head->addWidget(occasionLabel, 1, 0);
    head->addWidget(m_occasion, 1, 1, 1, 2);
    head->setColumnStretch(2, 1);
    auto *rowButtons = new QHBoxLayout;
    for (QPushButton *button : {m_addRow, m_removeRow, m_moveUp, m_moveDown})
        rowButtons->addWidget(button);
    rowButtons->addStretch(1);
    rowButtons->addWidget(m_suggest);
    // What the week does with the service besides the log.
    auto *uses = new QHBoxLayout;
    uses->addWidget(m_printBoard);
    uses->addWidget(m_copyBulletin);
    uses->addStretch(1);
    uses->addWidget(m_remove);
    auto *foot = new QHBoxLayout;
    foot->addWidget(weeksLabel);
    foot->addWidget(m_weeks);
    foot->addWidget(new QLabel(tr("weeks"), this));
    foot->addStretch(1);
    foot->addWidget(m_ok);
    foot->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(hymnsLabel);
    layout->addWidget(m_rows, 1);
    layout->addLayout(rowButtons);
    layout->addLayout(uses);
    layout->addLayout(foot);
    return hymnsLabel;
}

void AddServiceDialog::connectControls(QLabel *hymnsLabel)
{
    connect(m_addRow, &QPushButton::clicked, m_rows, &HymnRows::addRow);
    connect(m_removeRow, &QPushButton::clicked, m_rows, &HymnRows::removeCurrent);
    connect(m_moveUp, &QPushButton::clicked, m_rows, [this] { m_rows->moveCurrent(-1); });
    connect(m_moveDown, &QPushButton::clicked, m_rows, [this] { m_rows->moveCurrent(1); });
    connect(m_rows, &HymnRows::rowsChanged, this, &AddServiceDialog::setKeyboardOrder);
    connect(m_ok, &QPushButton::clicked, this, &AddServiceDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &AddServiceDialog::reject);
    connect(m_date, &QDateEdit::dateChanged, this, &AddServiceDialog::updatePlanned);
    connect(m_date, &QDateEdit::dateChanged, this, &AddServiceDialog::updateDay);
    // Only the user's own edits: the names the dialog puts in come through setText, which this does not report.
    connect(m_occasion, &QLineEdit::textEdited, this, [this] { m_occasionEdited = true; });
    connect(m_suggest, &QPushButton::clicked, this, [this] { Q_EMIT suggestRequested(m_date->date()); });
    connect(m_printBoard, &QPushButton::clicked, this, &AddServiceDialog::printBoardRequested);
    connect(m_copyBulletin, &QPushButton::clicked, this, &AddServiceDialog::copyBulletinRequested);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_removeLogged && m_removeLogged())
            QDialog::accept();
    });
    connect(m_weeks, &QSpinBox::valueChanged, this, [this](int weeks) {
        updatePlanned();
        Q_EMIT recentWeeksChanged(weeks);
    });
    // The hymns label leads to the first line.
    connect(m_rows, &HymnRows::rowsChanged, hymnsLabel,
            [this, hymnsLabel] { hymnsLabel->setBuddy(m_rows->row(0)->numberBox()); });
}

void AddServiceDialog::setSources(const EntryStore &log, const EntryStore *hymnal)
{
    // A service being edited is not yet sung as it will be written.
    auto planner = std::make_shared<const Logbook::Planner>(log, m_editedEntry);
    auto titles = std::make_shared<const Logbook::HymnTitles>(*planner, hymnal);
    // The date offered follows the log for as long as it is left as offered: a reload may bring that service.
    const QDate offered = Logbook::defaultDate(planner->serviceDates(), Clock::today());
    m_logNamesOccasions = planner->latestHasOccasion();
    m_rows->setSources(std::move(planner), std::move(titles));
    // Suggestions come from the hymnal.
    m_suggest->setEnabled(hymnal != nullptr);
    m_suggest->setToolTip(hymnal != nullptr ? tr("Hymns for this day's readings from the hymnal (Alt+G)")
                                            : tr("Set a hymnal first, with File > Set Hymnal…"));
    // A service being edited keeps its own date.
    if (!m_editing && (m_offered.isNull() || m_date->date() == m_offered)) {
        m_offered = offered;
        m_date->setDate(offered);
    }
    updateDay();
}

void AddServiceDialog::setNaming(const Calendar::Naming &naming, bool namesAlways)
{
    m_naming = naming;
    m_namesAlways = namesAlways;
    updateDay();
}

void AddServiceDialog::appendLines(const std::vector<Logbook::ServiceLine> &lines)
{
    m_rows->appendLines(lines);
}

void AddServiceDialog::setEditing(const Logbook::NewService &logged, int entry, std::function<bool()> remove)
{
    m_editing = true;
    m_editedEntry = entry;
    m_logged = logged;
    m_removeLogged = std::move(remove);
    setWindowTitle(tr("Edit Service"));
    m_ok->setText(tr("Write"));
    m_ok->setToolTip(tr("Write the service in place of the one in the log"));
    m_remove->show();
    m_date->setDate(logged.date.isValid() ? logged.date : m_date->date());
    // The occasion is the log's, not the calendar's name for the day.
    m_occasionEdited = true;
    m_occasion->setText(logged.occasion);
    m_rows->appendLines(logged.lines, true);
    updateDay();
    m_date->setFocus(Qt::OtherFocusReason);
}

bool AddServiceDialog::keepsHead() const
{
    return m_editing && m_date->date() == m_logged.date && m_occasion->text().trimmed() == m_logged.occasion.trimmed();
}

Logbook::NewService AddServiceDialog::service() const
{
    return {m_date->date(), m_occasion->text(), m_rows->lines()};
}

int AddServiceDialog::recentWeeks() const
{
    return m_weeks->value();
}

void AddServiceDialog::accept()
{
    if (m_submit && !m_submit(service()))
        return;
    QDialog::accept();
}

void AddServiceDialog::reject()
{
    const Logbook::NewService typed = service();
    if (m_editing) {
        const auto same = [](const Logbook::ServiceLine &a, const Logbook::ServiceLine &b) {
            return a.number.trimmed() == b.number.trimmed() && a.text.trimmed() == b.text.trimmed();
        };
        const bool changed = !keepsHead() || !std::equal(typed.lines.begin(), typed.lines.end(), m_logged.lines.begin(),
                                                         m_logged.lines.end(), same);
        if (changed && m_dialogs != nullptr &&
            !m_dialogs->confirm(windowTitle(),
                                tr("Discard the changes to this service? The log keeps the service as it was.")))
            return;
        QDialog::reject();
        return;
    }
    // The day's name the dialog offered is nothing typed.
    const bool anything = !typed.lines.empty() || (m_occasionEdited && !typed.occasion.trimmed().isEmpty());
    if (anything && m_dialogs != nullptr &&
        !m_dialogs->confirm(windowTitle(), tr("Discard this service? What was typed in it is not added to the log.")))
        return;
    QDialog::reject();
}

bool AddServiceDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Tab leaves the date box at once instead of stepping through its day, month and year, which the arrow keys
    // reach; the date is usually right as offered.
    if (watched == m_date && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
    }
    return QDialog::eventFilter(watched, event);
}

void AddServiceDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Placed by the window manager or next to the main window, it may still hang over the screen's edge.
    const QScreen *screen = this->screen();
    if (m_placed || screen == nullptr)
        return;
    m_placed = true;
    const QRect frame = frameGeometry();
    if (const QPoint at = ScreenFit::keptWithin(frame, screen->availableGeometry()); at != frame.topLeft())
        move(at);
}

void AddServiceDialog::setKeyboardOrder()
{
    QList<QWidget *> order{m_date, m_occasion};
    order += m_rows->focusChain();
    order += {m_addRow,       m_removeRow, m_moveUp, m_moveDown, m_suggest, m_printBoard,
              m_copyBulletin, m_remove,    m_weeks,  m_ok,       m_cancel};
    TabOrder::chain(order);
}

void AddServiceDialog::updatePlanned()
{
    m_rows->setPlanned(m_date->date(), m_weeks->value());
}

void AddServiceDialog::updateDay()
{
    const QDate date = m_date->date();
    m_day->setText(Calendar::nameWithYear(date, m_naming));
    if (m_occasionEdited)
        return;
    // A log that writes dates alone keeps doing so, unless the settings ask for the names.
    const bool offer = m_logNamesOccasions || m_namesAlways;
    m_occasion->setText(offer ? Calendar::nameOf(date, m_naming) : QString());
    // Selected, so that typing replaces it.
    m_occasion->selectAll();
}
