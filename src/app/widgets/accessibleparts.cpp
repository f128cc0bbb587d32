// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/accessibleparts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QToolButton>

namespace {

// Marks the windows announced as windows.
constexpr char kWindowProperty[] = "cantorixAnnouncedWindow";

QAccessibleInterface *windowInterface(const QString &, QObject *object)
{
    if (object->isWidgetType() && object->property(kWindowProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

namespace AccessibleParts {

void announceAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(kWindowProperty, true);
}

void nameClearButton(QLineEdit *edit)
{
    //: a screen reader's name for the button that empties a box; %1 is the box's name
    const QString name = QCoreApplication::translate("AccessibleParts", "Clear %1").arg(edit->accessibleName());
    for (QToolButton *button : edit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
        button->setAccessibleName(name);
}

void nameDropDown(QComboBox *combo)
{
    //: a screen reader's name for the list a drop-down opens; %1 is the drop-down's name
    combo->view()->setAccessibleName(
        QCoreApplication::translate("AccessibleParts", "%1 choices").arg(combo->accessibleName()));
}

} // namespace AccessibleParts
