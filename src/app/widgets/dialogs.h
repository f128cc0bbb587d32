// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' dialogs, behind one small interface so that tests can answer them without a modal loop.
#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

class Dialogs {
public:
    enum class Icon { Information, Exclamation, Question };

    virtual ~Dialogs() = default;

    // A message with an OK button.
    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    // An OK/Cancel question with the question icon; true for OK.
    virtual bool confirm(const QString &title, const QString &text) = 0;
    // A text input box; an empty text for Cancel (or when nothing was typed).
    virtual QString input(const QString &prompt, const QString &title, const QString &defaultAnswer) = 0;
    // The file to write, starting at suggestedPath (a folder and a file name); an empty path for Cancel. filter
    // is in the file dialog's form, "CSV files (*.csv)".
    virtual QString saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) = 0;
};

// The real dialogs: QMessageBox and QInputDialog, modal to the given parent. Boxes of the design window keep its
// light colours; designColours false gives them the desktop's, as the report window has. Every dialog opens within
// the screen's free area; message and input boxes fit in 640 x 480 (a text too long for that scrolls in the box),
// and the file dialogs go down to that size.
class QtDialogs : public Dialogs {
public:
    // The least room a dialog is made to fit in, with all its buttons in reach.
    static constexpr QSize SmallestRoom{640, 480};

    explicit QtDialogs(QWidget *parent, bool designColours = true) : m_parent(parent), m_designColours(designColours) {}

    void message(const QString &title, const QString &text, Icon icon) override;
    bool confirm(const QString &title, const QString &text) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    QString saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) override;

    // The dialogs as the calls above run them, for a look before they are shown.
    std::unique_ptr<QMessageBox> messageBox(const QString &title, const QString &text, Icon icon) const;
    std::unique_ptr<QMessageBox> questionBox(const QString &title, const QString &text) const;
    std::unique_ptr<QInputDialog> inputBox(const QString &prompt, const QString &title,
                                           const QString &defaultAnswer) const;
    // The desktop's file dialog for a file to open or to write, starting at path (a folder, or a folder and a file
    // name), sized to the screen.
    enum class FileUse { Open, Save };
    static std::unique_ptr<QFileDialog> fileDialog(QWidget *parent, FileUse use, const QString &title,
                                                   const QString &path, const QString &filter);
    // Runs dialog; the file chosen, or an empty path for Cancel.
    static QString chooseWith(QFileDialog &dialog);

private:
    QWidget *m_parent;
    bool m_designColours;
};
