// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/accessibleparts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

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
    for (QToolButton *button : edit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
        button->setAccessibleName(u"Clear "_s + edit->accessibleName());
}

void nameDropDown(QComboBox *combo)
{
    combo->view()->setAccessibleName(combo->accessibleName() + u" choices"_s);
}

} // namespace AccessibleParts
