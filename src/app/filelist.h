// The files of one folder that match a pattern ("*.txt"): regular files only, so a folder or a pipe that
// happens to carry the name is never offered for loading.
#pragma once

#include <QListWidget>

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }
    // The chosen file's bare name; empty when none is chosen.
    QString fileName() const;
    // Rereads the folder, keeping the chosen file when it is still there.
    void refresh();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};
