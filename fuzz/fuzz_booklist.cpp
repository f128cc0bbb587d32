// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: any bytes as the scripture book list, and the decoding every reader shares.
#include "fuzzcheck.h"
#include "store/booklistreader.h"
#include "store/textdecoding.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const BookListResult result = BookListReader::readBytes(bytes);

    FUZZ_CHECK(result.failed == result.names.isEmpty());
    FUZZ_CHECK(result.names.size() <= bytes.count('\n') + bytes.count('\r') + 1);
    for (qsizetype i = 0; i < result.names.size(); ++i) {
        const QString &name = result.names.at(i);
        FUZZ_CHECK(!name.contains(u'\n') && !name.contains(u'\r'));
        // A blank line ends the list and is kept as the one empty item, in last place.
        const bool blank = name.count(u' ') == name.size(); // spaces only, or empty
        FUZZ_CHECK(!blank || (name.isEmpty() && i == result.names.size() - 1));
    }

    // Bytes that are neither UTF-8 nor marked UTF-16 decode one character per byte, so no byte is lost.
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!utf16 && !bytes.isValidUtf8())
        FUZZ_CHECK(TextDecoding::decode(bytes).size() == bytes.size());
    return 0;
}
