// SPDX-License-Identifier: GPL-3.0-or-later
// Fields are copied out of the input so that each one ends exactly where its bytes do: a read past the end of
// a field is then a read past the end of an allocation, which AddressSanitizer sees.
#include "fuzzinput.h"

#include "store/textdecoding.h"

FuzzInput::FuzzInput(const uint8_t *data, size_t size)
    : m_bytes(QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)))
{}

QByteArray FuzzInput::takeBytes()
{
    if (atEnd())
        return QByteArray();
    qsizetype end = m_bytes.indexOf('\0', m_pos);
    if (end < 0)
        end = m_bytes.size();
    const QByteArray field(m_bytes.constData() + m_pos, end - m_pos);
    m_pos = end + 1;
    return field;
}

QString FuzzInput::takeText()
{
    return TextDecoding::decode(takeBytes());
}

quint8 FuzzInput::takeFlags()
{
    const QByteArray field = takeBytes();
    return field.isEmpty() ? 0 : static_cast<quint8>(field.front());
}
