// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the bytes of a text file into lines: UTF-8 (or UTF-16 with a byte-order mark) when the bytes are
// that, Windows-1252 otherwise, and lines ended by CR-LF, LF or a lone CR alike. Whole texts are decoded at
// once; large files go through a probe that sees every byte once and a line reader that decodes a piece at a
// time, so that neither keeps a decoded copy of the whole file. Text going back into a file is encoded the way the
// file was decoded.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <functional>
#include <optional>

namespace TextDecoding {

// Valid UTF-8 (its byte-order mark dropped) and UTF-16 with a byte-order mark decode as such; any other bytes
// decode as Windows-1252, so that every byte gives exactly one character.
QString decode(const QByteArray &bytes);

// The lines of the text, without their line ends; a line end at the very end does not start another line.
QStringList splitLines(const QString &text);

// The same lines as views into text, which must outlive them.
QList<QStringView> splitLineViews(QStringView text);

// How decode() reads a given file, and how many leading bytes are its byte-order mark.
struct Encoding {
    enum Kind { Utf8, Utf16LE, Utf16BE, Windows1252 } kind = Utf8;
    int markBytes = 0;
};

// The encoding decode() chooses for bytes.
Encoding encodingOf(const QByteArray &bytes);

// The bytes that decode() reads back as text in the given encoding, without a byte-order mark. Nothing when a
// character cannot be written in it (one outside Windows-1252, or half a surrogate pair in any encoding); then
// *unwritable, when given, is the index in text where that character begins.
std::optional<QByteArray> encode(QStringView text, Encoding encoding, qsizetype *unwritable = nullptr);

// Finds the encoding decode() would choose for the whole of a file that is handed over a piece at a time.
class EncodingProbe {
public:
    void feed(QByteArrayView piece);
    // The choice for all the pieces fed so far, taken as the whole file.
    Encoding encoding() const;

private:
    QByteArray m_head;  // the first bytes, up to the longest byte-order mark
    QByteArray m_carry; // a UTF-8 sequence begun at the end of the last piece
    bool m_validUtf8 = true;
};

// Hands out the lines that splitLineViews(decode(whole file)) gives, reading the bytes a piece at a time from a
// source that returns an empty piece at the end. Holds one decoded piece and the line that runs past it.
class LineReader {
public:
    using Source = std::function<QByteArrayView()>;

    LineReader(Encoding encoding, Source source);

    // The next line, valid until the next call; false when there is none.
    bool next(QStringView &line);

private:
    bool refill();
    void decodeInto(QByteArrayView piece);

    Encoding m_encoding;
    Source m_source;
    QStringDecoder m_decoder;
    qint64 m_markLeft = 0; // byte-order mark bytes still to drop
    QByteArray m_head;     // the first bytes, held until a dropped mark's follower can be judged whole
    bool m_headDone = false;
    bool m_oddUtf16 = false; // an odd number of UTF-16 bytes so far
    QString m_text;          // decoded text; m_pos is where the next line starts, m_scan where scanning resumes
    qsizetype m_pos = 0;
    qsizetype m_scan = 0;
    bool m_skipLf = false; // the last piece ended in CR: an LF that starts the next belongs to it
    bool m_ended = false;
};

} // namespace TextDecoding
