// A folder list: the chain of folders from the volume's root down to the current folder, then the current
// folder's subfolders. A double click opens a folder.
#pragma once

#include <QListWidget>

class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Shows the folder at path; false (and nothing changed) when it is not a readable folder.
    bool setPath(const QString &path);
    // Rereads the subfolders of the current folder.
    void refresh();

Q_SIGNALS:
    // The current folder changed (by a double click or by setPath).
    void pathChanged();
    // A mouse button went down over the list.
    void mouseDown(Qt::MouseButton button);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void openItem(QListWidgetItem *item);

    QString m_path;
};
