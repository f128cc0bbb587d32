// SPDX-License-Identifier: GPL-3.0-or-later
// The files of one folder that match a pattern ("*.txt"): regular files only, so a folder or a pipe that
// happens to carry the name is never offered for loading. Each row keeps the bytes that name its file on disk.
#pragma once

#include "platform/folderaccess.h"
#include "platform/nativepath.h"

#include <QByteArray>
#include <QListView>

#include <vector>

class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_path.toText(); }
    const NativePath &nativePath() const { return m_path; }
    void setPath(const QString &path) { setNativePath(NativePath::fromText(path)); }
    void setNativePath(const NativePath &path);
    // Shows path from entries its caller has just read from it, sparing a second read of a large folder.
    void setListing(const NativePath &path, std::vector<FolderAccess::Entry> entries);
    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }
    // The chosen file's name as the row shows it; empty when none is chosen.
    QString fileName() const;
    // The chosen file's name as it is on disk; empty when none is chosen.
    NativePath nativeFileName() const;
    // Rereads the folder, keeping the chosen file when it is still there.
    void refresh();
    // Chooses the row of the file named name on disk; with no such row listed, none is chosen. False then.
    bool choose(const NativePath &name);

    int count() const;
    // The name of the file in row as it is on disk, and as the row shows it.
    NativePath nameAt(int row) const;
    QString textAt(int row) const;
    // The first row showing text, or -1.
    int rowOf(const QString &text) const;
    // The current row, or -1; making a row current chooses it.
    int currentRow() const;
    void setCurrentRow(int row);

Q_SIGNALS:
    // Enter or a double click on a file's row.
    void fileActivated(const NativePath &name);

private:
    class Rows;

    // Lists entries, keeping the chosen file when it is among them.
    void fill(std::vector<FolderAccess::Entry> entries);
    bool matches(const NativePath &name) const;

    Rows *m_rows;
    NativePath m_path;
    QString m_pattern = QStringLiteral("*.*");
    // The pattern "*.ext" as the units of ".ext", matched on the units without regard to ASCII case; empty for any
    // other pattern.
    QByteArray m_suffix;
    // m_suffix in ASCII lower case when it is all ASCII, else empty.
    QByteArray m_lowerSuffix;
};
