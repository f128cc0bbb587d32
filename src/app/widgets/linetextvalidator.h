// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a box's text to one line of the file it goes into: a line break or NUL pasted or typed into it becomes a
// space as it arrives, which is also how the box draws it.
#pragma once

#include <QValidator>

class LineTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit LineTextValidator(QObject *parent = nullptr) : QValidator(parent) {}

    // Every text is acceptable once its breaks are spaces; a CR LF pair is one space.
    State validate(QString &input, int &pos) const override;
};
