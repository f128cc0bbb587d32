// SPDX-License-Identifier: GPL-3.0-or-later
// The faces that stand in for the design's classic Windows faces on this system: the design names "MS Sans Serif",
// a bitmap face that cannot be drawn at other sizes, and Arial and Times New Roman, which Linux desktops lack.
#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace SystemFonts {

// The face asked for where the design names designFace.
QString face(const QString &designFace);
// Pairs of (face asked for, face drawn when the system lacks it).
std::vector<std::pair<QString, QString>> substitutes();

} // namespace SystemFonts
