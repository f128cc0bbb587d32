// SPDX-License-Identifier: GPL-3.0-or-later
// Print Hymn Board…: the numbers that go on the board, whether the line with the date and occasion goes above them
// (kept in the settings), and the board printed through the print dialog or saved as a PDF.
#pragma once

#include "app/logbook/hymnboard.h"

#include <QDialog>

#include <memory>

class AppSettings;
class Dialogs;
class QCheckBox;
class QLabel;
class QPushButton;

class HymnBoardDialog : public QDialog {
    Q_OBJECT
public:
    // numbers go on the board, dateLine above them when chosen; dialogs ask for the PDF's name (starting at
    // suggestedPdf) and tell of failures, and without them the real dialogs are used, over this one; settings keep
    // the choice of the date line (none: it is not kept).
    HymnBoardDialog(QStringList numbers, QString dateLine, const QString &suggestedPdf, Dialogs *dialogs,
                    AppSettings *settings, QWidget *parent = nullptr);
    ~HymnBoardDialog() override;

    // The board as the dialog stands.
    HymnBoard board() const;

    void print();
    void savePdf();

Q_SIGNALS:
    // What was printed or saved, for the status bar.
    void done(const QString &message);

private:
    QStringList m_numbers;
    QString m_dateLine;
    QString m_suggestedPdf;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    AppSettings *m_settings;
    QCheckBox *m_showDate;
};
