// SPDX-License-Identifier: GPL-3.0-or-later
// File names are matched without regard to case, as users of the format expect from their other machines. A
// folder of a hundred thousand files is listed in one pass over its entries and one sort of their names: the
// entry types come from the listing itself, and each row keeps the bytes of its name.
#include "app/pickers/filelist.h"

#include "app/widgets/waitcursor.h"
#include "platform/folderaccess.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

// The listed names, in the order shown. A row's text is made when the view asks for it, which it does for the rows
// on screen: a folder of a hundred thousand files costs a sort of their names and no more.
class FileList::Rows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_names.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || index.parent().isValid() || index.row() < 0 || index.row() >= count())
            return {};
        return m_names[size_t(index.row())].display();
    }

    int count() const { return int(m_names.size()); }
    const NativePath &name(int row) const { return m_names[size_t(row)]; }

    void show(std::vector<NativePath> names)
    {
        beginResetModel();
        m_names = std::move(names);
        endResetModel();
    }

private:
    std::vector<NativePath> m_names;
};

FileList::FileList(QWidget *parent) : QListView(parent), m_rows(new Rows(this))
{
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(m_rows);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT fileActivated(nameAt(index.row()));
    });
}

void FileList::setNativePath(const NativePath &path)
{
    m_path = path;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    const QString ext = pattern.mid(1);
    const bool plainSuffix =
        pattern.startsWith(u"*.") && !ext.contains(u'*') && !ext.contains(u'?') && !ext.contains(u'[') && ext != u".*";
    m_suffix = plainSuffix ? NativePath::fromText(ext).units() : QByteArray();
    const bool ascii = std::all_of(m_suffix.cbegin(), m_suffix.cend(), [](char c) { return uchar(c) < 0x80; });
    m_lowerSuffix = ascii ? m_suffix.toLower() : QByteArray();
    refresh();
}

int FileList::count() const
{
    return m_rows->count();
}

NativePath FileList::nameAt(int row) const
{
    return row >= 0 && row < count() ? m_rows->name(row) : NativePath();
}

QString FileList::textAt(int row) const
{
    return nameAt(row).display();
}

int FileList::rowOf(const QString &text) const
{
    for (int row = 0; row < count(); ++row) {
        if (m_rows->name(row).display() == text)
            return row;
    }
    return -1;
}

int FileList::currentRow() const
{
    return currentIndex().row();
}

void FileList::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(m_rows->index(row), QItemSelectionModel::ClearAndSelect);
}

QString FileList::fileName() const
{
    const NativePath chosen = nativeFileName();
    return chosen.isEmpty() ? QString() : chosen.display();
}

NativePath FileList::nativeFileName() const
{
    const QModelIndex chosen = currentIndex();
    if (!chosen.isValid() || !selectionModel()->isSelected(chosen))
        return {};
    return nameAt(chosen.row());
}

bool FileList::matches(const NativePath &name) const
{
    if (!m_suffix.isEmpty()) {
        const QByteArray &units = name.units();
        if (units.size() <= m_suffix.size())
            return false;
        const QByteArrayView end = QByteArrayView(units).last(m_suffix.size());
        if (!m_lowerSuffix.isEmpty()) {
            // Against an ASCII suffix a byte matches when its ASCII lower case does; compared here, without a call
            // per name of a large folder.
            for (qsizetype i = 0; i < end.size(); ++i) {
                const char c = end[i];
                if ((c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c) != m_lowerSuffix[i])
                    return false;
            }
            return true;
        }
        return end.compare(m_suffix, Qt::CaseInsensitive) == 0;
    }
    if (m_pattern == u"*.*" || m_pattern == u"*")
        return true;
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(m_pattern),
                                      QRegularExpression::CaseInsensitiveOption);
    return wildcard.match(name.display()).hasMatch();
}

void FileList::setListing(const NativePath &path, std::vector<FolderAccess::Entry> entries)
{
    m_path = path;
    fill(std::move(entries));
}

void FileList::refresh()
{
    std::vector<FolderAccess::Entry> entries;
    // A folder that cannot be read lists nothing; the folder list is where that is reported.
    if (!m_path.isEmpty()) {
        const WaitCursor wait;
        if (FolderAccess::active().list(m_path, entries) != 0)
            entries.clear();
    }
    fill(std::move(entries));
}

void FileList::fill(std::vector<FolderAccess::Entry> entries)
{
    const NativePath chosen = nativeFileName();
    const QSignalBlocker blocker(this);
    std::vector<NativePath> names;
    if (!m_path.isEmpty()) {
        const WaitCursor wait;
        // Hidden files stay out of sight, as hidden folders do.
        names.reserve(entries.size());
        for (FolderAccess::Entry &entry : entries) {
            if (entry.kind == FolderAccess::Kind::File && !entry.hidden && matches(entry.name))
                names.push_back(std::move(entry.name));
        }
        FolderAccess::sortNames(names);
    }
    m_rows->show(std::move(names));
    if (!chosen.isEmpty())
        choose(chosen);
}

bool FileList::choose(const NativePath &name)
{
    const QSignalBlocker blocker(this);
    for (int row = 0; row < count(); ++row) {
        if (m_rows->name(row) == name) {
            setCurrentRow(row);
            return true;
        }
    }
    setCurrentRow(-1);
    clearSelection();
    return false;
}
