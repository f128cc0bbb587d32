// SPDX-License-Identifier: GPL-3.0-or-later
// The text is laid out as the label would wrap it, at the label's width, and cut again whenever the width changes.
#include "app/widgets/elidedlabel.h"

#include <QStringList>
#include <QTextLayout>

#include <algorithm>

ElidedLabel::ElidedLabel(int maxLines, QWidget *parent) : QLabel(parent), m_maxLines(std::max(1, maxLines))
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void ElidedLabel::setFullText(const QString &text)
{
    m_full = text;
    fit();
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void ElidedLabel::fit()
{
    const int width = contentsRect().width() - 2 * std::max(0, margin());
    QTextLayout layout(m_full, font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    QStringList lines;
    qsizetype rest = -1;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width));
        if (lines.size() == m_maxLines - 1) {
            // The last line the label may have: everything from here on is cut to fit it, if there is more.
            if (line.textStart() + line.textLength() < m_full.size())
                rest = line.textStart();
            else
                lines.append(m_full.sliced(line.textStart()));
            break;
        }
        lines.append(m_full.sliced(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    if (rest < 0 || width <= 0) {
        setText(m_full);
        setToolTip(QString());
        return;
    }
    lines.append(fontMetrics().elidedText(m_full.sliced(rest), Qt::ElideRight, width));
    setText(lines.join(u'\n'));
    setToolTip(m_full);
}
