// SPDX-License-Identifier: GPL-3.0-or-later
// The order Tab walks a window's controls in, given as one list instead of a pair at a time.
#pragma once

#include <QList>

class QWidget;

namespace TabOrder {

// Tab goes from each control to the next in controls, in the order given.
void chain(const QList<QWidget *> &controls);

} // namespace TabOrder
