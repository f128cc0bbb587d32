// SPDX-License-Identifier: GPL-3.0-or-later
// Windows paths: the UTF-16 code units of the name, '\' between names, a drive ("C:\") or a share
// ("\\server\share") as the root. The units are kept as bytes in the machine's order, so the rest of the program
// carries them as it carries POSIX bytes; only this file reads them as text.
#include "platform/nativepath.h"

using namespace Qt::StringLiterals;

namespace {

QString textOf(const QByteArray &units)
{
    return QString(reinterpret_cast<const QChar *>(units.constData()), units.size() / 2);
}

QByteArray unitsOf(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

// The length of the root a path starts with: 3 for "C:\", the whole "\\server\share" for a share; 0 for none.
qsizetype rootLength(const QString &path)
{
    if (path.size() >= 3 && path[0].isLetter() && path[1] == u':' && isSeparator(path[2]))
        return 3;
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        const qsizetype server = path.indexOf(u'\\', 2);
        if (server < 0)
            return path.size();
        const qsizetype share = path.indexOf(u'\\', server + 1);
        return share < 0 ? path.size() : share;
    }
    return 0;
}

QString withoutTrailingSeparators(QString path)
{
    const qsizetype root = rootLength(path);
    while (path.size() > qMax<qsizetype>(root, 1) && isSeparator(path.back()))
        path.chop(1);
    return path;
}

} // namespace

NativePath NativePath::fromText(const QString &text)
{
    QString native = text;
    native.replace(u'/', u'\\');
    return NativePath(unitsOf(native));
}

NativePath NativePath::fromArgument(const std::string &argument)
{
    // The platform layer hands the command line over as UTF-8, read from the system's UTF-16.
    return fromText(QString::fromUtf8(argument.data(), qsizetype(argument.size())));
}

NativePath NativePath::fromStoredForm(const QByteArray &stored)
{
    return fromText(QString::fromUtf8(stored));
}

QByteArray NativePath::storedForm() const
{
    return textOf(m_units).toUtf8();
}

bool NativePath::isAbsolute() const
{
    return rootLength(textOf(m_units)) > 0;
}

bool NativePath::isRoot() const
{
    const QString path = textOf(m_units);
    const qsizetype root = rootLength(path);
    return root > 0 && withoutTrailingSeparators(path).size() <= root;
}

NativePath NativePath::child(const NativePath &name) const
{
    if (m_units.isEmpty())
        return name;
    const QString path = textOf(m_units);
    return NativePath(isSeparator(path.back()) ? m_units + name.m_units : m_units + unitsOf(u"\\"_s) + name.m_units);
}

NativePath NativePath::parent() const
{
    if (m_units.isEmpty() || isRoot())
        return {};
    const QString path = withoutTrailingSeparators(textOf(m_units));
    const qsizetype root = rootLength(path);
    const qsizetype separator = path.lastIndexOf(u'\\');
    if (separator < 0)
        return {};
    // The drive's own folder keeps its separator: "C:" alone names the drive's current folder, not its root.
    if (separator < root)
        return NativePath(unitsOf(path.first(root)));
    return NativePath(unitsOf(path.first(separator)));
}

NativePath NativePath::baseName() const
{
    if (isRoot())
        return *this;
    const QString path = withoutTrailingSeparators(textOf(m_units));
    return NativePath(unitsOf(path.mid(path.lastIndexOf(u'\\') + 1)));
}

bool NativePath::isWithin(const NativePath &folder) const
{
    // Names differ only in case on Windows: "c:\x" is within "C:\".
    const QString path = withoutTrailingSeparators(textOf(m_units)).toCaseFolded();
    QString base = withoutTrailingSeparators(textOf(folder.m_units)).toCaseFolded();
    if (path == base)
        return true;
    if (!base.endsWith(u'\\'))
        base += u'\\';
    return path.startsWith(base);
}

QString NativePath::display() const
{
    return withVisibleControls(textOf(m_units));
}

QString NativePath::toText() const
{
    QString text = textOf(m_units);
    text.replace(u'\\', u'/');
    return text;
}

QByteArrayView NativePath::sortKey(QByteArray &folded) const
{
    // Each unit high byte first, so that the bytes sort as the units do.
    const QString text = textOf(m_units).toCaseFolded();
    folded.clear();
    folded.reserve(text.size() * 2);
    for (const QChar c : text) {
        folded.append(char(c.unicode() >> 8));
        folded.append(char(c.unicode() & 0xff));
    }
    return folded;
}
