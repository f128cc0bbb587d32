// SPDX-License-Identifier: GPL-3.0-or-later
// The bevel is drawn by the style; a caption too wide for one line is laid out here, wrapped and centred.
#include "app/widgets/captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void CaptionButton::paintEvent(QPaintEvent *event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.text.isEmpty() || fontMetrics().horizontalAdvance(option.text) <= contents.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The style's contents rectangle keeps a margin meant for one line; two lines need the button's full height.
    const QRect area = rect().adjusted(1, 0, -1, 0);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}
