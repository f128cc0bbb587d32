// SPDX-License-Identifier: GPL-3.0-or-later
// The frame is painted after the view has painted its rows: the view's own paint is run from inside the paint
// event that Qt delivers, and the frame is drawn once it returns.
#include "app/widgets/focusmark.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// Wide enough to be seen at a glance, narrow enough to leave the rows' text clear.
constexpr int kWidth = 2;

// Relative luminance and contrast ratio as the accessibility guidelines define them.
qreal luminance(const QColor &colour)
{
    const auto channel = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

FocusMark::FocusMark(QAbstractItemView *view) : QObject(view), m_view(view), m_viewport(view->viewport())
{
    view->installEventFilter(this);
    m_viewport->installEventFilter(this);
    // Scrolling moves the pixels already drawn, the frame's edges with them: it is drawn afresh all round.
    for (QScrollBar *bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (m_view->hasFocus())
                m_viewport->update();
        });
    }
}

QColor FocusMark::colourFor(const QPalette &palette)
{
    // 3:1 is what the guidelines ask of a focus indicator against what surrounds it.
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    return contrast(highlight, base) >= 3.0 ? highlight : palette.color(QPalette::Active, QPalette::Text);
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *viewport = m_viewport.data();
    if (viewport == nullptr)
        return false;
    if (watched == m_view) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            viewport->update();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched != viewport || event->type() != QEvent::Paint || m_painting)
        return false;
    if (!m_view->hasFocus() || !m_view->isActiveWindow())
        return false;

    m_painting = true;
    QCoreApplication::sendEvent(viewport, event);
    m_painting = false;
    QPainter painter(viewport);
    QPen pen(colourFor(m_view->palette()), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen is centred on the rectangle's edge: half a width in from the viewport's border.
    const qreal inset = kWidth / 2.0;
    painter.drawRect(QRectF(viewport->rect()).adjusted(inset, inset, -inset, -inset));
    return true;
}
