// SPDX-License-Identifier: GPL-3.0-or-later
// A frame drawn just inside a list or table while it has the keyboard focus, so that the keys' place shows
// even when no row is current. The view keeps its size and place; the frame is drawn over its edge.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QPalette;

class FocusMark : public QObject {
    Q_OBJECT
public:
    // Marks view and lives as long as it does.
    explicit FocusMark(QAbstractItemView *view);

    // The frame's colour: the palette's highlight where it stands out from the view's base, its text otherwise
    // (a theme whose highlight is close to its base).
    static QColor colourFor(const QPalette &palette);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Kept as widgets: while the view is being destroyed, only its QWidget part may still be asked anything.
    QWidget *m_view;
    QPointer<QWidget> m_viewport;
    bool m_painting = false;
};
