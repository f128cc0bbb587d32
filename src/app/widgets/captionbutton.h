// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose caption wraps onto a second line when the button is too narrow for it on one, as the
// window's small "book list" button needs; a caption that fits is drawn by the style as usual.
#pragma once

#include <QPushButton>

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
