// SPDX-License-Identifier: GPL-3.0-or-later
// One line of a service being planned: a grip to drag it by, the hymn's number, its title, and what the log says
// about it. A line without a number ("Anthem") has its text in the title box.
#pragma once

#include "logbook/addservice.h"

#include <QFrame>

class QLabel;
class QLineEdit;

class HymnRow : public QFrame {
    Q_OBJECT
public:
    explicit HymnRow(QWidget *parent = nullptr);

    QLineEdit *numberBox() const { return m_number; }
    QLineEdit *titleBox() const { return m_title; }
    QLabel *marksLabel() const { return m_marks; }
    QLabel *grip() const { return m_grip; }

    Logbook::ServiceLine line() const;
    // A line as given; asOffered makes its title one a new number may replace, as a title the log wrote is.
    void setLine(const Logbook::ServiceLine &line, bool asOffered = false);
    bool isBlank() const;
    // Puts title in the title box unless the user wrote one there: an empty box, or one still holding the title
    // offered last, takes it.
    void offerTitle(const QString &title);
    // True while the title box is empty or holds the title offered last: nothing the user wrote.
    bool titleIsOffered() const;
    // Names the boxes for screen readers by the row's place, counted from 1.
    void setPlace(int place);
    void setMarks(const QString &text, bool recent);
    // The row the buttons act on is drawn highlighted.
    void setCurrent(bool current);

private:
    QLabel *m_grip;
    QLineEdit *m_number;
    QLineEdit *m_title;
    QLabel *m_marks;
    QString m_offered;
};
