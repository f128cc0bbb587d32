// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's progress dialog behind the progress interface.
#include "app/widgets/progress.h"

#include <QProgressDialog>

QtProgress::QtProgress(QWidget *parent) : m_parent(parent) {}

QtProgress::~QtProgress() = default;

void QtProgress::begin(const QString &title, const QString &text)
{
    // The dialog's own Cancel button: its word is Qt's, in the language Qt's catalogue speaks.
    m_dialog = std::make_unique<QProgressDialog>(m_parent);
    m_dialog->setLabelText(text);
    m_dialog->setRange(0, 0);
    m_dialog->setWindowTitle(title);
    // Window-modal, so that setValue lets the Cancel button and Escape through while the task runs.
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(400);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

bool QtProgress::advance(int done, int steps)
{
    if (!m_dialog)
        return true;
    m_dialog->setMaximum(steps);
    m_dialog->setValue(done);
    return !m_dialog->wasCanceled();
}

void QtProgress::end()
{
    m_dialog.reset();
}
