// SPDX-License-Identifier: GPL-3.0-or-later
// How the system writes text handed to other programs (the clipboard's plain text): its line end.
#pragma once

#include <QString>

namespace SystemText {

// "\r\n" on Windows, "\n" elsewhere.
QString lineEnd();

} // namespace SystemText
