// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide in a window of the program's own: the page made from docs/user-guide.md at build time and its
// pictures, read from the program's resources, so that it opens the same on every system, without a browser or an
// installed file.
#pragma once

#include <QTextBrowser>

class UserGuide : public QTextBrowser {
    Q_OBJECT
public:
    // Where the page is among the program's resources; its pictures are beside it.
    static QUrl pageUrl();

    explicit UserGuide(QWidget *parent = nullptr);

    // Brings the window up, inside the screen's free area the first time, and to the front.
    void showGuide();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Draws each picture at most as wide as the page, in its own proportions.
    void fitPictures();
    void placeOnScreen();

    bool m_placed = false;
};
