// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting long rows short for drawing and measuring only.
#include "app/widgets/shortrowdelegate.h"

void ShortRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    QString &text = option->text;
    if (text.size() <= MaxShownChars)
        return;
    // Text is laid out whole before it is elided, which for a line of millions of characters takes many seconds.
    qsizetype keep = MaxShownChars;
    if (text.at(keep - 1).isHighSurrogate())
        --keep;
    text.truncate(keep);
    text.append(QChar(0x2026));
}
