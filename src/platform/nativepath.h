// SPDX-License-Identifier: GPL-3.0-or-later
// A file system path as the system names it: bytes on POSIX, UTF-16 code units on Windows. Every path in the
// program is one of these, so that a name the user's text encoding cannot show (Latin-1 bytes on Linux, a Greek
// name on a Western Windows) is still found, opened and offered again exactly. It owns joining, the parent, the base
// name, the absolute test, the text shown to the user, and the one conversion to and from QString.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMetaType>
#include <QString>

#include <string>

class NativePath {
public:
    NativePath() = default;

    // From text the user typed or a dialog returned: the one conversion from QString.
    static NativePath fromText(const QString &text);
    // From units(), as a list's row or an action carries them.
    static NativePath fromUnits(QByteArray units) { return NativePath(std::move(units)); }
    // From the form kept in the settings file (storedForm()); also takes a path typed into that file by hand.
    static NativePath fromStoredForm(const QByteArray &stored);
    // From one argument of the process's command line as the platform layer hands it over.
    static NativePath fromArgument(const std::string &argument);

    // The name's units as bytes: the POSIX bytes, or the UTF-16 code units in the machine's order.
    const QByteArray &units() const { return m_units; }
    bool isEmpty() const { return m_units.isEmpty(); }
    // The path as the settings file keeps it: the bytes themselves on POSIX, UTF-8 on Windows, so that the file
    // reads as text there.
    QByteArray storedForm() const;

    // "/x"; "C:\x" and "\\server\share\x" on Windows.
    bool isAbsolute() const;
    // "/"; "C:\" and "\\server\share\" on Windows: a path with no parent.
    bool isRoot() const;
    // name (a single name or a relative path) under this folder.
    NativePath child(const NativePath &name) const;
    NativePath child(const QString &name) const { return child(fromText(name)); }
    // The folder holding this path; empty for a root or a bare name.
    NativePath parent() const;
    // The last name of the path; a root is its own base name.
    NativePath baseName() const;
    // This path when absolute, else this path under base.
    NativePath absoluteFrom(const NativePath &base) const { return isAbsolute() ? *this : base.child(*this); }
    // True when this path is folder or lies somewhere under it.
    bool isWithin(const NativePath &folder) const;

    // The path as a row or a message shows it: undecodable units as U+FFFD, control characters as their visible
    // symbols, so that every name takes one line and none shows as nothing.
    QString display() const;
    // The path as Qt's file classes and dialogs take it (the reverse of fromText).
    QString toText() const;

    // A key that orders names as the lists show them: letters without regard to case, ties by the units. It lies
    // in the name's own units when folding leaves them as they are, else in folded; valid while both are.
    QByteArrayView sortKey(QByteArray &folded) const;

    friend bool operator==(const NativePath &, const NativePath &) = default;
    friend bool operator<(const NativePath &a, const NativePath &b) { return a.m_units < b.m_units; }

    // Control characters as their visible symbols (U+2400 on), so that a name never breaks a row or a message.
    static QString withVisibleControls(QString text);

private:
    explicit NativePath(QByteArray units) : m_units(std::move(units)) {}

    QByteArray m_units;
};

inline size_t qHash(const NativePath &path, size_t seed = 0)
{
    return qHash(path.units(), seed);
}

Q_DECLARE_METATYPE(NativePath)
