// The folder chain is indented one step a level, as directory list boxes have always shown it.
#include "dirlist.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPathRole = Qt::UserRole;
} // namespace

DirList::DirList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    // A double click (or Enter) activates an item; both arrive here once.
    connect(this, &QListWidget::itemActivated, this, &DirList::openItem);
}

bool DirList::setPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    const QString clean = info.canonicalFilePath();
    if (clean.isEmpty())
        return false;
    const bool changed = clean != m_path;
    m_path = clean;
    refresh();
    if (changed)
        Q_EMIT pathChanged();
    return true;
}

void DirList::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &folder : chain) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(open, QString(depth, u' ') + name, this);
        item->setData(kPathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir current(m_path);
    for (const QString &sub : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(closed, QString(depth, u' ') + sub, this);
        item->setData(kPathRole, current.absoluteFilePath(sub));
    }
}

void DirList::openItem(QListWidgetItem *item)
{
    if (item == nullptr)
        return;
    // Opening rebuilds the list, which would delete the item while the view is still handling its click.
    const QString folder = item->data(kPathRole).toString();
    QMetaObject::invokeMethod(
        this, [this, folder] { setPath(folder); }, Qt::QueuedConnection);
}

bool DirList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        Q_EMIT mouseDown(static_cast<QMouseEvent *>(event)->button());
    return QListWidget::viewportEvent(event);
}
