// SPDX-License-Identifier: GPL-3.0-or-later
// A check box whose caption wraps onto a second line when the box is too narrow for it, as the window's small
// option boxes ("copy w/ title", "incl. refs") need.
#pragma once

#include <QCheckBox>

class CaptionCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
