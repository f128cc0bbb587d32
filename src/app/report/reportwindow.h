// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report window: the range and its rules, the table of hymns with their uses, the chart of the uses per
// year or month, and the ways out (clipboard, CSV, PDF, print). It follows the main window's file and criteria.
#pragma once

#include "app/report/reportprinter.h"
#include "platform/nativepath.h"
#include "report/usagereport.h"

#include <QWidget>

#include <functional>
#include <memory>

class Dialogs;
class Session;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;
class ReportChart;
class ReportModel;

class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // The main window's criteria boxes as the tally reads them.
    using CriteriaSource = std::function<Tallies::TallyCriteria()>;

    // session holds the loaded file, criteria gives the main window's boxes; dialogs asks for file names and
    // tells of files that could not be written, and without one the real dialogs are used, over this window.
    ReportWindow(Session *session, CriteriaSource criteria, Dialogs *dialogs = nullptr, QWidget *parent = nullptr);
    ~ReportWindow() override;

    // Whether a report can be made of store: a service log with at least one service.
    static bool canReport(const EntryStore &store);

    // The file the main window loaded last: its name heads the printout, its folder is where exports start.
    void setLoadedFile(const NativePath &path);
    // Computes the report afresh and brings the window up.
    void showReport();
    // Computes the report afresh from the store, the criteria boxes and the range.
    void recompute();

    // The table's rows as they are shown (filtered and sorted), as texts; with selectedOnly, the selected ones.
    QList<QStringList> records(bool selectedOnly) const;
    // The range the date boxes show, an open end as the file's first or last service; null where there is none.
    Report::DateRange shownRange() const;
    // Tests: the day taken for today, against which the latest service is checked; null for the system's clock.
    void setToday(QDate today);
    ReportPrinter::Document document() const;

    void copyRows();
    void exportCsv();
    void exportPdf();
    void printReport();
    void saveChart();

    // The main window's file or criteria changed: a report that cannot be made any more closes.
    void followForm();

private:
    void createControls();
    QDate today() const;
    void presetChosen();
    void customDatesChanged();
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
    QString suggestedPath(const QString &suffix) const;
    // A file name to save to, asked through the dialogs, starting from the suggested name; empty when cancelled.
    NativePath askSavePath(const QString &title, const QString &suffix, const QString &filter) const;
    // Writes bytes to path in one step, so a failure leaves an existing file as it was; says so when it fails.
    bool writeFile(const NativePath &path, const QByteArray &bytes, const QString &what);

    Session *m_session;
    CriteriaSource m_criteria;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    QString m_fileName;
    NativePath m_folder;
    bool m_settingDates = false;
    bool m_columnsSized = false;
    bool m_backwards = false; // a Custom range whose From is after its To
    int m_undatedInFile = 0;
    Report::ServiceSpan m_span;
    QDate m_today;
    QString m_counts; // the status's counts, for the printout

    QComboBox *m_preset = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QCheckBox *m_fromOpen = nullptr;
    QCheckBox *m_toOpen = nullptr;
    QCheckBox *m_once = nullptr;
    QLineEdit *m_filter = nullptr;
    QTableView *m_table = nullptr;
    ReportModel *m_model = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
    ReportChart *m_chart = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_undated = nullptr;
    QAction *m_copy = nullptr;
    QList<QWidget *> m_waysOut; // copy, exports and print: nothing to hand on while the range runs backwards
};
