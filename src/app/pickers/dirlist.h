// SPDX-License-Identifier: GPL-3.0-or-later
// A folder list: the chain of folders from the volume's root down to the current folder, then the current
// folder's subfolders. A double click (or Enter) opens a folder, which also becomes the process's current
// directory, so that the list, the file list and the files read by bare name agree on where they are.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QListWidget>

class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget *parent = nullptr);

    // The current folder as text (for display and comparisons) and as the bytes that name it on disk.
    QString path() const { return QString::fromUtf8(m_path); }
    QByteArray nativePath() const { return m_path; }
    // Shows the folder at path; false (and nothing changed) when it is not a folder that can be entered.
    bool setPath(const QString &path) { return open(path.toUtf8()) == 0; }
    // Shows and enters folder; 0, or the errno value that kept it out (and nothing changed).
    int open(const QByteArray &folder);
    // Opens folder or, failing that, its nearest parent that opens; the error that kept folder out, or 0.
    int openNearest(const QByteArray &folder);
    // Enters the current folder again by its path, so that a folder since put in its place is the one entered; a
    // folder that has gone gives way to its nearest parent that opens.
    void reenter();
    // Typing a folder's first letters chooses it, whatever its indentation.
    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    // The current folder changed (by a double click, by open or by reenter).
    void pathChanged();
    // A double-clicked folder could not be opened, for the reason error (an errno value).
    void openFailed(const QByteArray &folder, int error);
    // A mouse button went down over the list.
    void mouseDown(Qt::MouseButton button);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void openItem(QListWidgetItem *item);

    QByteArray m_path;
    // Letters typed in quick succession, and when the last one came.
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};
