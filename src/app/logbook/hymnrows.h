// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of a service being planned, as many as wanted: a number typed fills in its title and shows what the
// log says about the hymn, a title typed is completed from the known ones, and lines are added, removed and moved
// with the keyboard or dragged by their grip. An empty line is kept at the end, so that Tab from the last line
// always reaches a fresh one.
#pragma once

#include "logbook/addservice.h"
#include "logbook/planner.h"
#include "store/hymnkey.h"

#include <QDate>
#include <QPointer>
#include <QScrollArea>

#include <memory>
#include <vector>

class HymnRow;
class QFrame;
class QStringListModel;
class QVBoxLayout;
namespace Logbook {
class HymnTitles;
class Planner;
} // namespace Logbook

class HymnRows : public QScrollArea {
    Q_OBJECT
public:
    explicit HymnRows(QWidget *parent = nullptr);
    ~HymnRows() override;

    // Where titles and marks come from; the rows' marks are worked out again.
    void setSources(std::shared_ptr<const Logbook::Planner> log, std::shared_ptr<const Logbook::HymnTitles> titles);
    // The service's date and the weeks within which a hymn counts as sung lately.
    void setPlanned(QDate date, int weeks);

    // Lines added after the last one that is not empty; asLogged, their titles as the log's, which a new number
    // replaces.
    void appendLines(const std::vector<Logbook::ServiceLine> &lines, bool asLogged = false);
    // The lines in order, empty ones left out, each number as the log writes it.
    std::vector<Logbook::ServiceLine> lines() const;

    int count() const { return int(m_rows.size()); }
    HymnRow *row(int index) const { return m_rows[size_t(index)]; }
    // The row the buttons act on: the one last focused.
    int current() const { return m_current; }

    // A new line below the current one, with the keys in its number box.
    void addRow();
    void removeCurrent();
    // Moves the current row by delta places, keeping the keys in it.
    void moveCurrent(int delta);
    void moveRow(int from, int to);

    // The boxes in Tab order, row by row.
    QList<QWidget *> focusChain() const;

Q_SIGNALS:
    // Rows were added, removed or moved: the Tab order must be set again.
    void rowsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HymnRow *insertRow(int index);
    void numberEdited(HymnRow *row);
    void titleEdited(HymnRow *row);
    void updateMarks(HymnRow *row);
    // The marks of the hymn the row's number stands for, keyed already.
    void updateMarks(HymnRow *row, const HymnKey &hymn);
    void setCurrent(int index);
    // The rows were rearranged: places, names and the empty row at the end.
    void settle();
    int indexOf(const QObject *child) const;
    // Dragging by a grip: the place the row would go to for a pointer at y (in the rows' coordinates).
    int dropPlace(int y) const;
    void showDropLine(int place);

    QWidget *m_inner;
    QVBoxLayout *m_layout;
    QFrame *m_dropLine;
    std::vector<HymnRow *> m_rows;
    int m_current = -1;
    // The box that last had the keys, given them back after a button or a drag moved its row.
    QPointer<QWidget> m_lastBox;
    int m_dragging = -1;
    std::shared_ptr<const Logbook::Planner> m_log;
    std::shared_ptr<const Logbook::HymnTitles> m_titles;
    QStringListModel *m_completions;
    QDate m_planned;
    int m_weeks = Logbook::DefaultRecentWeeks;
};
