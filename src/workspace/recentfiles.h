// SPDX-License-Identifier: GPL-3.0-or-later
// The files loaded lately, newest first, kept between runs in the user's settings. Paths are kept as the units
// that name them on disk, so a name the text encoding cannot carry is offered again exactly as it was loaded.
#pragma once

#include "platform/nativepath.h"

#include <QList>

#include <memory>

class AppSettings;

class RecentFiles {
public:
    static constexpr int kMaximum = 8;
    // The most entries looked at when the list is read, whatever count the file claims: a list edited by hand may
    // hold empty or repeated ones among the eight it offers.
    static constexpr int kScanned = 64;

    // The list in settings, or in settings of its own (see AppSettings) when none are given.
    explicit RecentFiles(AppSettings *settings = nullptr);
    ~RecentFiles();

    // The list as stored; empty when nothing is stored yet or the settings file is not kept.
    QList<NativePath> load();
    // Puts path first (moving it up if it was there), drops what falls past the maximum, stores the list and
    // returns it.
    QList<NativePath> add(const NativePath &path);
    // Takes path out of the list, stores the list and returns it.
    QList<NativePath> remove(const NativePath &path);

    // list with path put first, no duplicates, at most kMaximum entries.
    static QList<NativePath> withAdded(QList<NativePath> list, const NativePath &path);
    // True for a path that can name a file: not empty, no NUL byte, not longer than the system takes.
    static bool isKeepable(const NativePath &path);

private:
    void store(const QList<NativePath> &paths);

    std::unique_ptr<AppSettings> m_own;
    AppSettings *m_settings;
};
