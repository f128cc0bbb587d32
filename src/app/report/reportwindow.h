// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report window: the range and its rules, the table of hymns with their uses, the chart of the uses per
// year or month, and the ways out (clipboard, CSV, PDF, print, picture). It follows the main window's file and
// criteria, keeps its place, split, sort and range in the settings, and fits a small or scaled screen.
#pragma once

#include "app/report/reportexports.h"
#include "platform/nativepath.h"
#include "report/usagereport.h"

#include <QWidget>

#include <functional>
#include <memory>

class AppSettings;
class Dialogs;
class FlowLayout;
class Hymnal;
class LoadedFile;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSplitter;
class QStatusBar;
class QTableView;
class ReportChart;
class ReportModel;

class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // The main window's criteria boxes as the tally reads them.
    using CriteriaSource = std::function<Tally::TallyCriteria()>;

    // loaded holds the loaded file, criteria gives the main window's boxes; dialogs asks for file names and
    // tells of files that could not be written, and without one the real dialogs are used, over this window.
    // settings keeps the window's place, split, sort and range between runs; without them nothing is kept.
    ReportWindow(LoadedFile *loaded, CriteriaSource criteria, Dialogs *dialogs = nullptr,
                 AppSettings *settings = nullptr, QWidget *parent = nullptr);
    ~ReportWindow() override;

    // Whether a report can be made of store: a service log with at least one service.
    static bool canReport(const EntryStore &store);

    // Computes the report afresh and brings the window up; the first time, where it was left, on a screen.
    void showReport();
    // Computes the report afresh from the store, the criteria boxes and the range.
    void recompute();

    // The table's rows as they are shown (filtered and sorted), as texts; with selectedOnly, the selected ones.
    QList<QStringList> records(bool selectedOnly) const;
    // The range the date boxes show, an open end as the file's first or last service; null where there is none.
    Report::DateRange shownRange() const;
    // The hymnal whose credits the report shows beside its hymns, followed as it changes; none: no Credits column.
    void setHymnal(const Hymnal *hymnal);
    // Copy, CSV, PDF, print and the chart's picture.
    ReportExports *exports() const { return m_exports; }

    // The main window's file or criteria changed: a report that cannot be made any more closes.
    void followForm();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The title and the credits are never squeezed below their headings (the table scrolls instead).
    void keepHeadingsWhole();
    void createControls();
    // The steps of createControls, in the order the controls are made: the range's row, the filter and sort row
    // with the table, the chart, the split between them, the window's actions, the status and the buttons; then
    // the controls' signals.
    FlowLayout *createRangeControls();
    FlowLayout *createTableControls();
    void createChart();
    void createSplitter(FlowLayout *tableTop);
    void createActions();
    FlowLayout *createButtons();
    void connectControls();
    // The file loaded (or tried) last: its name heads the printout, its folder is where exports start.
    void followFile();
    // Orders the controls for Tab as they read, left to right and top to bottom.
    void orderForTab(const QList<QWidget *> &controls);
    void presetChosen();
    void customDatesChanged();
    // Runs change over the table's rows, keeping the selection and the current row by hymn, then follows it.
    void changeRows(const std::function<void()> &change);
    void sizeColumns();
    // Shows range in the date boxes, a null end as open, with the file's first or last service in its box.
    void showRange(const Report::DateRange &range);
    // The range the boxes ask for under Custom: an open end as a null date.
    Report::DateRange customRange() const;
    // The boxes are edited only under Custom, and a date box only while its end is not open.
    void enableRangeControls();
    void updateChart();
    void updateStatus();
    QString rangeText() const;
    QString criteriaText() const;
    // The lines under the printout's title: the range, the counts, the criteria, the rows and hymns shown.
    QStringList printedNotes() const;

    // The settings: read once when made, the place when first shown, all written when closed.
    void restoreSettings();
    void placeOnScreen();
    void saveSettings() const;

    LoadedFile *m_loadedFile;
    CriteriaSource m_criteria;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    ReportExports *m_exports = nullptr;
    AppSettings *m_settings;
    bool m_settingDates = false;
    bool m_columnsSized = false;
    bool m_placed = false;
    bool m_changingRows = false;
    bool m_backwards = false; // a Custom range whose From is after its To
    int m_undatedInFile = 0;
    Report::ServiceSpan m_span;
    QDate m_today;     // the day of the last computation
    int m_planned = 0; // services after today in the range, left out or counted
    QString m_counts;  // the status's counts, for the printout
    // The Custom range last counted, an open end as a null date, kept between runs; unknown before one is.
    Report::DateRange m_custom;
    bool m_customKnown = false;
    const Hymnal *m_hymnal = nullptr;
    QStringList m_selected; // the names of the selected hymns the chart shows, in the table's order

    QComboBox *m_preset = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QCheckBox *m_fromOpen = nullptr;
    QCheckBox *m_toOpen = nullptr;
    QCheckBox *m_once = nullptr;
    QCheckBox *m_countPlanned = nullptr;
    QLineEdit *m_filter = nullptr;
    QComboBox *m_sort = nullptr;
    QCheckBox *m_descending = nullptr;
    QTableView *m_table = nullptr;
    ReportModel *m_model = nullptr;
    ReportChart *m_chart = nullptr;
    QSplitter *m_splitter = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_undated = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QAction *m_copy = nullptr;
    QList<QWidget *> m_waysOut; // copy, exports and print: nothing to hand on while the range runs backwards
};
