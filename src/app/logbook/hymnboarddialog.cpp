// SPDX-License-Identifier: GPL-3.0-or-later
// The board is drawn by HymnBoard on whatever it goes to; the dialog only gathers the choice and the way out.
#include "app/logbook/hymnboarddialog.h"

#include "app/widgets/dialogs.h"
#include "platform/nativepath.h"
#include "platform/savefile.h"
#include "workspace/appsettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HymnBoardDialog::HymnBoardDialog(QStringList numbers, QString dateLine, const QString &suggestedPdf, Dialogs *dialogs,
                                 AppSettings *settings, QWidget *parent)
    : QDialog(parent), m_numbers(std::move(numbers)), m_dateLine(std::move(dateLine)), m_suggestedPdf(suggestedPdf),
      m_dialogs(dialogs), m_settings(settings), m_showDate(new QCheckBox(this))
{
    // A file dialog over the window below would hand the keys back to it, which this dialog blocks.
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtDialogs>(this, false);
        m_dialogs = m_ownDialogs.get();
    }
    setObjectName(u"HymnBoard"_s);
    setWindowTitle(tr("Print Hymn Board"));
    auto *shown = new QLabel(tr("On the board, one a line: %1").arg(m_numbers.join(u", "_s)), this);
    shown->setObjectName(u"BoardNumbers"_s);
    shown->setTextFormat(Qt::PlainText);
    shown->setWordWrap(true);
    m_showDate->setObjectName(u"BoardShowDate"_s);
    m_showDate->setText(tr("&Date and occasion above them: %1").arg(m_dateLine));
    m_showDate->setChecked(m_settings == nullptr || m_settings->value(AppSettings::Key::BoardShowsDate).toBool());
    m_showDate->setEnabled(!m_dateLine.isEmpty());
    connect(m_showDate, &QCheckBox::toggled, this, [this](bool on) {
        if (m_settings != nullptr)
            m_settings->setValue(AppSettings::Key::BoardShowsDate, on);
    });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(tr("&Print…"), QDialogButtonBox::AcceptRole);
    print->setObjectName(u"BoardPrint"_s);
    print->setDefault(true);
    QPushButton *pdf = buttons->addButton(tr("&Save PDF…"), QDialogButtonBox::ActionRole);
    pdf->setObjectName(u"BoardSavePdf"_s);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(u"BoardClose"_s);
    // Both ways out leave the dialog open, for a second copy or the other way.
    connect(print, &QPushButton::clicked, this, &HymnBoardDialog::print);
    connect(pdf, &QPushButton::clicked, this, &HymnBoardDialog::savePdf);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(shown);
    layout->addWidget(m_showDate);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

HymnBoardDialog::~HymnBoardDialog() = default;

HymnBoard HymnBoardDialog::board() const
{
    return HymnBoard(m_numbers, m_showDate->isChecked() ? m_dateLine : QString());
}

void HymnBoardDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(windowTitle());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!board().print(printer)) {
        m_dialogs->message(windowTitle(), tr("The hymn board could not be printed."), Dialogs::Icon::Exclamation);
        return;
    }
    Q_EMIT done(tr("The hymn board was sent to %1")
                    .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName()));
}

void HymnBoardDialog::savePdf()
{
    QString chosen = m_dialogs->saveFileName(tr("Save Hymn Board as PDF"), m_suggestedPdf, tr("PDF files (*.pdf)"));
    if (chosen.isEmpty())
        return;
    if (!chosen.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        chosen += u".pdf"_s;
    // On the paper the desktop would print on.
    const QPrinter printer(QPrinter::HighResolution);
    const QByteArray bytes = board().pdf(printer.pageLayout(), printer.resolution());
    const NativePath path = NativePath::fromText(chosen);
    const SaveFile::Result written =
        bytes.isEmpty() ? SaveFile::Result{false, tr("the PDF could not be made")} : SaveFile::write(path, bytes);
    if (!written.ok) {
        m_dialogs->message(windowTitle(),
                           tr("The hymn board could not be saved as \"%1\": %2. Nothing was changed there.")
                               .arg(path.display(), written.reason),
                           Dialogs::Icon::Exclamation);
        return;
    }
    Q_EMIT done(tr("Saved %1").arg(path.baseName().display()));
}
