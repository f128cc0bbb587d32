// SPDX-License-Identifier: GPL-3.0-or-later
// A label that shows a value (a count, a file's name or date). A screen reader hears what the value is and the
// value itself, "Dates listed: 16", kept current as the text changes; a long value can be drawn on its one line
// with its middle left out, while its text stays whole.
#pragma once

#include <QLabel>

class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget *parent = nullptr);

    // What the value is ("Dates listed"); screen readers hear it before the value, or alone while there is none.
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    // The name screen readers are given: "caption: value".
    QString spokenName() const;

    // Draws the text on one line, its middle left out when it does not fit.
    void setElidedInMiddle(bool elided);
    // The text as drawn.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    bool m_elided = false;
};
