// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX paths: the bytes of the name, '/' between names, one root.
#include "platform/nativepath.h"

#include <QFile>

#include <algorithm>

NativePath NativePath::fromText(const QString &text)
{
    return NativePath(QFile::encodeName(text));
}

NativePath NativePath::fromArgument(const std::string &argument)
{
    return NativePath(QByteArray(argument.data(), qsizetype(argument.size())));
}

NativePath NativePath::fromStoredForm(const QByteArray &stored)
{
    return fromUnits(stored);
}

QByteArray NativePath::storedForm() const
{
    return m_units;
}

bool NativePath::isAbsolute() const
{
    return m_units.startsWith('/');
}

bool NativePath::isRoot() const
{
    return m_units == "/";
}

NativePath NativePath::child(const NativePath &name) const
{
    if (m_units.isEmpty())
        return name;
    return NativePath(m_units.endsWith('/') ? m_units + name.m_units : m_units + '/' + name.m_units);
}

NativePath NativePath::parent() const
{
    if (m_units.isEmpty() || isRoot())
        return {};
    QByteArray path = m_units;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {};
    return NativePath(slash == 0 ? QByteArrayLiteral("/") : path.left(slash));
}

NativePath NativePath::baseName() const
{
    if (isRoot())
        return *this;
    QByteArray path = m_units;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return NativePath(path.mid(path.lastIndexOf('/') + 1));
}

bool NativePath::isWithin(const NativePath &folder) const
{
    if (folder.isRoot())
        return isAbsolute();
    return m_units == folder.m_units || m_units.startsWith(folder.m_units + '/');
}

namespace {
// Printable ASCII only: shown as it is, one character a byte, and given back exactly by its text.
bool isPlainAscii(const QByteArray &units)
{
    return std::all_of(units.cbegin(), units.cend(), [](char c) { return c >= 0x20 && c < 0x7f; });
}
} // namespace

QString NativePath::display() const
{
    // Most names are plain ASCII, which needs neither UTF-8 decoding nor a look for control characters.
    if (isPlainAscii(m_units))
        return QString::fromLatin1(m_units);
    return withVisibleControls(QString::fromUtf8(m_units));
}

QString NativePath::toText() const
{
    return QFile::decodeName(m_units);
}

QByteArrayView NativePath::sortKey(QByteArray &folded) const
{
    // Names without capitals are their own keys: sorting a large folder mostly compares the names' own bytes.
    const bool capitals = std::any_of(m_units.cbegin(), m_units.cend(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (!capitals)
        return m_units;
    folded = m_units.toLower();
    return folded;
}
