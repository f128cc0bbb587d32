// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the report's bar chart with QPainter, its tooltips, and its text for a screen reader.
#include "app/report/reportchart.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Where the parts of the chart go in an area, measured with the font the chart is drawn in.
struct Layout {
    QRectF title;
    QRectF plot;     // the bars' area: zero on its bottom edge, axisTop on its top edge
    double slot = 0; // the width each period has
    int axisTop = 1;
    int step = 1;
    int labelEvery = 1;
};

// A tick step of 1, 2 or 5 times a power of ten that gives four to six ticks up to max.
int tickStep(int max)
{
    const double raw = std::max(1.0, double(max) / 5.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * magnitude >= raw)
            return std::max(1, int(std::lround(m * magnitude)));
    }
    return int(10 * magnitude);
}

Layout layoutFor(const QRectF &area, const QFontMetricsF &metrics, const ReportChart::Data &data)
{
    Layout layout;
    const int highest = data.values.empty() ? 0 : *std::max_element(data.values.begin(), data.values.end());
    layout.step = tickStep(highest);
    layout.axisTop = std::max(layout.step, int(std::ceil(double(highest) / layout.step)) * layout.step);

    const double em = metrics.height();
    const auto titleLines = qsizetype(data.title.count(u'\n') + 1);
    layout.title = QRectF(area.left(), area.top(), area.width(), em * (0.4 + 1.2 * double(titleLines)));
    const double axisWidth = metrics.horizontalAdvance(QString::number(layout.axisTop)) + em * 0.6;
    layout.plot = QRectF(area.left() + axisWidth, layout.title.bottom() + em * 0.4,
                         std::max(1.0, area.width() - axisWidth - em * 0.6),
                         std::max(1.0, area.height() - layout.title.height() - em * 0.4 - em * 1.5));
    const auto bars = qsizetype(data.values.size());
    if (bars > 0) {
        layout.slot = layout.plot.width() / double(bars);
        double widest = 0;
        for (const QString &label : data.labels)
            widest = std::max(widest, metrics.horizontalAdvance(label));
        // Labels that would touch are thinned to every second, fifth... period, so the ones left stay readable.
        layout.labelEvery = std::max(1, int(std::ceil((widest + em) / layout.slot)));
    }
    return layout;
}

QRectF barRectIn(const Layout &layout, const ReportChart::Data &data, int index)
{
    if (index < 0 || size_t(index) >= data.values.size() || data.values.at(size_t(index)) <= 0)
        return {};
    const double height = layout.plot.height() * data.values.at(size_t(index)) / double(layout.axisTop);
    const double width = std::max(1.0, layout.slot * 0.7);
    const double left = layout.plot.left() + layout.slot * index + (layout.slot - width) / 2;
    return QRectF(left, layout.plot.bottom() - height, width, height);
}

} // namespace

ReportChart::ReportChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"ReportChart"_s);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Reached by Tab, so that a screen reader reads the bars and the menu key offers the chart's commands; a click
    // leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Chart of uses"));
}

void ReportChart::setData(Data data)
{
    m_data = std::move(data);
    setAccessibleDescription(describe(m_data));
    update();
}

QString ReportChart::describe(const Data &data)
{
    QStringList bars;
    for (size_t i = 0; i < data.values.size(); ++i)
        bars.append(u"%1 %2"_s.arg(data.labels.value(qsizetype(i))).arg(data.values[i]));
    const QString title = data.title.split(u'\n').join(u", "_s);
    //: Read to a screen reader for a chart without bars; %1 is the chart's title.
    return bars.isEmpty() ? tr("%1: no dated services in this range").arg(title)
                          //: Read to a screen reader: %1 is the chart's title, %2 each period with its uses.
                          : tr("%1: %2").arg(title, bars.join(u", "_s));
}

QPalette ReportChart::paperColours()
{
    QPalette colours;
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Highlight, QColor(52, 101, 164));
    return colours;
}

QFont ReportChart::pictureFont()
{
    QFont font;
    font.setPixelSize(22);
    return font;
}

QImage ReportChart::picture(const Data &data, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    const QPalette colours = paperColours();
    image.fill(colours.color(QPalette::Base));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pictureFont());
    // A margin, as paper has: the labels at the edges are not cut by the picture's border.
    const int margin = size.width() / 40;
    paint(painter, image.rect().adjusted(margin, margin, -margin, -margin), data, colours);
    return image;
}

QRect ReportChart::barRect(int index) const
{
    return barRectIn(layoutFor(rect(), QFontMetricsF(font()), m_data), m_data, index).toRect();
}

QSize ReportChart::sizeHint() const
{
    return {480, 300};
}

QSize ReportChart::minimumSizeHint() const
{
    return {200, 150};
}

void ReportChart::paint(QPainter &painter, const QRect &area, const Data &data, const QPalette &colours)
{
    painter.save();
    painter.fillRect(area, colours.color(QPalette::Base));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const Layout layout = layoutFor(area, metrics, data);
    const QColor text = colours.color(QPalette::Text);

    QFont titleFont = painter.font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(text);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    QStringList lines = data.title.split(u'\n');
    for (QString &line : lines)
        line = titleMetrics.elidedText(line, Qt::ElideRight, layout.title.width());
    painter.drawText(layout.title, Qt::AlignCenter, lines.join(u'\n'));
    painter.restore();
    painter.save();

    if (data.values.empty()) {
        painter.setPen(text);
        painter.drawText(layout.plot, Qt::AlignCenter, tr("No dated services in this range"));
        painter.restore();
        return;
    }

    // The count axis: a faint line at each tick, its figure on the left. Faint is a quarter of the way from the
    // ground to the text, so that the lines show on a dark theme as on paper.
    const double em = metrics.height();
    const QColor ground = colours.color(QPalette::Base);
    const QColor grid = QColor::fromRgbF(float(ground.redF() * 0.75 + text.redF() * 0.25),
                                         float(ground.greenF() * 0.75 + text.greenF() * 0.25),
                                         float(ground.blueF() * 0.75 + text.blueF() * 0.25));
    for (int tick = 0; tick <= layout.axisTop; tick += layout.step) {
        const double y = layout.plot.bottom() - layout.plot.height() * tick / double(layout.axisTop);
        painter.setPen(QPen(grid, 0));
        painter.drawLine(QPointF(layout.plot.left(), y), QPointF(layout.plot.right(), y));
        painter.setPen(text);
        const QRectF figure(layout.title.left(), y - em / 2, layout.plot.left() - layout.title.left() - em * 0.3, em);
        painter.drawText(figure, Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }

    for (int i = 0; i < int(data.values.size()); ++i) {
        const QRectF bar = barRectIn(layout, data, i);
        if (!bar.isEmpty())
            painter.fillRect(bar, colours.color(QPalette::Highlight));
        if (i % layout.labelEvery == 0 && i < data.labels.size()) {
            // Centred under its bar, but kept inside the area where the first or last label would run over.
            const double width = metrics.horizontalAdvance(data.labels.at(i)) + 2;
            const double centre = layout.plot.left() + layout.slot * (i + 0.5);
            const double left = std::clamp(centre - width / 2, double(area.left()), area.right() + 1 - width);
            painter.setPen(text);
            painter.drawText(QRectF(left, layout.plot.bottom() + em * 0.25, width, em), Qt::AlignHCenter | Qt::AlignTop,
                             data.labels.at(i));
        }
    }
    painter.setPen(QPen(text, 0));
    painter.drawLine(layout.plot.bottomLeft(), layout.plot.bottomRight());
    painter.drawLine(layout.plot.bottomLeft(), layout.plot.topLeft());
    painter.restore();
}

void ReportChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    paint(painter, rect(), m_data, palette());
    // A frame in the highlight colour: the style's own focus mark would tint the whole chart.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

bool ReportChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const Layout layout = layoutFor(rect(), QFontMetricsF(font()), m_data);
    // The whole column of a period answers, so that a short bar, or none, can be pointed at too.
    const double x = help->pos().x() - layout.plot.left();
    const int index = layout.slot > 0 ? int(std::floor(x / layout.slot)) : -1;
    if (x < 0 || index < 0 || size_t(index) >= m_data.values.size() || index >= m_data.labels.size() ||
        !layout.plot.adjusted(0, 0, 0, layout.plot.height() * 0.2).contains(help->pos())) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const int uses = m_data.values.at(size_t(index));
    const QRect column(int(layout.plot.left() + layout.slot * index), int(layout.plot.top()),
                       std::max(1, int(layout.slot)), int(layout.plot.height()));
    //: A bar's tooltip on the usage chart: %1 is the period ("2019", "Jan 2019").
    QToolTip::showText(help->globalPos(), tr("%1: %n use(s)", nullptr, uses).arg(m_data.labels.at(index)), this,
                       column);
    return true;
}
