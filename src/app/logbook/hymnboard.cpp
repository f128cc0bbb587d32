// SPDX-License-Identifier: GPL-3.0-or-later
// The figures' font is sized by what its digits measure on the device, not by its point size, which leaves the
// height of a digit to the font: a digit of a bold sans font is about seven tenths of its size.
#include "app/logbook/hymnboard.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The part of a line a figure takes; the rest parts it from the next.
constexpr double kFigureShare = 0.8;
// The font measured at this many device pixels, to scale from.
constexpr int kMeasuredPixels = 1000;

QFont figureFont(int pixels)
{
    QFont font(u"Sans Serif"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, pixels));
    return font;
}

QFont dateFont()
{
    QFont font(u"Sans Serif"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(18);
    return font;
}

// Where the digits lie about the baseline, in the figure font at kMeasuredPixels on device.
QRectF measuredDigits(QPagedPaintDevice &device)
{
    return QFontMetricsF(figureFont(kMeasuredPixels), &device).tightBoundingRect(u"0123456789"_s);
}

double dateHeight(QPagedPaintDevice &device, const QString &line)
{
    return line.isEmpty() ? 0 : QFontMetricsF(dateFont(), &device).height() * 2;
}

} // namespace

HymnBoard::Layout HymnBoard::layoutOn(QPagedPaintDevice &device) const
{
    Layout layout;
    if (m_numbers.isEmpty())
        return layout;
    const double perCm = device.logicalDpiY() / 2.54;
    const double least = LeastFigureCm * perCm;
    const double room = device.height() - dateHeight(device, m_dateLine);
    // As many numbers a page as fit at the least height, and all of them share the pages evenly.
    const int fit = std::max(1, int(std::floor(room * kFigureShare / least)));
    layout.pages = int((m_numbers.size() + fit - 1) / fit);
    layout.perPage = int((m_numbers.size() + layout.pages - 1) / layout.pages);
    double height = room / layout.perPage * kFigureShare;
    // The widest number must fit across the page; no number of a log is that wide at the least height.
    const QRectF digits = measuredDigits(device);
    const QFontMetricsF measured(figureFont(kMeasuredPixels), &device);
    double widest = 0;
    for (const QString &number : m_numbers)
        widest = std::max(widest, measured.horizontalAdvance(number));
    if (widest > 0)
        height = std::min(height, device.width() * 0.95 / widest * digits.height());
    layout.figureHeight = height;
    return layout;
}

bool HymnBoard::print(QPagedPaintDevice &device) const
{
    const Layout layout = layoutOn(device);
    if (layout.pages == 0)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF digits = measuredDigits(device);
    const int pixels = int(std::ceil(kMeasuredPixels * layout.figureHeight / digits.height()));
    const QFont figures = figureFont(pixels);
    // Where the digits lie about the baseline, at the size drawn.
    const QRectF drawn = QFontMetricsF(figures, &device).tightBoundingRect(u"0123456789"_s);
    const double top = dateHeight(device, m_dateLine);
    const double line = (device.height() - top) / layout.perPage;
    painter.setPen(Qt::black);
    for (int page = 0; page < layout.pages; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        if (!m_dateLine.isEmpty()) {
            painter.setFont(dateFont());
            painter.drawText(QRectF(0, 0, device.width(), top), Qt::AlignHCenter | Qt::AlignVCenter, m_dateLine);
        }
        painter.setFont(figures);
        const QFontMetricsF metrics(figures, &device);
        for (int row = 0; row < layout.perPage; ++row) {
            const qsizetype at = qsizetype(page) * layout.perPage + row;
            if (at >= m_numbers.size())
                break;
            const QString &number = m_numbers.at(at);
            const double middle = top + line * (row + 0.5);
            const double baseline = middle - (drawn.top() + drawn.bottom()) / 2;
            painter.drawText(QPointF((device.width() - metrics.horizontalAdvance(number)) / 2, baseline), number);
        }
    }
    return painter.end();
}

QByteArray HymnBoard::pdf(const QPageLayout &layout, int resolution) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(resolution);
        writer.setTitle(QCoreApplication::translate("HymnBoard", "Hymn board"));
        if (!print(writer))
            return {};
    }
    return bytes.trimmed().endsWith("%%EOF") ? bytes : QByteArray();
}
