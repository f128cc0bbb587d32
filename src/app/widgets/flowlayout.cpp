// SPDX-License-Identifier: GPL-3.0-or-later
// Laying a row out in as many lines as its width needs: each item at its preferred width where there is room, at
// least its minimum; the items that expand share what a line leaves over.
#include "app/widgets/flowlayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

int styleSpacing(const QLayout &layout, QStyle::PixelMetric metric)
{
    const QWidget *owner = layout.parentWidget();
    const int spacing = owner != nullptr ? owner->style()->pixelMetric(metric, nullptr, owner) : -1;
    return spacing >= 0 ? spacing : 6;
}

bool expands(const QLayoutItem *item)
{
    return (item->expandingDirections() & Qt::Horizontal) != 0;
}

} // namespace

FlowLayout::FlowLayout(QWidget *parent, Qt::Alignment alignment, int gap)
    : QLayout(parent), m_alignment(alignment), m_gap(gap)
{}

FlowLayout::~FlowLayout()
{
    qDeleteAll(m_items);
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    invalidate();
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        width += (width > 0 ? gap() : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::gap() const
{
    if (m_gap >= 0)
        return m_gap;
    return spacing() >= 0 ? spacing() : styleSpacing(*this, QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int lineGap = styleSpacing(*this, QStyle::PM_LayoutVerticalSpacing);
    const int width = std::max(1, area.width());
    const auto widthOf = [width](const QLayoutItem *item) {
        return std::max(std::min(item->sizeHint().width(), width), std::min(item->minimumSize().width(), width));
    };

    int top = area.top();
    bool firstLine = true;
    for (qsizetype start = 0; start < m_items.size();) {
        // The items of this line: as many as fit, and always at least one.
        QList<QLayoutItem *> line;
        int used = 0;
        qsizetype next = start;
        for (; next < m_items.size(); ++next) {
            QLayoutItem *item = m_items.at(next);
            if (item->isEmpty())
                continue;
            const int wanted = widthOf(item) + (line.isEmpty() ? 0 : gap());
            if (!line.isEmpty() && used + wanted > width)
                break;
            line.append(item);
            used += wanted;
        }
        start = next;
        if (line.isEmpty())
            break;

        const int left = width - used;
        const auto growing = std::count_if(line.cbegin(), line.cend(), expands);
        int x = area.left() + (growing == 0 && (m_alignment & Qt::AlignRight) ? left : 0);
        QList<int> widths;
        int height = 0;
        int shared = 0;
        for (QLayoutItem *item : std::as_const(line)) {
            int itemWidth = widthOf(item);
            if (growing > 0 && expands(item)) {
                // The last expanding item takes the odd pixels, so the line ends flush with the area.
                const int share =
                    ++shared == growing ? left - int(left / growing) * int(growing - 1) : int(left / growing);
                itemWidth += share;
            }
            widths.append(itemWidth);
            height = std::max(height,
                              item->hasHeightForWidth() ? item->heightForWidth(itemWidth) : item->sizeHint().height());
        }
        if (!firstLine)
            top += lineGap;
        firstLine = false;
        if (apply) {
            for (qsizetype i = 0; i < line.size(); ++i) {
                QLayoutItem *item = line.at(i);
                const int itemHeight = std::min(height, item->hasHeightForWidth() ? item->heightForWidth(widths.at(i))
                                                                                  : item->sizeHint().height());
                item->setGeometry(QRect(x, top + (height - itemHeight) / 2, widths.at(i), itemHeight));
                x += widths.at(i) + gap();
            }
        }
        top += height;
    }
    const QMargins margins = contentsMargins();
    return top - area.top() + margins.top() + margins.bottom();
}
