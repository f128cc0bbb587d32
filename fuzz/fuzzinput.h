// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz input cut into fields at its NUL bytes: the first field is usually a whole file, the later ones the
// texts of boxes and a byte of switches. A field that is missing reads as empty, so every input is usable.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size);

    // The bytes up to the next NUL, or to the end of the input.
    QByteArray takeBytes();

    // The next field as the program would read it from a file: UTF-8 when it is that, Windows-1252 otherwise.
    QString takeText();

    // The first byte of the next field as eight switches; 0 when the field is empty.
    quint8 takeFlags();

    bool atEnd() const { return m_pos >= m_bytes.size(); }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};
