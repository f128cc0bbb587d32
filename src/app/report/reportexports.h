// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report's ways out: its rows to the clipboard, a CSV file, a PDF, a printout and the chart as a picture.
// Each reads afresh what the report window shows; files are written in one step, so a failure leaves an existing
// file as it was, and a long printout can be stopped.
#pragma once

#include "app/report/reportchart.h"
#include "app/report/reportprinter.h"
#include "platform/nativepath.h"
#include "report/usagereport.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class Dialogs;
class LoadedFile;
class Progress;
class QWidget;

class ReportExports : public QObject {
    Q_OBJECT
public:
    // What the exports read of the report window, each time they are used.
    struct Shown {
        // The table's rows as they are shown (filtered and sorted), as texts; with selectedOnly, the selected ones.
        std::function<QList<QStringList>(bool selectedOnly)> records;
        // The range the date boxes show.
        std::function<Report::DateRange()> range;
        // The lines under the printout's title: the range, the counts, the criteria, the rows and hymns shown.
        std::function<QStringList()> notes;
        // The chart as drawn.
        std::function<ReportChart::Data()> chart;
        // The names of the selected hymns the chart shows, in the table's order; empty when it shows every row.
        std::function<QStringList()> selected;
        // The column titles of the rows, as the table shows them.
        std::function<QStringList()> headers;
    };

    // loaded names the printout and is where files are offered first; dialogs asks for file names and tells of
    // failures; window is the report window, which the print dialog and the progress open over.
    ReportExports(const LoadedFile *loaded, Shown shown, Dialogs *dialogs, QWidget *window);
    ~ReportExports() override;

    // Tests: what shows the progress of a long printout and lets it be stopped; null for the real dialog.
    void setProgress(Progress *progress);
    ReportPrinter::Document document() const;
    // The chart as it is saved to a file: print-like in size and colours, its title naming every hymn it shows.
    ReportChart::Data pictureData() const;

    void copyRows();
    void exportCsv();
    void exportPdf();
    void printReport();
    void saveChart();

Q_SIGNALS:
    // What was written or printed, for the status bar: "Saved hymn-usage 2025-11-30 to 2026-11-28.csv".
    void done(const QString &message);

protected:
    // Keeps the print dialog on the screen as it grows.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The loaded file's name, as the printout's title names it.
    QString fileName() const;
    // "3 hymns: Alpha, Beta, Gamma", or the one hymn's name: the hymns the chart shows when they are a selection.
    QString selectionText() const;
    QString suggestedPath(const QString &suffix) const;
    // A file name to save to, asked through the dialogs, starting from the suggested name, ending in suffix;
    // empty when cancelled, or when a file of a name the dialog did not show would be replaced and the user says no.
    NativePath askSavePath(const QString &title, const QString &suffix, const QString &filter) const;
    // Writes bytes to path in one step, so a failure leaves an existing file as it was; says so when it fails.
    bool writeFile(const NativePath &path, const QByteArray &bytes, const QString &what);

    const LoadedFile *m_loadedFile;
    Shown m_shown;
    Dialogs *m_dialogs;
    QWidget *m_window;
    std::unique_ptr<Progress> m_ownProgress;
    Progress *m_progress;
};
