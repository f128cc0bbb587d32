// File names are matched without regard to case, as users of the format expect from their other machines.
#include "filelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>

FileList::FileList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
}

void FileList::setPath(const QString &path)
{
    m_path = path;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

void FileList::refresh()
{
    const QString chosen = fileName();
    const QSignalBlocker blocker(this);
    clear();
    if (m_path.isEmpty())
        return;
    const QDir dir(m_path, m_pattern, QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Hidden);
    // QDir passes a symbolic link on its own existence, so a link to a device or a pipe is weeded out by its target.
    for (const QFileInfo &info : dir.entryInfoList()) {
        if (info.isFile())
            addItem(info.fileName());
    }
    if (chosen.isEmpty())
        return;
    const QList<QListWidgetItem *> again = findItems(chosen, Qt::MatchExactly);
    if (!again.isEmpty())
        setCurrentItem(again.first());
}
