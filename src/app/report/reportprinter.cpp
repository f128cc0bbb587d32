// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the report out on pages. Every size comes from the device's page and the fonts measured on it, so the
// same document fits A4, Letter or any other paper.
#include "app/report/reportprinter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QFont bodyFont()
{
    QFont font;
    font.setPointSizeF(9.5);
    return font;
}

QFont titleFont()
{
    QFont font;
    font.setPointSizeF(15);
    font.setBold(true);
    return font;
}

} // namespace

struct ReportPrinter::Pages {
    QRectF page;
    double line = 0; // the height of a text line
    double rowHeight = 0;
    double chartTop = 0; // first page only
    double chartHeight = 0;
    double firstTableTop = 0;
    double bodyBottom = 0; // above the page number
    int firstRows = 0;     // table rows on the first page, below the title and the chart
    int rowsPerPage = 0;   // on every later page
    int count = 1;
    QList<double> columnWidths;
};

ReportPrinter::Pages ReportPrinter::paginate(const QPagedPaintDevice &device) const
{
    Pages pages;
    pages.page = QRectF(0, 0, device.width(), device.height());
    const QFontMetricsF body(bodyFont(), &device);
    const QFontMetricsF title(titleFont(), &device);
    pages.line = body.height();
    pages.rowHeight = std::ceil(body.height() * 1.35);
    pages.bodyBottom = pages.page.bottom() - pages.line * 2;

    pages.chartTop = title.height() * 1.3 + pages.line * 1.2 * double(m_document.notes.size()) + pages.line;
    pages.chartHeight = std::floor(pages.page.height() * 0.3);
    pages.firstTableTop = pages.chartTop + pages.chartHeight + pages.line * 1.5;

    // The header row is on every page; the rows share what is left, at least one a page whatever the paper.
    const auto rowsBetween = [&](double top) {
        return std::max(1, int(std::floor((pages.bodyBottom - top - pages.rowHeight) / pages.rowHeight)));
    };
    pages.firstRows = std::max(0, rowsBetween(pages.firstTableTop));
    if (pages.firstTableTop + pages.rowHeight * 2 > pages.bodyBottom)
        pages.firstRows = 0;
    pages.rowsPerPage = rowsBetween(0);
    const int rest = std::max(0, int(m_document.rows.size()) - pages.firstRows);
    pages.count = 1 + (rest + pages.rowsPerPage - 1) / pages.rowsPerPage;

    // Each column as wide as its widest text, the wide one taking the rest (and eliding what does not fit).
    const double gap = body.averageCharWidth() * 2;
    QFont bold = bodyFont();
    bold.setBold(true);
    const QFontMetricsF header(bold, &device);
    double others = 0;
    double wide = 0;
    for (qsizetype column = 0; column < m_document.headers.size(); ++column) {
        double widest = header.horizontalAdvance(m_document.headers.at(column));
        for (const QStringList &row : m_document.rows) {
            if (column < row.size())
                widest = std::max(widest, body.horizontalAdvance(row.at(column)));
        }
        pages.columnWidths.append(widest + gap);
        if (m_document.wideColumns.contains(int(column)))
            wide += widest + gap;
        else
            others += widest + gap;
    }
    const double room = pages.page.width() - others;
    for (const int column : m_document.wideColumns) {
        if (column < 0 || column >= pages.columnWidths.size())
            continue;
        // One wide column takes all the room; two share it as their texts need, neither left with less than a
        // quarter of it.
        const double share = m_document.wideColumns.size() == 1 || wide <= 0
                                 ? 1.0
                                 : std::clamp(pages.columnWidths[column] / wide, 0.25, 0.75);
        pages.columnWidths[column] = std::max(gap * 4, room * share);
    }
    return pages;
}

int ReportPrinter::pageCount(const QPagedPaintDevice &device) const
{
    return paginate(device).count;
}

bool ReportPrinter::print(QPagedPaintDevice &device, const PageDone &pageDone) const
{
    const Pages pages = paginate(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont bold = bodyFont();
    bold.setBold(true);
    const QFontMetricsF body(bodyFont(), &device);
    const QColor rule(160, 160, 160);

    const auto drawRow = [&](double top, const QStringList &cells, bool isHeader) {
        painter.setFont(isHeader ? bold : bodyFont());
        double left = pages.page.left();
        for (qsizetype column = 0; column < pages.columnWidths.size(); ++column) {
            const double width = pages.columnWidths.at(column);
            const QRectF cell(left, top, width - body.averageCharWidth(), pages.rowHeight);
            const QString text = column < cells.size() ? cells.at(column) : QString();
            const bool right = m_document.numericColumns.contains(int(column));
            painter.drawText(cell, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             QFontMetricsF(painter.font(), &device).elidedText(text, Qt::ElideRight, cell.width()));
            left += width;
        }
        if (isHeader) {
            painter.setPen(QPen(rule, 0));
            painter.drawLine(QPointF(pages.page.left(), top + pages.rowHeight),
                             QPointF(pages.page.right(), top + pages.rowHeight));
            painter.setPen(Qt::black);
        }
    };

    //: The foot of each printed page of the usage report.
    const QString pageFoot = tr("Page %1 of %2");
    qsizetype next = 0;
    for (int page = 1; page <= pages.count; ++page) {
        if (page > 1 && !device.newPage())
            break;
        painter.setPen(Qt::black);
        double top = pages.page.top();
        int rows = pages.rowsPerPage;
        if (page == 1) {
            painter.setFont(titleFont());
            const QFontMetricsF title(titleFont(), &device);
            painter.drawText(QRectF(pages.page.left(), top, pages.page.width(), title.height()),
                             Qt::AlignLeft | Qt::AlignTop,
                             title.elidedText(m_document.title, Qt::ElideMiddle, pages.page.width()));
            top += title.height() * 1.3;
            painter.setFont(bodyFont());
            for (const QString &note : m_document.notes) {
                painter.drawText(QRectF(pages.page.left(), top, pages.page.width(), pages.line),
                                 Qt::AlignLeft | Qt::AlignTop,
                                 body.elidedText(note, Qt::ElideRight, pages.page.width()));
                top += pages.line * 1.2;
            }
            painter.setFont(bodyFont());
            ReportChart::paint(
                painter, QRectF(pages.page.left(), pages.chartTop, pages.page.width(), pages.chartHeight).toRect(),
                m_document.chart, ReportChart::paperColours());
            top = pages.firstTableTop;
            rows = pages.firstRows;
        }
        if (rows > 0 || m_document.rows.isEmpty()) {
            drawRow(top, m_document.headers, true);
            top += pages.rowHeight;
        }
        for (int i = 0; i < rows && next < m_document.rows.size(); ++i, ++next) {
            drawRow(top, m_document.rows.at(next), false);
            top += pages.rowHeight;
        }
        painter.setFont(bodyFont());
        painter.drawText(QRectF(pages.page.left(), pages.bodyBottom + pages.line * 0.8, pages.page.width(), pages.line),
                         Qt::AlignHCenter | Qt::AlignTop, pageFoot.arg(page).arg(pages.count));
        if (pageDone && !pageDone(page, pages.count)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

QByteArray ReportPrinter::pdf(const QPageLayout &layout, int resolution, const QString &docName,
                              const PageDone &pageDone) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(resolution);
        writer.setTitle(docName);
        if (!print(writer, pageDone))
            return {};
    }
    // The writer does not say when its device took less than it was given; a whole PDF ends with its trailer.
    return bytes.trimmed().endsWith("%%EOF") ? bytes : QByteArray();
}
