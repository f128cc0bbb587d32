// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: any bytes as a hymn file, loaded into a store that is reused from input to input; then the same file
// written another way that must not change what is stored.
#include "fuzzcheck.h"
#include "store/hymnfileloader.h"
#include "storeinvariants.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

// Bytes that decide how the whole file is decoded: a byte-order mark, or UTF-16 (where a byte more or less
// shifts every character).
bool startsWithMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// The file with its line ends, its start or its end written differently, in a way that stores the same: LF as
// lone CR (line ends are told apart by no reader), blank lines and lines of spaces before the first head line
// (skipped), or one more line end at the very end (a last line needs no line end). Which one depends on the size,
// so that each input gets one extra load only.
std::optional<QByteArray> sameFileOtherwise(const QByteArray &bytes)
{
    if (startsWithMark(bytes))
        return std::nullopt;
    switch (bytes.size() % 3) {
    case 0:
        if (bytes.contains('\r'))
            return std::nullopt;
        return QByteArray(bytes).replace('\n', '\r');
    case 1:
        return "\n   \r\n\r" + bytes;
    default:
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
            return bytes + '\n';
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One store for the whole run, as the window keeps one: whatever a load fails to clear shows in the checks.
    static EntryStore store;
    static EntryStore other;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const LoadOutcome outcome = HymnFileLoader::loadBytes(bytes, u"fuzz.txt"_s, store);
    checkStore(store, outcome);

    if (const std::optional<QByteArray> variant = sameFileOtherwise(bytes)) {
        const LoadOutcome again = HymnFileLoader::loadBytes(*variant, u"fuzz.txt"_s, other);
        FUZZ_CHECK(store == other);
        FUZZ_CHECK(again.hasReferences == outcome.hasReferences && again.limitReached == outcome.limitReached &&
                   again.failed() == outcome.failed());
    }
    return 0;
}
