// SPDX-License-Identifier: GPL-3.0-or-later
// The window's design as data: each control's name, kind, place in twips, caption (a translator's room is its
// width), font and whether it is shown at start, in the order the design declares them, and the factory that makes
// a control from its row.
#pragma once

#include "app/form/designcaption.h"

#include <QRect>
#include <QtGlobal>

#include <span>

class QWidget;

namespace ControlTable {

constexpr int TwipsPerPixel = 15;
constexpr int ClientWidth = 9600;
constexpr int ClientHeight = 7305;
// Controls right of the lists from this height (in pixels) down sit at the bottom and move with it.
constexpr int BottomRightTop = 360;

// A value label shows what the program found or counted; screen readers hear it with what it is.
enum class Kind {
    CheckBox,
    TextBox,
    Button,
    ListBox,
    ResultList,
    ComboBox,
    DirList,
    DriveList,
    FileList,
    Label,
    ValueLabel
};
enum FontStyle { Plain = 0, Bold = 1, Italic = 2 };

struct ControlRow {
    const char16_t *name;
    Kind kind;
    DesignCaption caption;
    int left, top, width, height; // twips
    bool shown;
    const char16_t *family;
    qreal points;
    int style;
};

// The rows of the design, in the order the window declares its controls.
std::span<const ControlRow> rows();

// A rectangle in twips as logical pixels.
QRect twipsRect(int left, int top, int width, int height);

// The control row describes, made on parent: its kind of widget, name, place, font, caption, start state, and for
// a list its rows' delegate and model.
QWidget *create(const ControlRow &row, QWidget *parent);

} // namespace ControlTable
