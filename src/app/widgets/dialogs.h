// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' dialogs, behind one small interface so that tests can answer them without a modal loop.
#pragma once

#include <QString>

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
// light colours; designColours false gives them the desktop's, as the report window has.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent, bool designColours = true) : m_parent(parent), m_designColours(designColours) {}

    void message(const QString &title, const QString &text, Icon icon) override;
    bool confirm(const QString &title, const QString &text) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    QString saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) override;

private:
    QWidget *m_parent;
    bool m_designColours;
};
