// SPDX-License-Identifier: GPL-3.0-or-later
// The files loaded lately, newest first, kept between runs in the user's settings. Paths are kept as the bytes
// that name them on disk, so a name that is not UTF-8 is offered again exactly as it was loaded.
#pragma once

#include <QByteArray>
#include <QList>

namespace RecentFiles {

inline constexpr int kMaximum = 8;

// The list as stored; empty when nothing is stored yet.
QList<QByteArray> load();
// Puts path first (moving it up if it was there), drops what falls past the maximum, stores the list and
// returns it.
QList<QByteArray> add(const QByteArray &path);
// list with path put first, no duplicates, at most kMaximum entries.
QList<QByteArray> withAdded(QList<QByteArray> list, const QByteArray &path);

} // namespace RecentFiles
