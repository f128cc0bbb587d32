// SPDX-License-Identifier: GPL-3.0-or-later
// A folder list: the chain of folders from the volume's root down to the current folder, then the current
// folder's subfolders. A double click (or Enter) opens a folder. The folder shown is the window's current folder:
// the file list lists it and the book list is read from it, by full paths (the process's own current folder is
// left alone, so no folder the user passes through is held open).
#pragma once

#include "platform/folderaccess.h"
#include "platform/nativepath.h"

#include <QElapsedTimer>
#include <QListWidget>

#include <optional>
#include <vector>

class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget *parent = nullptr);

    // The current folder as text (for Qt's file classes and comparisons) and as the system names it.
    QString path() const { return m_path.toText(); }
    const NativePath &nativePath() const { return m_path; }
    // Shows the folder at path; false (and nothing changed) when it is not a folder that can be listed.
    bool setPath(const QString &path) { return open(NativePath::fromText(path)) == 0; }
    // Shows folder; 0, or the system's error code that kept it out (and nothing changed).
    int open(const NativePath &folder);
    // Opens folder or, failing that, its nearest parent that opens; the error that kept folder out, or 0.
    int openNearest(const NativePath &folder);
    // Checks that the current folder is still there by its path; a folder that has gone gives way to its nearest
    // parent that opens.
    void reenter();
    // The entries of the current folder as open() read them, for a slot of pathChanged to take over so that the
    // folder is read once; false once taken or outside that signal.
    bool takeListing(std::vector<FolderAccess::Entry> &entries);
    // Typing a folder's first letters chooses it, whatever its indentation.
    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    // The current folder changed (by a double click, by open or by reenter).
    void pathChanged();
    // A double-clicked folder could not be opened, for the reason error (the system's error code).
    void openFailed(const NativePath &folder, int error);
    // A mouse button went down over the list.
    void mouseDown(Qt::MouseButton button);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void openItem(QListWidgetItem *item);

    NativePath m_path;
    // What open() read, while pathChanged is being emitted.
    std::optional<std::vector<FolderAccess::Entry>> m_listing;
    // Letters typed in quick succession, and when the last one came.
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};
