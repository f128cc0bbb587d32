// SPDX-License-Identifier: GPL-3.0-or-later
// The colours are those of a classic light desktop, with the design's grey as the window's face.
#include "app/widgets/designpalette.h"

QPalette designPalette()
{
    const QColor face(224, 224, 224);
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? QColor(120, 120, 120) : QColor(Qt::black);
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, disabled ? face : QColor(Qt::white));
        palette.setColor(group, QPalette::AlternateBase, QColor(245, 245, 245));
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, QColor(110, 110, 110));
        palette.setColor(group, QPalette::Button, QColor(236, 236, 236));
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, QColor(202, 202, 202));
        palette.setColor(group, QPalette::Mid, QColor(184, 184, 184));
        palette.setColor(group, QPalette::Dark, QColor(159, 159, 159));
        palette.setColor(group, QPalette::Shadow, QColor(118, 118, 118));
        palette.setColor(group, QPalette::Highlight, disabled ? QColor(145, 145, 145) : QColor(0, 0, 128));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 238));
        palette.setColor(group, QPalette::LinkVisited, QColor(85, 26, 139));
    }
    return palette;
}
