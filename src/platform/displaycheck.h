// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the display the program would open is there, asked before Qt is started: Qt's own answer to a
// missing display is generic advice and an abort.
#pragma once

#include <string>

namespace DisplayCheck {

// Why no window can be shown (e.g. "DISPLAY is not set"); empty when the display answers, or when the chosen
// platform (by -platform or QT_QPA_PLATFORM) is not X11, which Qt then judges itself. The display is the one named
// by -display, else $DISPLAY.
std::string problem(int argc, char **argv);

} // namespace DisplayCheck
