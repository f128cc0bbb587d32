// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs for window tests: every message is recorded, and questions and input boxes take scripted answers.
#pragma once

#include "app/widgets/dialogs.h"

#include <QList>
#include <QStringList>

class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "confirm", "input" or "save"
        QString title;
        QString text; // the message text, the input box's prompt, or the path a chooser suggested
        Icon icon = Icon::Information;
        QString defaultAnswer;
    };

    void message(const QString &title, const QString &text, Icon icon) override;
    bool confirm(const QString &title, const QString &text) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    QString saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) override;

    // Answers for the next questions and input boxes, in order; with none left a question gets OK and an input
    // box its default answer.
    QList<bool> confirmAnswers;
    QStringList inputAnswers;
    // Paths for the next file choosers, in order; with none left a chooser is cancelled, so nothing is written
    // that a test did not ask for.
    QStringList saveAnswers;

    QList<Shown> shown;
    // The messages only (not questions or input boxes).
    QList<Shown> messages() const;
    void reset();
};
