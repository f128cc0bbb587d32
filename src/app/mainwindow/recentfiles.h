// SPDX-License-Identifier: GPL-3.0-or-later
// The files loaded lately, newest first, kept between runs in the user's settings. Paths are kept as the units
// that name them on disk, so a name the text encoding cannot carry is offered again exactly as it was loaded.
#pragma once

#include "platform/nativepath.h"

#include <QList>

namespace RecentFiles {

inline constexpr int kMaximum = 8;

// The list as stored; empty when nothing is stored yet.
QList<NativePath> load();
// Puts path first (moving it up if it was there), drops what falls past the maximum, stores the list and
// returns it.
QList<NativePath> add(const NativePath &path);
// list with path put first, no duplicates, at most kMaximum entries.
QList<NativePath> withAdded(QList<NativePath> list, const NativePath &path);

} // namespace RecentFiles
