// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report's bar chart: uses per year or month, drawn in the colours of the palette it is given, on
// screen, on paper and in a picture file alike, and told as text to a screen reader.
#pragma once

#include <QImage>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <vector>

class ReportChart : public QWidget {
    Q_OBJECT
public:
    struct Data {
        QString title;           // one line or two, split at "\n"
        QStringList labels;      // one per bar: "2019", "Jan 2019"
        std::vector<int> values; // the uses in each bar
    };

    explicit ReportChart(QWidget *parent = nullptr);

    void setData(Data data);
    const Data &data() const { return m_data; }
    // Where bar index is drawn now, in the widget's coordinates; empty for a bar of no uses or no such bar.
    QRect barRect(int index) const;

    // Draws data into area; the widget paints with its own palette, print with one for paper.
    static void paint(QPainter &painter, const QRect &area, const Data &data, const QPalette &colours);
    // Black on white, whatever the desktop's theme: for paper and for pictures saved to a file.
    static QPalette paperColours();
    // The chart as a picture for a file: at size, in the paper's colours, with type sized for it, the same on any
    // screen at any scale.
    static QImage picture(const Data &data, const QSize &size);
    // The font picture() draws in, to fit a title to its width.
    static QFont pictureFont();
    // The bars as words, for those who cannot see them: the title, then each period and its uses.
    static QString describe(const Data &data);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Data m_data;
};
