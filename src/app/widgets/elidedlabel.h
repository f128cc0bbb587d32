// SPDX-License-Identifier: GPL-3.0-or-later
// A label of plain text wrapped to its width and kept to a few lines: a text that needs more ends its last line
// in "…", and the whole of it is the label's tooltip. A status line that names what the user typed can grow without
// end otherwise, taking the room of the window's table.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(int maxLines, QWidget *parent = nullptr);

    // The text to show, cut where it needs more lines than the label may have.
    void setFullText(const QString &text);
    const QString &fullText() const { return m_full; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    int m_maxLines;
    QString m_full;
};
