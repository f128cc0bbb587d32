// SPDX-License-Identifier: GPL-3.0-or-later
// The busy cursor for the length of a scope: folder entry, listing and loading can each take a noticeable time
// on a large folder or a slow disk, and nested scopes simply stack.
#pragma once

#include <QGuiApplication>

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
