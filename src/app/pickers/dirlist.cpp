// SPDX-License-Identifier: GPL-3.0-or-later
// The folder chain is indented one step a level, as directory list boxes have always shown it, up to a cap:
// past it a deep chain would push the names out of the narrow list.
#include "app/pickers/dirlist.h"

#include "app/widgets/waitcursor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int kPathRole = Qt::UserRole;
// Levels of indent shown for the chain; the subfolders sit one step further in.
constexpr int kChainIndentCap = 6;
} // namespace

DirList::DirList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    // A double click (or Enter) activates an item; both arrive here once.
    connect(this, &QListWidget::itemActivated, this, &DirList::openItem);
}

int DirList::open(const NativePath &folder)
{
    const WaitCursor wait;
    FolderAccess &access = FolderAccess::active();
    NativePath clean;
    if (const int error = access.resolve(folder, clean))
        return error;
    std::vector<FolderAccess::Entry> entries;
    if (const int error = access.list(clean, entries))
        return error;

    const bool changed = clean != m_path;
    m_path = clean;
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QList<NativePath> chain;
    for (NativePath at = m_path; !at.isEmpty(); at = at.parent())
        chain.prepend(at);
    int depth = 0;
    for (const NativePath &link : chain) {
        const QString name = depth == 0 ? link.display() : link.baseName().display();
        auto *item = new QListWidgetItem(open, QString(std::min(depth, kChainIndentCap), u' ') + name, this);
        item->setData(kPathRole, link.units());
        ++depth;
    }
    setCurrentRow(count() - 1);

    // Hidden folders stay out of sight, as they do in file managers.
    std::vector<NativePath> subfolders;
    for (const FolderAccess::Entry &entry : entries) {
        if (entry.kind == FolderAccess::Kind::Folder && !entry.hidden)
            subfolders.push_back(entry.name);
    }
    FolderAccess::sortNames(subfolders);
    const QString indent(std::min(depth, kChainIndentCap + 1), u' ');
    for (const NativePath &sub : subfolders) {
        auto *item = new QListWidgetItem(closed, indent + sub.display(), this);
        item->setData(kPathRole, m_path.child(sub).units());
    }
    if (changed) {
        m_listing = std::move(entries);
        Q_EMIT pathChanged();
        m_listing.reset();
    }
    return 0;
}

bool DirList::takeListing(std::vector<FolderAccess::Entry> &entries)
{
    if (!m_listing)
        return false;
    entries = std::move(*m_listing);
    m_listing.reset();
    return true;
}

int DirList::openNearest(const NativePath &folder)
{
    const int error = open(folder);
    if (error == 0)
        return 0;
    for (NativePath up = folder.parent(); !up.isEmpty(); up = up.parent()) {
        if (open(up) == 0)
            break;
    }
    return error;
}

void DirList::reenter()
{
    NativePath clean;
    if (!m_path.isEmpty() && FolderAccess::active().resolve(m_path, clean) != 0)
        openNearest(m_path);
}

void DirList::openItem(QListWidgetItem *item)
{
    if (item == nullptr)
        return;
    // Opening rebuilds the list, which would delete the item while the view is still handling its click.
    const NativePath folder = NativePath::fromUnits(item->data(kPathRole).toByteArray());
    QMetaObject::invokeMethod(
        this,
        [this, folder] {
            if (const int error = open(folder))
                Q_EMIT openFailed(folder, error);
        },
        Qt::QueuedConnection);
}

bool DirList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        Q_EMIT mouseDown(static_cast<QMouseEvent *>(event)->button());
    return QListWidget::viewportEvent(event);
}

void DirList::keyboardSearch(const QString &search)
{
    if (search.isEmpty())
        return;
    if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceTyped.start();
    m_typed += search;

    // A first letter moves on from the current row, so that pressing it again steps through the folders that
    // start with it; more letters refine the current choice.
    const int rows = count();
    const int from = currentRow() < 0 ? 0 : currentRow() + (m_typed.size() == 1 ? 1 : 0);
    for (int step = 0; step < rows; ++step) {
        QListWidgetItem *candidate = item((from + step) % rows);
        if (candidate->text().trimmed().startsWith(m_typed, Qt::CaseInsensitive)) {
            setCurrentItem(candidate);
            scrollToItem(candidate);
            return;
        }
    }
}
