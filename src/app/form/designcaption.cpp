// SPDX-License-Identifier: GPL-3.0-or-later
// A shortened caption keeps its meaning in reach: the tooltip shows the full text, and a screen reader hears it.
#include "app/form/designcaption.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

QString DesignCaption::shown() const
{
    return m_translated ? QCoreApplication::translate("Form1", m_source, "caption") : QString::fromUtf8(m_source);
}

QString DesignCaption::full() const
{
    return m_translated ? QCoreApplication::translate("Form1", m_source, "full text") : QString::fromUtf8(m_source);
}

void DesignCaption::showOn(QWidget *control) const
{
    const QString caption = shown();
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
    const QString whole = full();
    // Less the blanks that place the caption in its room.
    const QString tip = whole == caption ? QString() : whole.trimmed();
    // A name the control was given on its own (Check1's, Clear's) is kept; the one set here for an earlier caption
    // goes with it.
    const QString name = control->accessibleName();
    if (name.isEmpty() || name == control->toolTip())
        control->setAccessibleName(tip);
    control->setToolTip(tip);
}

void DesignCaption::addTo(QComboBox *box) const
{
    const QString caption = shown();
    const QString whole = full();
    box->addItem(caption);
    if (whole != caption) {
        const int row = box->count() - 1;
        box->setItemData(row, whole.trimmed(), Qt::ToolTipRole);
        box->setItemData(row, whole.trimmed(), Qt::AccessibleTextRole);
    }
}

QString DesignCaption::fullTextOf(const QWidget *control)
{
    if (!control->toolTip().isEmpty())
        return control->toolTip();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return {};
}
