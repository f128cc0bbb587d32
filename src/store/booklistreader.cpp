// SPDX-License-Identifier: GPL-3.0-or-later
// The book list is read up to its first blank line, which is kept as an empty item and ends the list.
#include "store/booklistreader.h"

#include "platform/nativefile.h"
#include "store/plaintext.h"
#include "store/textdecoding.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace BookListReader {

namespace {
// A book list is a few kilobytes; anything this size is not one.
constexpr qint64 kMaxBytes = 1024 * 1024;
} // namespace

QString fileName()
{
    return u"BibleBooks.txt"_s;
}

BookListResult readBytes(const QByteArray &bytes)
{
    BookListResult result;
    const QStringList lines = TextDecoding::splitLines(TextDecoding::decode(bytes));
    if (lines.isEmpty()) {
        result.failed = true;
        return result;
    }
    for (const QString &line : lines) {
        if (PlainText::isBlank(line)) {
            result.names.append(QString());
            break;
        }
        result.names.append(line);
    }
    return result;
}

BookListResult readFile(const NativePath &path)
{
    BookListResult refused;
    refused.failed = true;
    QFile file;
    const NativeFile::Opened opened = NativeFile::openRegular(path, file);
    if (!opened.ok())
        return refused;
    if (opened.size > kMaxBytes)
        return refused;
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes || file.error() != QFile::NoError)
        return refused;
    return readBytes(bytes);
}

} // namespace BookListReader
