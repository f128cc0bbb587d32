// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing list rows of any length: a row longer than any list can show is drawn cut short, so that one huge line in
// a file cannot stall the window; the row's own text, which copies and clicks read, stays whole.
#pragma once

#include <QStyledItemDelegate>

class ShortRowDelegate : public QStyledItemDelegate {
public:
    // Far more than the widest list shows, and few enough to measure and draw at once.
    static constexpr qsizetype MaxShownChars = 1000;

    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
