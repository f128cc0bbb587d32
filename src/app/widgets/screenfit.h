// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window goes so that the whole of it, title bar included, lies on a screen: for a window opened the first
// time at a size made for a large screen, and for a place kept from a run on other screens or another scale.
#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ScreenFit {

// The window's client rect for wanted (a client rect; frame is what the window manager adds around it) on the
// available area it overlaps most, or on fallback when it overlaps none: moved in where it sticks out, and made
// smaller where it is larger than the area, never below minimum.
QRect placed(const QRect &wanted, const QMargins &frame, const QList<QRect> &areas, const QRect &fallback,
             const QSize &minimum);

// A window's size: preferred where room allows, smaller where it does not, never below minimum.
QSize sizeWithin(const QSize &preferred, const QSize &room, const QSize &minimum);

// The top left that brings outer (a window's frame) within available: moved in where it sticks out, its top left
// winning where it is larger, so that the title bar stays reachable.
QPoint keptWithin(const QRect &outer, const QRect &available);

// The top left of a frame of size outer centred on centre, kept within available.
QPoint centredWithin(const QPoint &centre, const QSize &outer, const QRect &available);

// Moves a shown window wholly onto the screen it overlaps most, smaller where it must be: for a dialog that grows
// past the screen's edge.
void keepOnScreen(QWidget *window);

} // namespace ScreenFit
