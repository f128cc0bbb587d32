// SPDX-License-Identifier: GPL-3.0-or-later
// The files of one folder that match a pattern ("*.txt"): regular files only, so a folder or a pipe that
// happens to carry the name is never offered for loading. Each row keeps the bytes that name its file on disk.
#pragma once

#include <QByteArray>
#include <QListWidget>

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return QString::fromUtf8(m_path); }
    QByteArray nativePath() const { return m_path; }
    void setPath(const QString &path) { setNativePath(path.toUtf8()); }
    void setNativePath(const QByteArray &path);
    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }
    // The chosen file's name as the row shows it; empty when none is chosen.
    QString fileName() const;
    // The chosen file's name as it is on disk; empty when none is chosen.
    QByteArray nativeFileName() const;
    // Rereads the folder, keeping the chosen file when it is still there.
    void refresh();
    // Chooses the row of the file named name on disk; with no such row listed, none is chosen. False then.
    bool choose(const QByteArray &name);

private:
    bool matches(const QByteArray &name) const;

    QByteArray m_path;
    QString m_pattern = QStringLiteral("*.*");
    QByteArray m_suffix; // the pattern "*.ext" as ".ext", matched on the bytes; empty for any other pattern
};
