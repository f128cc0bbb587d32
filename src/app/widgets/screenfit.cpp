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
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(room.size()).expandedTo(minimum));
    // The top left wins where the window cannot fit at its least: the title bar stays reachable.
    fitted.moveLeft(std::max(room.left(), std::min(fitted.left(), room.right() - fitted.width() + 1)));
    fitted.moveTop(std::max(room.top(), std::min(fitted.top(), room.bottom() - fitted.height() + 1)));
    return fitted;
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
