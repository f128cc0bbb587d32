// SPDX-License-Identifier: GPL-3.0-or-later
// The portable half of the folder seam: which access is active, and the order names are listed in.
#include "platform/folderaccess.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

FolderAccess *g_installed = nullptr;

// The indices of names in the order they are listed in, the names left where they are.
std::vector<size_t> listingOrder(const std::vector<NativePath> &names)
{
    // Each name is folded once, into a copy only when folding changes it. Names in one folder often share a long
    // start ("service-000123.txt"), so the eight bytes after the part all keys share are what the names are put in
    // order by; only names alike there are compared in full.
    std::vector<QByteArray> folded; // the keys that are not the names' own units; moving one leaves its bytes
    folded.reserve(names.size());
    std::vector<QByteArrayView> keys;
    keys.reserve(names.size());
    for (const NativePath &name : names) {
        QByteArray copy;
        const QByteArrayView key = name.sortKey(copy);
        if (!copy.isNull())
            folded.push_back(std::move(copy));
        keys.push_back(key);
    }
    size_t shared = keys.empty() ? 0 : size_t(keys.front().size());
    for (const QByteArrayView key : keys) {
        const size_t length = std::min(shared, size_t(key.size()));
        shared = size_t(std::mismatch(key.begin(), key.begin() + qsizetype(length), keys.front().begin()).first -
                        key.begin());
    }

    struct Keyed {
        quint64 head; // the bytes from the shared start on, the first one highest, zeros past the end
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const QByteArrayView key = keys[i];
        quint64 head = 0;
        for (size_t at = shared; at < shared + 8; ++at)
            head = (head << 8) | (at < size_t(key.size()) ? quint8(key[qsizetype(at)]) : 0u);
        keyed.push_back({head, i});
    }
    // The heads are put in order a byte at a time, the lowest first (a byte that all heads share is passed over):
    // a few passes over the records instead of two million comparisons.
    std::vector<Keyed> spare(keyed.size());
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<size_t, 257> start{};
        for (const Keyed &entry : keyed)
            ++start[size_t((entry.head >> shift) & 0xff) + 1];
        if (std::find(start.cbegin(), start.cend(), keyed.size()) != start.cend())
            continue;
        std::partial_sum(start.cbegin(), start.cend(), start.begin());
        for (const Keyed &entry : keyed)
            spare[start[size_t((entry.head >> shift) & 0xff)]++] = entry;
        keyed.swap(spare);
    }
    // Bytes past a key's end count as zero in the head, so heads that differ order their keys as the keys do;
    // names with equal heads are ordered by their whole keys, then by their own units.
    const auto view = [](QByteArrayView bytes) { return std::string_view(bytes.data(), size_t(bytes.size())); };
    for (auto run = keyed.begin(); run != keyed.end();) {
        const auto end = std::find_if(run, keyed.end(), [&](const Keyed &entry) { return entry.head != run->head; });
        std::sort(run, end, [&](const Keyed &a, const Keyed &b) {
            if (const int byKey = view(keys[a.index]).compare(view(keys[b.index])); byKey != 0)
                return byKey < 0;
            return view(names[a.index].units()) < view(names[b.index].units());
        });
        run = end;
    }
    std::vector<size_t> order;
    order.reserve(keyed.size());
    for (const Keyed &entry : keyed)
        order.push_back(entry.index);
    return order;
}

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
    std::vector<NativePath> sorted;
    sorted.reserve(names.size());
    for (const size_t index : listingOrder(names))
        sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

QString FolderAccess::unnamedReason(qint64 error)
{
    //: In place of the system's reason for a failure, when it has none: %1 is the system's error code.
    return QCoreApplication::translate("Platform", "error %1").arg(error);
}
