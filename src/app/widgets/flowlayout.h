// SPDX-License-Identifier: GPL-3.0-or-later
// A row of controls that wraps onto further lines when the window is too narrow for it, so that a narrow window or
// a large scale keeps every control on screen instead of forcing the window wider than the screen.
#pragma once

#include <QLayout>
#include <QList>

class FlowLayout : public QLayout {
    Q_OBJECT
public:
    // alignment: Qt::AlignLeft or Qt::AlignRight for the items of each line, where no item takes the width left.
    // gap: the room between neighbours on a line; -1 takes the style's.
    explicit FlowLayout(QWidget *parent = nullptr, Qt::Alignment alignment = Qt::AlignLeft, int gap = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Lays the items out in rect, line by line, placing them when apply; returns the height the lines take.
    int arrange(const QRect &rect, bool apply) const;
    int gap() const;

    QList<QLayoutItem *> m_items;
    Qt::Alignment m_alignment;
    int m_gap;
};
