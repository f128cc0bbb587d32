// SPDX-License-Identifier: GPL-3.0-or-later
// The portable half of the folder seam: which access is active, and the order names are listed in.
#include "platform/folderaccess.h"

#include <algorithm>
#include <utility>

namespace {
FolderAccess *g_installed = nullptr;
} // namespace

FolderAccess &FolderAccess::active()
{
    return g_installed != nullptr ? *g_installed : system();
}

FolderAccess *FolderAccess::install(FolderAccess *access)
{
    FolderAccess *previous = g_installed;
    g_installed = access;
    return previous;
}

void FolderAccess::sortNames(std::vector<NativePath> &names)
{
    // Each name is folded once: a folder of 100,000 names takes about two million comparisons, which then are
    // plain memcmp calls.
    std::vector<std::pair<QByteArray, NativePath>> keyed;
    keyed.reserve(names.size());
    for (NativePath &name : names) {
        QByteArray key = name.sortKey();
        keyed.emplace_back(std::move(key), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].second);
}
