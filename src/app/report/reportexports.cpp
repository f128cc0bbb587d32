// SPDX-License-Identifier: GPL-3.0-or-later
// The report's exports. A file is asked for through the dialogs, made whole in memory and written in one step; the
// loaded file's folder is offered first unless it cannot be written.
#include "app/report/reportexports.h"

#include "app/report/reportmodel.h"
#include "app/widgets/dialogs.h"
#include "app/widgets/progress.h"
#include "app/widgets/screenfit.h"
#include "platform/nativefile.h"
#include "platform/savefile.h"
#include "report/tabletext.h"
#include "workspace/loadedfile.h"

#include <QBuffer>
#include <QClipboard>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// The size of the chart saved as a picture: print-like, whatever the screen.
constexpr QSize kPictureSize(1600, 900);

// text as lines no wider than width, broken after the commas of a list, at most lines of them: the last takes the
// rest, cut short with an ellipsis.
QString wrapped(const QString &text, const QFontMetricsF &metrics, double width, int lines)
{
    const QStringList parts = text.split(u", "_s);
    QStringList out;
    QString line;
    for (const QString &part : parts) {
        if (line.isEmpty()) {
            line = part;
            continue;
        }
        const QString longer = line + u", "_s + part;
        if (out.size() + 1 == lines || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        out.append(line + u',');
        line = part;
    }
    out.append(metrics.elidedText(line, Qt::ElideRight, width));
    return out.join(u'\n');
}

} // namespace

ReportExports::ReportExports(const LoadedFile *loaded, Shown shown, Dialogs *dialogs, QWidget *window)
    : QObject(window), m_loadedFile(loaded), m_shown(std::move(shown)), m_dialogs(dialogs), m_window(window),
      m_ownProgress(std::make_unique<QtProgress>(window)), m_progress(m_ownProgress.get())
{}

ReportExports::~ReportExports() = default;

void ReportExports::setProgress(Progress *progress)
{
    m_progress = progress != nullptr ? progress : m_ownProgress.get();
}

QString ReportExports::fileName() const
{
    return m_loadedFile->path().baseName().display();
}

void ReportExports::copyRows()
{
    QList<QStringList> rows = m_shown.records(true);
    if (rows.isEmpty())
        rows = m_shown.records(false);
    rows.prepend(m_shown.headers());
    QGuiApplication::clipboard()->setText(Report::tsvOf(rows, ReportModel::textColumns()));
}

NativePath ReportExports::askSavePath(const QString &title, const QString &suffix, const QString &filter) const
{
    const QString chosen = m_dialogs->saveFileName(title, suggestedPath(suffix), filter);
    if (chosen.isEmpty())
        return {};
    const qsizetype slash = chosen.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : chosen.first(slash == 0 ? 1 : slash);
    QString name = chosen.mid(slash + 1);
    // A dot in a name ("hymns v2.1") is no extension: only the file's own counts as there.
    const bool completed = !name.endsWith(suffix, Qt::CaseInsensitive);
    if (completed)
        name += suffix;
    NativePath path;
    // The dialog speaks text, in which a folder named in another encoding (Latin-1 bytes from an old disk) reads
    // with U+FFFD in place of what it cannot show. The loaded file's own folder is written through its own name;
    // any other such folder cannot be found again from its text, and is never guessed at.
    if (const NativePath loaded = m_loadedFile->path().parent(); !loaded.isEmpty() && folder == loaded.toText()) {
        path = loaded.child(NativePath::fromText(name));
    } else if (folder.contains(QChar::ReplacementCharacter)) {
        m_dialogs->message(title,
                           tr("The folder “%1” has a name the file dialog cannot pass on, so nothing was written. "
                              "Choose another folder, or the folder of the loaded file.")
                               .arg(folder),
                           Dialogs::Icon::Exclamation);
        return {};
    } else {
        path = NativePath::fromText(chosen.first(slash + 1) + name);
    }
    // The dialog asked before replacing the name as typed; the name completed here is asked about here.
    if (completed && NativeFile::inspect(path).refusal != NativeFile::Refusal::NotFound &&
        !m_dialogs->confirm(title,
                            tr("“%1” already exists.\nDo you want to replace it?").arg(path.baseName().display())))
        return {};
    return path;
}

QString ReportExports::suggestedPath(const QString &suffix) const
{
    const Report::DateRange range = m_shown.range();
    // The CSV's name, which has no dates when the range has none, with the suffix of the file asked for.
    QString name = Report::csvFileName(range.from, range.to);
    if (name.endsWith(u".csv"_s))
        name.chop(4);
    name += suffix;
    const NativePath folder = m_loadedFile->path().parent();
    if (folder.isEmpty())
        return name;
    // A log read where the user cannot write (a sample installed under Program Files) would have every export
    // refused: the dialog starts in the user's documents instead.
    if (!SaveFile::canWriteIn(folder))
        return NativePath::fromText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .child(name)
            .toText();
    return folder.child(name).toText();
}

bool ReportExports::writeFile(const NativePath &path, const QByteArray &bytes, const QString &what)
{
    const SaveFile::Result written = SaveFile::write(path, bytes);
    if (written.ok)
        return true;
    m_dialogs->message(what,
                       //: %1 is the file's path, %2 the system's reason.
                       tr("The report could not be written to “%1”:\n%2\n\nNothing was changed there.")
                           .arg(path.display(), written.reason),
                       Dialogs::Icon::Exclamation);
    return false;
}

void ReportExports::exportCsv()
{
    const QString title = tr("Export CSV");
    //: The save dialog's file types: the patterns in brackets stay as they are.
    const NativePath path = askSavePath(title, u".csv"_s, tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QList<QStringList> rows = m_shown.records(false);
    rows.prepend(m_shown.headers());
    if (writeFile(path, Report::csvFileOf(rows, ReportModel::textColumns()), title))
        Q_EMIT done(tr("Saved %1").arg(path.baseName().display()));
}

ReportPrinter::Document ReportExports::document() const
{
    ReportPrinter::Document document;
    const QString name = fileName();
    //: The printed report's title; %1 is the log's file name.
    document.title = name.isEmpty() ? tr("Hymn usage") : tr("Hymn usage: %1").arg(name);
    document.notes = m_shown.notes();
    document.headers = m_shown.headers();
    document.rows = m_shown.records(false);
    for (int column = 0; column < document.headers.size(); ++column) {
        if (ReportModel::isNumeric(column))
            document.numericColumns.append(column);
    }
    document.wideColumns = {ReportModel::Title};
    if (document.headers.size() > ReportModel::Credits)
        document.wideColumns.append(ReportModel::Credits);
    document.chart = m_shown.chart();
    return document;
}

void ReportExports::exportPdf()
{
    const QString title = tr("Export PDF");
    //: The save dialog's file types: the patterns in brackets stay as they are.
    const NativePath path = askSavePath(title, u".pdf"_s, tr("PDF files (*.pdf);;All files (*)"));
    if (path.isEmpty())
        return;
    // Made in memory on the paper the desktop would print on, so that nothing half made reaches a disk, then
    // written in one step; stopped part way, nothing is written at all.
    const QPrinter printer(QPrinter::HighResolution);
    bool stopped = false;
    m_progress->begin(title, tr("Making the PDF…"));
    const QByteArray pdf =
        ReportPrinter(document())
            .pdf(printer.pageLayout(), printer.resolution(), m_window->windowTitle(), [&](int done, int pages) {
                stopped = !m_progress->advance(done, pages);
                return !stopped;
            });
    m_progress->end();
    if (stopped)
        return;
    if (pdf.isEmpty()) {
        m_dialogs->message(title, tr("The PDF could not be made. Nothing was written."), Dialogs::Icon::Exclamation);
        return;
    }
    if (writeFile(path, pdf, title))
        Q_EMIT done(tr("Saved %1").arg(path.baseName().display()));
}

void ReportExports::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_window->windowTitle());
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("Print Usage Report"));
    // Its Options button makes it taller, past the foot of a small screen.
    dialog.installEventFilter(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    bool stopped = false;
    //: The title of the progress window and of the message when printing fails.
    const QString title = tr("Print");
    m_progress->begin(title, tr("Printing the report…"));
    const bool printed = ReportPrinter(document()).print(printer, [&](int done, int pages) {
        stopped = !m_progress->advance(done, pages);
        // Nothing of a stopped printout goes to the printer, not even the pages already drawn.
        if (stopped)
            printer.abort();
        return !stopped;
    });
    m_progress->end();
    if (printed) {
        const int pages = ReportPrinter(document()).pageCount(printer);
        Q_EMIT done(tr("Printed the report: %n page(s)", nullptr, pages));
    } else if (!stopped) {
        m_dialogs->message(title, tr("The report could not be printed."), Dialogs::Icon::Exclamation);
    }
}

QString ReportExports::selectionText() const
{
    const QStringList selected = m_shown.selected();
    if (selected.size() == 1)
        return selected.first();
    return selected.isEmpty() ? QString() : //: A chart picture's second title line: %1 is how many hymns are selected
                                            //: (two or more), %2 their names.
               tr("%1 hymns: %2").arg(selected.size()).arg(selected.join(u", "_s));
}

ReportChart::Data ReportExports::pictureData() const
{
    ReportChart::Data data = m_shown.chart();
    if (m_shown.selected().isEmpty())
        return data;
    QFont bold = ReportChart::pictureFont();
    bold.setBold(true);
    // The picture has room for every name of a short list; a long one keeps its count and as many as fit.
    const double width = kPictureSize.width() * 0.9;
    data.title = data.title.section(u'\n', 0, 0) + u'\n' + wrapped(selectionText(), QFontMetricsF(bold), width, 3);
    return data;
}

void ReportExports::saveChart()
{
    const QString title = tr("Save Chart");
    //: The save dialog's file types: the patterns in brackets stay as they are.
    const NativePath path = askSavePath(title, u".png"_s, tr("PNG images (*.png);;All files (*)"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !ReportChart::picture(pictureData(), kPictureSize).save(&buffer, "PNG")) {
        m_dialogs->message(title, tr("The chart could not be made into a PNG image. Nothing was written."),
                           Dialogs::Icon::Exclamation);
        return;
    }
    if (writeFile(path, bytes, title))
        Q_EMIT done(tr("Saved %1").arg(path.baseName().display()));
}

bool ReportExports::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched->isWidgetType() && static_cast<QWidget *>(watched)->isVisible())
        ScreenFit::keepOnScreen(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}
