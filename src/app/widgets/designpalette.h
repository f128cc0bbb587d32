// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fixed colours: dark text on a light grey face, whatever the desktop's theme.
#pragma once

#include <QPalette>

// A complete palette (every role, every colour group), so that nothing of a dark desktop theme shows through
// in the window and its own message and input boxes.
QPalette designPalette();
