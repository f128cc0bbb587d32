// SPDX-License-Identifier: GPL-3.0-or-later
// The indicator is drawn by the style; the caption is laid out here so that it can wrap.
#include "app/widgets/captioncheckbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void CaptionCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);

    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect textArea = rect().adjusted(indicator.right() + 1 + gap, 0, 0, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
}

bool CaptionCheckBox::hitButton(const QPoint &pos) const
{
    // The whole box answers a click, including a caption's second line.
    return rect().contains(pos);
}
