// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's message and input boxes behind the dialog interface.
#include "app/widgets/dialogs.h"

#include "app/widgets/designpalette.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>

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

// The width a window manager needs to show title in full: its title bars use a bold face, usually a little
// larger than the dialog's own, and keep room for the window's icon and its buttons.
int widthForTitle(const QWidget &box, const QString &title)
{
    QFont face = box.font();
    face.setBold(true);
    face.setPointSizeF(face.pointSizeF() * 1.2);
    constexpr int iconAndButtons = 140;
    return QFontMetrics(face).horizontalAdvance(title) + iconAndButtons;
}

// The design window's boxes keep its light colours (a dark desktop theme would make their text unreadable on the
// grey), and all are made wide enough for their titles.
void dress(QMessageBox &box, const QString &title, bool designColours)
{
    if (designColours)
        box.setPalette(designPalette());
    box.setTextFormat(Qt::PlainText);
    // A message box sizes itself to its text when shown; a spacer across its grid is the width it cannot go under.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}
} // namespace

void QtDialogs::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(toQt(icon), title, forDisplay(text), QMessageBox::Ok, m_parent);
    dress(box, title, m_designColours);
    box.exec();
}

bool QtDialogs::confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, forDisplay(text), QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    dress(box, title, m_designColours);
    return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    QInputDialog box(m_parent);
    if (m_designColours)
        box.setPalette(designPalette());
    box.setWindowTitle(title);
    box.setLabelText(forDisplay(prompt));
    box.setTextValue(defaultAnswer);
    // Its layout fixes its size to what the layout asks for, so the width is asked for inside the layout. The
    // layout is made on the first question of size.
    box.minimumSizeHint();
    if (QLayout *layout = box.layout())
        layout->addItem(new QSpacerItem(widthForTitle(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString QtDialogs::saveFileName(const QString &title, const QString &suggestedPath, const QString &filter)
{
    // The desktop's own file dialog, in the desktop's colours: it is the report window's, not Form1's.
    return QFileDialog::getSaveFileName(m_parent, title, suggestedPath, filter);
}
