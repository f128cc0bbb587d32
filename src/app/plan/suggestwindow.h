// SPDX-License-Identifier: GPL-3.0-or-later
// The Suggest Hymns window: readings, a phrase and a meter typed in, the hymns of the hymnal that fit them with how
// often and how lately the loaded service log sang each, least recently sung first, and the ways on (clipboard,
// a new service).
#pragma once

#include "logbook/addservice.h"
#include "plan/booktable.h"
#include "plan/suggestions.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class ElidedLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class Session;
class SuggestModel;

class SuggestWindow : public QWidget {
    Q_OBJECT
public:
    // log is the main window's file, counted when it is a service log; hymnal holds the hymnal set.
    SuggestWindow(Session *log, Session *hymnal, QWidget *parent = nullptr);
    ~SuggestWindow() override;

    // Whether there is a hymnal to suggest from.
    static bool canSuggest(const Session &hymnal);

    // Computes the suggestions afresh and brings the window up, inside the screen's free area the first time.
    void showSuggestions();
    // The hymnal was set, cleared or read again; books are the scripture book names from its folder. Without a
    // hymnal the window closes.
    void followHymnal(const QStringList &books);
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
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void placeOnScreen();
    // The header and the sort box with its check box show one order: whichever the user moved, the other follows.
    void headerSorted(int section, Qt::SortOrder order);
    void sortBoxChanged();
    void updateStatus(const Plan::SuggestResult &result, bool counted);
    void updateActions();

    Session *m_log;
    Session *m_hymnal;
    Plan::BookTable m_books;
    bool m_placed = false;
    bool m_syncingSort = false;

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
