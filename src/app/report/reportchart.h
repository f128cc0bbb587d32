// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report's bar chart: uses per year or month, drawn in the colours of the palette it is given, on
// screen and on paper alike.
#pragma once

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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Data m_data;
};
