// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Add Service…: the date and occasion of a service and the hymns sung, each with what the log says about
// it, the day of the church year named beside the date. What OK does with the service is the caller's: the dialog
// stays open, with everything typed, when it could not be added. Edit > Edit Service… opens it filled with a service
// of the log, which Write replaces and Remove Service removes. In both, the service as it stands goes to the hymn
// board or the bulletin.
#pragma once

#include "calendar/churchcalendar.h"
#include "logbook/addservice.h"
#include "store/entrystore.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <vector>

class Dialogs;
class HymnRows;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class AddServiceDialog : public QDialog {
    Q_OBJECT
public:
    // True when the service was added; false keeps the dialog open.
    using Submit = std::function<bool(const Logbook::NewService &service)>;

    // log is the service log loaded, hymnal the hymnal set (nullptr for none); neither is kept. A hymn counts as
    // sung lately within recentWeeks weeks before the service.
    AddServiceDialog(const EntryStore &log, const EntryStore *hymnal, int recentWeeks, Submit submit,
                     QWidget *parent = nullptr);

    // Asks through dialogs before what was typed is discarded; without them it is discarded unasked.
    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }
    // Reads the log and the hymnal again (after a reload) for titles and marks; what is typed stays.
    void setSources(const EntryStore &log, const EntryStore *hymnal);
    // How the day is named, and whether its name is offered as the occasion in a log whose latest service names
    // none.
    void setNaming(const Calendar::Naming &naming, bool namesAlways);
    void appendLines(const std::vector<Logbook::ServiceLine> &lines);
    // Edits the service logged, as the log holds it at its head entry: the dialog is filled with it, its button
    // writes it, and Remove Service asks remove to take it out of the log (true: removed, and the dialog closes). The
    // marks leave it out from the next setSources on.
    void setEditing(const Logbook::NewService &logged, int entry, std::function<bool()> remove);
    bool isEditing() const { return m_editing; }
    // The date and occasion as logged are unchanged: its head line can stay as the log writes it.
    bool keepsHead() const;
    Logbook::NewService service() const;
    int recentWeeks() const;

    // The least size every command stays usable at.
    static constexpr QSize SmallestSize{640, 480};

Q_SIGNALS:
    void recentWeeksChanged(int weeks);
    // Suggest Hymns… was pressed: suggestions for the service's date, whose Add to Service comes back here.
    void suggestRequested(QDate date);
    // Print Hymn Board… or Copy for Bulletin was pressed, for the service as it stands in the dialog.
    void printBoardRequested();
    void copyBulletinRequested();

public Q_SLOTS:
    void accept() override;
    // Escape, Cancel and closing the window all come here: a service with anything typed in it is discarded only
    // once the user agrees.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The captions and the grid, rows and foot they sit in with the controls; the hymns' caption, which follows the
    // first line, is handed to connectControls.
    QLabel *layOutControls();
    void connectControls(QLabel *hymnsLabel);
    void setKeyboardOrder();
    void updatePlanned();
    // The day's name beside the date, and as the occasion until the user edits it.
    void updateDay();

    Submit m_submit;
    Dialogs *m_dialogs = nullptr;
    QDateEdit *m_date;
    QLabel *m_day;
    QLineEdit *m_occasion;
    HymnRows *m_rows;
    QPushButton *m_addRow;
    QPushButton *m_removeRow;
    QPushButton *m_moveUp;
    QPushButton *m_moveDown;
    QPushButton *m_suggest;
    QSpinBox *m_weeks;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_printBoard;
    QPushButton *m_copyBulletin;
    QPushButton *m_remove;
    bool m_editing = false;
    int m_editedEntry = 0;
    Logbook::NewService m_logged; // the service edited, as the log holds it
    std::function<bool()> m_removeLogged;
    QDate m_offered; // the date the log suggests
    bool m_placed = false;
    Calendar::Naming m_naming;
    bool m_namesAlways = false;
    bool m_logNamesOccasions = false; // the log's latest dated service has an occasion
    bool m_occasionEdited = false;    // typed in, pasted into or cleared by the user: no longer the day's name
};
