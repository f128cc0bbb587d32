// SPDX-License-Identifier: GPL-3.0-or-later
// A service's hymn numbers as the cards of a hymn board: on each page the numbers one a line, in figures at least
// 3 cm tall, under an optional line with the service's date and occasion. A board holds as many numbers as fit at
// that height; a longer service goes on over more boards.
#pragma once

#include <QString>
#include <QStringList>

class QPageLayout;
class QPagedPaintDevice;

class HymnBoard {
public:
    // The least height of a figure, in centimetres.
    static constexpr double LeastFigureCm = 3.0;

    HymnBoard(QStringList numbers, QString dateLine) : m_numbers(std::move(numbers)), m_dateLine(std::move(dateLine)) {}

    // How the numbers lie on the pages of device: as many a page, and the figures' height in the device's units.
    struct Layout {
        int perPage = 0;
        int pages = 0;
        double figureHeight = 0;
    };
    Layout layoutOn(QPagedPaintDevice &device) const;

    // Draws the boards on device; false when it cannot be painted on (a PDF file that cannot be created) or there is
    // no number to show.
    bool print(QPagedPaintDevice &device) const;
    // The boards as a PDF file's bytes, on pages of layout at resolution dots per inch; empty when they could not be
    // made.
    QByteArray pdf(const QPageLayout &layout, int resolution) const;

private:
    QStringList m_numbers;
    QString m_dateLine;
};
