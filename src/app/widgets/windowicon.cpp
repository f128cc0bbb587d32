// SPDX-License-Identifier: GPL-3.0-or-later
// The icon is painted at 64 pixels; the desktop scales it down where it shows less.
#include "app/widgets/windowicon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace WindowIcon {

QIcon drawn()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(2, 2, 60, 60, 10, 10);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(14, 38, 16, 12));
    painter.drawEllipse(QRectF(36, 32, 16, 12));
    painter.drawRect(QRectF(27, 14, 3, 30));
    painter.drawRect(QRectF(49, 8, 3, 30));
    painter.drawPolygon(QPolygonF({QPointF(27, 14), QPointF(52, 8), QPointF(52, 15), QPointF(27, 21)}));
    return QIcon(pixmap);
}

} // namespace WindowIcon
