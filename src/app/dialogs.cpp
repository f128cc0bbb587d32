// Qt's message and input boxes behind the dialog interface.
#include "dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Texts carry carriage returns as their line breaks; a label shows those as nothing, so show them as breaks.
QString forDisplay(QString text)
{
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}
} // namespace

void QtDialogs::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(toQt(icon), title, forDisplay(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, forDisplay(text), QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, title, forDisplay(prompt), QLineEdit::Normal, defaultAnswer, &ok);
    return ok ? answer : QString();
}
