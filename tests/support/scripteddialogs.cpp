// SPDX-License-Identifier: GPL-3.0-or-later
// Recording and answering dialogs in window tests.
#include "scripteddialogs.h"

using namespace Qt::StringLiterals;

void ScriptedDialogs::message(const QString &title, const QString &text, Icon icon)
{
    shown.append({u"message"_s, title, text, icon, QString()});
}

bool ScriptedDialogs::confirm(const QString &title, const QString &text)
{
    shown.append({u"confirm"_s, title, text, Icon::Question, QString()});
    return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
}

QString ScriptedDialogs::input(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    shown.append({u"input"_s, title, prompt, Icon::Question, defaultAnswer});
    return inputAnswers.isEmpty() ? defaultAnswer : inputAnswers.takeFirst();
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &suggestedPath, const QString &)
{
    shown.append({u"save"_s, title, suggestedPath, Icon::Question, QString()});
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

QList<ScriptedDialogs::Shown> ScriptedDialogs::messages() const
{
    QList<Shown> only;
    for (const Shown &one : shown) {
        if (one.kind == u"message"_s)
            only.append(one);
    }
    return only;
}

void ScriptedDialogs::reset()
{
    shown.clear();
    confirmAnswers.clear();
    inputAnswers.clear();
    saveAnswers.clear();
}
