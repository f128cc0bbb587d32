// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Lectionary…: a lectionary's table from a CSV or tab-separated file or from the clipboard, previewed
// with the columns taken for the day's name, the year and the readings (each changeable) and the rows not read, and
// written on Import into Lectionary.txt beside the hymnal: a new file, or merged into the one there after a question
// listing the lines it replaces.
#pragma once

#include "calendar/daynames.h"
#include "plan/booktable.h"
#include "plan/importtable.h"
#include "plan/lectionaryimport.h"
#include "platform/nativepath.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class Dialogs;
class ImportPreviewModel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

class ImportLectionaryDialog : public QDialog {
    Q_OBJECT
public:
    // Asked for the table's file; an empty path for Cancel.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title, const QString &startFolder)>;

    // folder is the hymnal's, which Lectionary.txt goes into; books the hymnal's book list; the days are named in
    // style. Messages and the question go through dialogs, or the real ones over this dialog when none are given.
    ImportLectionaryDialog(Dialogs *dialogs, const NativePath &folder, const QStringList &books,
                           Calendar::NamingStyle style, QWidget *parent = nullptr);
    ~ImportLectionaryDialog() override;

    // Replaces the desktop's file dialog behind Open File….
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    // Reads the file at path as the table; false, with a message, when it cannot be read.
    bool readFile(const NativePath &path);
    // Reads the table on the clipboard: its HTML table, else its text; false, with a message, when it holds none.
    bool paste();
    // The rows as the columns chosen read them.
    const Plan::LectionaryImport &result() const { return *m_import; }

    static constexpr QSize SmallestSize{640, 480};

Q_SIGNALS:
    // Lectionary.txt was written: status says what went into it.
    void written(const QString &status);

public Q_SLOTS:
    // Writes the lines; the dialog stays open, with everything as it was, when they were not written.
    void accept() override;

private:
    void layOut();
    void chooseFile();
    void setTable(const Plan::ImportTable &table, const QString &source);
    // The columns as the boxes choose them.
    Plan::ImportColumns chosenColumns() const;
    void showColumns(const Plan::ImportColumns &columns);
    // Reads the rows again with the columns chosen, and shows what comes of them.
    void refresh();
    // The question before lines of the file are replaced; true to go on.
    bool confirmReplacing(const std::vector<Calendar::ReplacedLine> &replaced);

    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    NativePath m_folder;
    Plan::BookTable m_books;
    Calendar::DayNames m_shown;
    Calendar::NamingStyle m_style;
    FileChooser m_chooser;
    Plan::ImportTable m_table;
    std::optional<Plan::LectionaryImport> m_import;
    bool m_showing = false; // the boxes are being set from the table, not by the user

    QLabel *m_source;
    QPushButton *m_openFile;
    QPushButton *m_paste;
    QComboBox *m_dayColumn;
    QComboBox *m_yearColumn;
    QListWidget *m_readingsColumns;
    QTableView *m_preview;
    ImportPreviewModel *m_model;
    QListWidget *m_problems;
    QLabel *m_summary;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
