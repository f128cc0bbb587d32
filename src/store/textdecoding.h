// Turning the bytes of a text file into lines: UTF-8 (or UTF-16 with a byte-order mark) when the bytes are
// that, Windows-1252 otherwise, and lines ended by CR-LF, LF or a lone CR alike.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TextDecoding {

// Valid UTF-8 (its byte-order mark dropped) and UTF-16 with a byte-order mark decode as such; any other bytes
// decode as Windows-1252, so that every byte gives exactly one character.
QString decode(const QByteArray &bytes);

// The lines of the text, without their line ends; a line end at the very end does not start another line.
QStringList splitLines(const QString &text);

// The same lines as views into text, which must outlive them.
QList<QStringView> splitLineViews(QStringView text);

} // namespace TextDecoding
