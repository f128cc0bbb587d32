// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting a window's frame into a screen's available area: the size first, then the place.
#include "app/widgets/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ScreenFit {

QRect placed(const QRect &wanted, const QMargins &frame, const QList<QRect> &areas, const QRect &fallback,
             const QSize &minimum)
{
    QRect area = fallback;
    qint64 most = 0;
    const QRect outer = wanted.marginsAdded(frame);
    for (const QRect &each : areas) {
        const QRect common = each.intersected(outer);
        if (qint64(common.width()) * common.height() > most) {
            most = qint64(common.width()) * common.height();
            area = each;
        }
    }
    if (area.isEmpty())
        return wanted;
    const QRect room = area.marginsRemoved(frame);
    QRect fitted(wanted.topLeft(), sizeWithin(wanted.size(), room.size(), minimum));
    fitted.moveTopLeft(keptWithin(fitted, room));
    return fitted;
}

QSize sizeWithin(const QSize &preferred, const QSize &room, const QSize &minimum)
{
    return preferred.boundedTo(room).expandedTo(minimum);
}

QPoint keptWithin(const QRect &outer, const QRect &available)
{
    // The top left wins where the window cannot fit at its least.
    return {std::max(available.left(), std::min(outer.left(), available.right() - outer.width() + 1)),
            std::max(available.top(), std::min(outer.top(), available.bottom() - outer.height() + 1))};
}

QPoint centredWithin(const QPoint &centre, const QSize &outer, const QRect &available)
{
    return keptWithin(QRect(QPoint(centre.x() - outer.width() / 2, centre.y() - outer.height() / 2), outer), available);
}

void keepOnScreen(QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QRect fitted = placed(inner, frame, areas, window->screen()->availableGeometry(), window->minimumSize());
    if (fitted != inner)
        window->setGeometry(fitted);
}

} // namespace ScreenFit
