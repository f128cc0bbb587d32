// SPDX-License-Identifier: GPL-3.0-or-later
// The Suggest Hymns window: the day planned for, its readings from the congregation's lectionary or typed in, a
// phrase and a meter, the hymns of the hymnal that fit them with how often and how lately the loaded service log
// sang each before that day, least recently sung first, and the ways on (clipboard, a new service).
#pragma once

#include "calendar/lectionaryfile.h"
#include "logbook/addservice.h"
#include "plan/booktable.h"
#include "plan/suggestions.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

#include <vector>

class ElidedLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class Hymnal;
class LoadedFile;
class SuggestModel;

class SuggestWindow : public QWidget {
    Q_OBJECT
public:
    // log is the main window's file, counted when it is a service log; hymnal is the hymnal set, followed as it
    // changes.
    SuggestWindow(LoadedFile *log, Hymnal *hymnal, QWidget *parent = nullptr);
    ~SuggestWindow() override;

    // Whether there is a hymnal to suggest from.
    static bool canSuggest(const Hymnal &hymnal);

    // Computes the suggestions afresh and brings the window up, inside the screen's free area the first time; for
    // date when one is given, else for the date it shows (at first the one Add Service offers). For a service (Add
    // Service's Suggest Hymns…) the readings are the day's from the lectionary, whatever was typed before, and the
    // window closes once its hymns are added to the service.
    void showSuggestions(QDate date = QDate(), bool forService = false);
    // The hymnal was set, cleared or read again: its folder's scripture book names and lectionary are taken up.
    // Without a hymnal the window closes.
    void followHymnal();
    // The lectionary was read again: the day's readings are refilled, unless the user typed their own.
    void followLectionary();
    void setNaming(const Calendar::Naming &naming);
    // Computes the suggestions afresh from the boxes, the hymnal and the log; nothing while the window is hidden.
    void recompute();

    // The rows as shown; with selectedOnly, the selected ones.
    std::vector<Plan::Suggestion> shownRows(bool selectedOnly) const;
    // The selected rows (all when none is selected) as tab-separated text with a header row, to the clipboard.
    void copyRows();
    // Hands the selected hymns on through addToService.
    void addSelected();

Q_SIGNALS:
    // The hymns chosen for a service, number and title, in the order shown.
    void addToService(const std::vector<Logbook::ServiceLine> &lines);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    // The steps of createControls: the criteria boxes in their grid, the table, the window's actions, and the
    // buttons with the Tab order.
    QGridLayout *createCriteria();
    void createTable();
    void createActions();
    QHBoxLayout *createButtons();
    void placeOnScreen();
    void updateStatus(const Plan::SuggestResult &result, bool counted);
    // The date Add Service would offer for the log loaded.
    QDate offeredDate() const;
    void followLog();
    void dateChosen();
    // The day's readings from the lectionary into their box; what the user typed there stays unless a date with
    // readings was chosen.
    void fillReadings(bool chosen);
    void updateActions();

    LoadedFile *m_log;
    NativePath m_logPath; // the log counted, to tell a reload of it from another log
    Hymnal *m_hymnal;
    Plan::BookTable m_books;
    bool m_placed = false;
    Calendar::LectionaryFile m_lectionary;
    Calendar::Naming m_naming;
    QDate m_offered;           // the date offered for the log, followed while the date shown is that one
    QString m_filled;          // the readings last put in from the lectionary
    QString m_dayNote;         // "No readings for Proper 17 B in Lectionary.txt"
    bool m_forService = false; // shown last for Add Service, to which its hymns go

    QDateEdit *m_date = nullptr;
    QLabel *m_day = nullptr;
    QLineEdit *m_readings = nullptr;
    QLineEdit *m_phrase = nullptr;
    QLineEdit *m_meter = nullptr;
    QComboBox *m_sort = nullptr;
    QCheckBox *m_descending = nullptr;
    QTableView *m_table = nullptr;
    SuggestModel *m_model = nullptr;
    ElidedLabel *m_status = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_add = nullptr;
    QPushButton *m_addButton = nullptr;
};
