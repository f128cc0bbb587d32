// SPDX-License-Identifier: GPL-3.0-or-later
// A date box that asks for room enough to show any date of its format whole in the font it has. QDateEdit sizes
// itself as a spin box even when it drops a calendar down like a combo box, whose text field some styles (Windows')
// make narrower: "2021-01-08" was drawn as "2021-01-0". And a date typed after a click replaces the date shown: the
// click that brings the keys selects the whole date, a later click the part clicked, and a separator typed after a
// part the box moved past by itself is taken as typed already.
#pragma once

#include <QDateEdit>

class DateBox : public QDateEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The calendar a date box drops down names its days and months, and starts its weeks, as the language spoken
    // does; the box's own date keeps the regional settings' form.
    static void speakLanguage(QDateEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // hint widened, where needed, until the field the box gives its text holds the widest date.
    QSize withRoomForText(QSize hint) const;

    bool m_clickFocused = false; // the keys came with a click not yet released
    bool m_advanced = false;     // the last digit typed filled its part, and the box moved on to the next
};
