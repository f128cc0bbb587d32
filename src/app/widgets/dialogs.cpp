// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's message, input and file dialogs behind the dialog interface, each made to fit the screen it opens on.
#include "app/widgets/dialogs.h"

#include "app/widgets/designpalette.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QTextEdit>

#include <cmath>

using namespace Qt::StringLiterals;

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

// The free area of the screen a dialog of parent opens on.
QRect freeAreaFor(const QWidget *parent)
{
    const QWidget *window = parent != nullptr ? parent->window() : nullptr;
    const QScreen *screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(QPoint(), QtDialogs::SmallestRoom);
}

// The window manager's frame around a dialog of parent: the parent's own where it has one to measure, as a dialog's
// is not known until it is shown.
QMargins frameFor(const QWidget *parent)
{
    const QWidget *window = parent != nullptr ? parent->window() : nullptr;
    if (window != nullptr && window->isVisible() && window->frameGeometry() != window->geometry()) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    }
    return {8, 32, 8, 8};
}

// The room a dialog of parent has: the free area less the frame.
QSize roomFor(const QWidget *parent)
{
    return freeAreaFor(parent).marginsRemoved(frameFor(parent)).size();
}

// Centres dialog on its parent's window and keeps it, frame and all, within the screen's free area.
void placeOnScreen(QWidget &dialog, const QWidget *parent)
{
    const QRect free = freeAreaFor(parent);
    QRect outer = QRect(QPoint(), dialog.size()).marginsAdded(frameFor(parent));
    outer.moveCenter(parent != nullptr ? parent->window()->frameGeometry().center() : free.center());
    outer.moveRight(std::min(outer.right(), free.right()));
    outer.moveBottom(std::min(outer.bottom(), free.bottom()));
    outer.moveLeft(std::max(outer.left(), free.left()));
    outer.moveTop(std::max(outer.top(), free.top()));
    // A window's position is its frame's.
    dialog.move(outer.topLeft());
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

// A message box no larger than its room: it sizes itself to its text when shown, and where that is too large
// the text is moved into a box of its own that wraps anywhere and scrolls.
class FittingMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent *event) override
    {
        // Once the text scrolls, the box keeps the size given here rather than the one its text would ask for.
        if (m_scrolling && event->type() == QEvent::LayoutRequest)
            return QDialog::event(event);
        return QMessageBox::event(event);
    }

    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        fitText();
        placeOnScreen(*this, parentWidget());
    }

private:
    void fitText()
    {
        const QSize room = roomFor(parentWidget()).boundedTo(QtDialogs::SmallestRoom);
        if (m_scrolling || (width() <= room.width() && height() <= room.height()))
            return;
        auto *grid = qobject_cast<QGridLayout *>(layout());
        // The name Qt gives the box's text.
        QLabel *label = findChild<QLabel *>(u"qt_msgbox_label"_s);
        if (grid == nullptr || label == nullptr) {
            setFixedSize(size().boundedTo(room));
            return;
        }
        m_scrolling = true;
        auto *view = new QTextEdit(this);
        view->setReadOnly(true);
        view->setPlainText(label->text());
        view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        view->setAccessibleName(windowTitle());
        // The item that held the label is handed back to be deleted.
        delete grid->replaceWidget(label, view);
        label->hide();
        view->show();

        const int width = std::min(this->width(), room.width());
        setFixedSize(width, room.height());
        grid->activate();
        // As high as the text needs, up to the room there is.
        view->document()->setTextWidth(view->viewport()->width());
        const int spare = view->viewport()->height() - int(std::ceil(view->document()->size().height()));
        if (spare > 0)
            setFixedSize(width, room.height() - spare);
    }

    bool m_scrolling = false;
};

// The design window's boxes keep its light colours (a dark desktop theme would make their text unreadable on the
// grey), and all are made wide enough for their titles, as far as their room allows.
std::unique_ptr<QMessageBox> makeBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons, bool designColours)
{
    auto box = std::make_unique<FittingMessageBox>(icon, title, forDisplay(text), buttons, parent);
    if (designColours)
        box->setPalette(designPalette());
    box->setTextFormat(Qt::PlainText);
    const int titleWidth =
        std::min(widthForTitle(*box, title), roomFor(parent).boundedTo(QtDialogs::SmallestRoom).width());
    // A message box sizes itself to its text when shown; a spacer across its grid is the width it cannot go under.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    return box;
}
} // namespace

std::unique_ptr<QMessageBox> QtDialogs::messageBox(const QString &title, const QString &text, Icon icon) const
{
    return makeBox(m_parent, toQt(icon), title, text, QMessageBox::Ok, m_designColours);
}

std::unique_ptr<QMessageBox> QtDialogs::questionBox(const QString &title, const QString &text) const
{
    return makeBox(m_parent, QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                   m_designColours);
}

std::unique_ptr<QInputDialog> QtDialogs::inputBox(const QString &prompt, const QString &title,
                                                  const QString &defaultAnswer) const
{
    auto box = std::make_unique<QInputDialog>(m_parent);
    if (m_designColours)
        box->setPalette(designPalette());
    box->setWindowTitle(title);
    box->setLabelText(forDisplay(prompt));
    box->setTextValue(defaultAnswer);
    // Its layout fixes its size to what the layout asks for, so the width is asked for inside the layout. The
    // layout is made on the first question of size.
    box->minimumSizeHint();
    const int titleWidth = std::min(widthForTitle(*box, title), roomFor(m_parent).boundedTo(SmallestRoom).width());
    if (QLayout *layout = box->layout())
        layout->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
    box->adjustSize();
    placeOnScreen(*box, m_parent);
    return box;
}

void QtDialogs::message(const QString &title, const QString &text, Icon icon)
{
    messageBox(title, text, icon)->exec();
}

bool QtDialogs::confirm(const QString &title, const QString &text)
{
    return questionBox(title, text)->exec() == QMessageBox::Ok;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    const std::unique_ptr<QInputDialog> box = inputBox(prompt, title, defaultAnswer);
    return box->exec() == QDialog::Accepted ? box->textValue() : QString();
}

QString QtDialogs::saveFileName(const QString &title, const QString &suggestedPath, const QString &filter)
{
    // The desktop's own file dialog, in the desktop's colours: it is the report window's, not Form1's.
    const std::unique_ptr<QFileDialog> dialog = fileDialog(m_parent, FileUse::Save, title, suggestedPath, filter);
    return chooseWith(*dialog);
}

std::unique_ptr<QFileDialog> QtDialogs::fileDialog(QWidget *parent, FileUse use, const QString &title,
                                                   const QString &path, const QString &filter)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, path, filter);
    dialog->setAcceptMode(use == FileUse::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(use == FileUse::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt's own dialog; a desktop's native one places and sizes itself.
    const QSize room = roomFor(parent);
    if (dialog->width() > room.width() || dialog->height() > room.height())
        dialog->resize(dialog->size().boundedTo(room));
    placeOnScreen(*dialog, parent);
    return dialog;
}

QString QtDialogs::chooseWith(QFileDialog &dialog)
{
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // A native dialog (Windows' own, under Wine with a window manager) may leave no window of the program active
    // when it closes, and the keys with nobody: they go back to the window it was opened over.
    if (QWidget *parent = dialog.parentWidget()) {
        parent->window()->raise();
        parent->window()->activateWindow();
    }
    return accepted ? dialog.selectedFiles().value(0) : QString();
}
