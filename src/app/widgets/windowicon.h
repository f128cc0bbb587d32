// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window icon, drawn rather than loaded, so that every window has it without a resource file.
#pragma once

#include <QIcon>

namespace WindowIcon {

// A navy tile with a white note.
QIcon drawn();

} // namespace WindowIcon
