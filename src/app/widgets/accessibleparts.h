// SPDX-License-Identifier: GPL-3.0-or-later
// Names for what Qt makes inside or around a control and leaves without one, so that a screen reader has a word
// for each thing it can reach.
#pragma once

class QComboBox;
class QLineEdit;
class QWidget;

namespace AccessibleParts {

// A window of its own that is neither a main window nor a dialog: Qt announces it as a plain panel.
void announceAsWindow(QWidget *window);
// The clear button a line edit shows once it holds text, named "Clear " and the line's name.
void nameClearButton(QLineEdit *edit);
// The list a combo box drops down, named after the combo box.
void nameDropDown(QComboBox *combo);

} // namespace AccessibleParts
