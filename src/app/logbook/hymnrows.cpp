// SPDX-License-Identifier: GPL-3.0-or-later
// The rows are widgets in a column, not cells of a view: each box keeps its own editor and completer, Tab goes
// through them in order, and nothing typed waits for an editor to commit it.
#include "app/logbook/hymnrows.h"

#include "app/logbook/hymnrow.h"
#include "logbook/hymntitles.h"
#include "logbook/planner.h"

#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// What the log says about a hymn as of the planned date, for the row's note.
QString marksText(const Logbook::HymnMarks &marks, int weeks)
{
    if (marks.title.isEmpty() && marks.lastSung.isNull())
        return QCoreApplication::translate("HymnRow", "Not in the log");
    if (marks.lastSung.isNull())
        return QCoreApplication::translate("HymnRow", "Not sung before this date");
    QStringList parts{QCoreApplication::translate("HymnRow", "Last sung %1")
                          .arg(QLocale().toString(marks.lastSung, u"MMM d, yyyy"_s))};
    if (marks.recent)
        parts.append(QCoreApplication::translate("HymnRow", "within %n week(s)", nullptr, weeks));
    if (marks.usesInYear == 0)
        parts.append(QCoreApplication::translate("HymnRow", "none in 12 months"));
    else if (marks.usesInYear == 1)
        parts.append(QCoreApplication::translate("HymnRow", "once in 12 months"));
    else
        parts.append(QCoreApplication::translate("HymnRow", "%1 times in 12 months").arg(marks.usesInYear));
    return parts.join(u" · "_s);
}

} // namespace

HymnRows::HymnRows(QWidget *parent)
    : QScrollArea(parent), m_inner(new QWidget), m_layout(new QVBoxLayout(m_inner)), m_dropLine(new QFrame(m_inner)),
      m_completions(new QStringListModel(this))
{
    setObjectName(u"ServiceHymns"_s);
    setAccessibleName(tr("Hymns"));
    setWidgetResizable(true);
    // The boxes take the keys, never the area around them.
    setFocusPolicy(Qt::NoFocus);
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(1);
    m_layout->addStretch(1);
    setWidget(m_inner);
    m_dropLine->setFrameShape(QFrame::HLine);
    m_dropLine->setLineWidth(2);
    m_dropLine->setForegroundRole(QPalette::Highlight);
    m_dropLine->hide();
    insertRow(0);
    setCurrent(0);
}

HymnRows::~HymnRows() = default;

void HymnRows::setSources(std::shared_ptr<const Logbook::Planner> log,
                          std::shared_ptr<const Logbook::HymnTitles> titles)
{
    m_log = std::move(log);
    m_titles = std::move(titles);
    m_completions->setStringList(m_titles ? m_titles->titles() : QStringList());
    for (HymnRow *row : m_rows)
        updateMarks(row);
}

void HymnRows::setPlanned(QDate date, int weeks)
{
    m_planned = date;
    m_weeks = weeks;
    for (HymnRow *row : m_rows)
        updateMarks(row);
}

HymnRow *HymnRows::insertRow(int index)
{
    auto *row = new HymnRow(m_inner);
    m_layout->insertWidget(index, row);
    // At once, not when the layout gets round to it: Tab passes over a hidden box, and keys come fast.
    row->show();
    m_rows.insert(m_rows.begin() + index, row);

    auto *completer = new QCompleter(m_completions, row);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    row->titleBox()->setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this, [this, row](const QString &title) {
        // A title chosen for a line without a number brings its number, when only one number has it.
        if (m_titles && row->numberBox()->text().trimmed().isEmpty()) {
            row->numberBox()->setText(m_titles->numberFor(title));
            updateMarks(row);
        }
        settle();
    });
    connect(row->numberBox(), &QLineEdit::textEdited, this, [this, row] { numberEdited(row); });
    connect(row->titleBox(), &QLineEdit::textEdited, this, [this, row] { titleEdited(row); });
    for (QWidget *watched : {static_cast<QWidget *>(row->numberBox()), static_cast<QWidget *>(row->titleBox()),
                             static_cast<QWidget *>(row->grip())})
        watched->installEventFilter(this);
    updateMarks(row);
    return row;
}

void HymnRows::numberEdited(HymnRow *row)
{
    // A number ends at a space, as the log reads it: what is typed after one is the title, and the keys go on in the
    // title box, with the rest of a whole line typed or pasted here.
    QLineEdit *number = row->numberBox();
    const QString typed = number->text();
    qsizetype start = 0;
    while (start < typed.size() && typed[start].isSpace())
        ++start;
    const qsizetype space = start < typed.size() ? typed.indexOf(u' ', start) : -1;
    QString rest;
    if (space > 0) {
        rest = typed.sliced(space + 1).trimmed();
        number->setText(typed.first(space).trimmed());
    }
    // The number is keyed once, for its title and its marks alike.
    const HymnKey hymn = HymnKey::ofNumber(number->text());
    row->offerTitle(m_titles ? m_titles->titleFor(hymn) : QString());
    if (space > 0) {
        QLineEdit *title = row->titleBox();
        if (!rest.isEmpty())
            title->setText(row->titleIsOffered() ? rest : rest + u' ' + title->text());
        title->setFocus(Qt::TabFocusReason);
        // An offered title is selected, so that typing replaces it.
        if (rest.isEmpty() && row->titleIsOffered())
            title->selectAll();
        else
            title->setCursorPosition(int(rest.size()));
    }
    updateMarks(row, hymn);
    settle();
}

void HymnRows::titleEdited(HymnRow *row)
{
    // A whole line typed or pasted into the title box would be read back from the log as a numbered hymn: it is
    // split at once, so that its marks show and it is counted as one. The title stays the user's.
    QLineEdit *title = row->titleBox();
    const Logbook::NumberedLine numbered = Logbook::numberedLine(title->text());
    if (numbered.titleAt > 0 && row->numberBox()->text().trimmed().isEmpty()) {
        const qsizetype cursor = title->cursorPosition();
        row->numberBox()->setText(numbered.number);
        title->setText(title->text().sliced(numbered.titleAt));
        title->setCursorPosition(int(std::max<qsizetype>(0, cursor - numbered.titleAt)));
        updateMarks(row);
    }
    settle();
}

void HymnRows::updateMarks(HymnRow *row)
{
    updateMarks(row, HymnKey::ofNumber(row->numberBox()->text()));
}

void HymnRows::updateMarks(HymnRow *row, const HymnKey &hymn)
{
    if (row->numberBox()->text().trimmed().isEmpty() || !m_log) {
        row->setMarks(QString(), false);
        return;
    }
    const Logbook::HymnMarks marks = m_log->marks(hymn, m_planned, m_weeks);
    row->setMarks(marksText(marks, m_weeks), marks.recent);
}

void HymnRows::appendLines(const std::vector<Logbook::ServiceLine> &lines, bool asLogged)
{
    int at = count();
    while (at > 0 && m_rows[size_t(at - 1)]->isBlank())
        --at;
    for (const Logbook::ServiceLine &line : lines) {
        HymnRow *row = insertRow(at++);
        row->setLine(line, asLogged);
        updateMarks(row);
    }
    settle();
    Q_EMIT rowsChanged();
}

std::vector<Logbook::ServiceLine> HymnRows::lines() const
{
    std::vector<Logbook::ServiceLine> lines;
    for (const HymnRow *row : m_rows) {
        if (row->isBlank())
            continue;
        lines.push_back(row->line());
        // "#14" and "014" are typed for hymn 14, which Find looks for as the log writes it.
        if (m_titles)
            lines.back().number = m_titles->logNumber(lines.back().number);
    }
    return lines;
}

void HymnRows::addRow()
{
    const int at = std::min(m_current + 1, count());
    insertRow(at);
    setCurrent(at);
    settle();
    Q_EMIT rowsChanged();
    m_rows[size_t(at)]->numberBox()->setFocus(Qt::OtherFocusReason);
}

void HymnRows::removeCurrent()
{
    if (m_current < 0 || m_current >= count())
        return;
    HymnRow *gone = m_rows[size_t(m_current)];
    const bool titleHadKeys = gone->titleBox()->hasFocus() || gone->titleBox() == m_lastBox;
    m_rows.erase(m_rows.begin() + m_current);
    m_layout->removeWidget(gone);
    gone->hide();
    // The keys may be on its boxes, or the request may come from one of them.
    gone->deleteLater();
    if (m_rows.empty())
        insertRow(0);
    const int next = std::min(m_current, count() - 1);
    m_current = -1;
    setCurrent(next);
    settle();
    Q_EMIT rowsChanged();
    HymnRow *row = m_rows[size_t(next)];
    (titleHadKeys ? row->titleBox() : row->numberBox())->setFocus(Qt::OtherFocusReason);
}

void HymnRows::moveCurrent(int delta)
{
    const int to = std::clamp(m_current + delta, 0, count() - 1);
    if (m_current >= 0 && to != m_current)
        moveRow(m_current, to);
}

void HymnRows::moveRow(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    HymnRow *moved = m_rows[size_t(from)];
    m_rows.erase(m_rows.begin() + from);
    m_rows.insert(m_rows.begin() + to, moved);
    m_layout->removeWidget(moved);
    m_layout->insertWidget(to, moved);
    setCurrent(to);
    settle();
    Q_EMIT rowsChanged();
    // The keys go back to the box they were in, also after a button or a drag took them.
    QWidget *box = m_lastBox && m_lastBox->parentWidget() == moved ? m_lastBox.data() : moved->numberBox();
    box->setFocus(Qt::OtherFocusReason);
    ensureWidgetVisible(moved);
}

QList<QWidget *> HymnRows::focusChain() const
{
    QList<QWidget *> chain;
    for (HymnRow *row : m_rows)
        chain << row->numberBox() << row->titleBox();
    return chain;
}

void HymnRows::setCurrent(int index)
{
    if (m_current >= 0 && m_current < count())
        m_rows[size_t(m_current)]->setCurrent(false);
    m_current = index;
    if (m_current >= 0 && m_current < count())
        m_rows[size_t(m_current)]->setCurrent(true);
}

void HymnRows::settle()
{
    if (m_rows.empty() || !m_rows.back()->isBlank()) {
        insertRow(count());
        Q_EMIT rowsChanged();
    }
    for (int i = 0; i < count(); ++i)
        m_rows[size_t(i)]->setPlace(i + 1);
}

int HymnRows::indexOf(const QObject *child) const
{
    for (int i = 0; i < count(); ++i) {
        if (child->parent() == m_rows[size_t(i)])
            return i;
    }
    return -1;
}

int HymnRows::dropPlace(int y) const
{
    int place = 0;
    while (place < count() && m_rows[size_t(place)]->geometry().center().y() < y)
        ++place;
    return place;
}

void HymnRows::showDropLine(int place)
{
    const int y = place < count() ? m_rows[size_t(place)]->y() : m_rows.back()->geometry().bottom() + 1;
    m_dropLine->setGeometry(0, y - 2, m_inner->width(), 4);
    m_dropLine->raise();
    m_dropLine->show();
}

bool HymnRows::eventFilter(QObject *watched, QEvent *event)
{
    const int index = indexOf(watched);
    if (index < 0)
        return QScrollArea::eventFilter(watched, event);
    HymnRow *row = m_rows[size_t(index)];
    switch (event->type()) {
    case QEvent::FocusIn:
        setCurrent(index);
        m_lastBox = static_cast<QWidget *>(watched);
        ensureWidgetVisible(row);
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::AltModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            setCurrent(index);
            moveCurrent(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (watched == row->grip() && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_dragging = index;
            setCurrent(index);
            row->grip()->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == row->grip() && m_dragging >= 0) {
            // The grip has the mouse from the press on, wherever the pointer goes.
            const QPoint at = row->grip()->mapTo(m_inner, static_cast<QMouseEvent *>(event)->position().toPoint());
            ensureVisible(at.x(), at.y(), 0, row->height());
            showDropLine(dropPlace(at.y()));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == row->grip() && m_dragging >= 0) {
            const QPoint at = row->grip()->mapTo(m_inner, static_cast<QMouseEvent *>(event)->position().toPoint());
            const int place = dropPlace(at.y());
            const int from = m_dragging;
            m_dragging = -1;
            m_dropLine->hide();
            row->grip()->setCursor(Qt::OpenHandCursor);
            moveRow(from, place > from ? place - 1 : place);
            return true;
        }
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}
