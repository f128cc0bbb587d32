// SPDX-License-Identifier: GPL-3.0-or-later
// The portable half of the folder seam: which access is active, and how names are shown.
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

void FolderAccess::sortNames(std::vector<QByteArray> &names)
{
    // Each name is folded once, and shares its bytes with its key when it has no capitals: a folder of 100,000
    // names takes about two million comparisons, which then are plain memcmp calls.
    std::vector<std::pair<QByteArray, QByteArray>> keyed;
    keyed.reserve(names.size());
    for (QByteArray &name : names) {
        const bool capitals = std::any_of(name.cbegin(), name.cend(), [](char c) { return c >= 'A' && c <= 'Z'; });
        QByteArray key = capitals ? name.toLower() : name;
        keyed.emplace_back(std::move(key), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

bool FolderAccess::displayKeepsBytes(const QByteArray &name)
{
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    }
    // A leading byte-order mark could be dropped in decoding.
    return !name.startsWith("\xEF\xBB\xBF") && QByteArrayView(name).isValidUtf8();
}

QString FolderAccess::displayName(const QByteArray &name)
{
    QString shown = QString::fromUtf8(name);
    for (QChar &c : shown) {
        const char16_t code = c.unicode();
        if (code < 0x20)
            c = QChar(char16_t(0x2400 + code));
        else if (code == 0x7f)
            c = QChar(char16_t(0x2421));
    }
    return shown;
}
