// SPDX-License-Identifier: GPL-3.0-or-later
// File names are matched without regard to case, as users of the format expect from their other machines. A
// folder of a hundred thousand files is listed in one pass over its entries and one fill of the list: the
// entry types come from the listing itself, and a row keeps its bytes apart only when its text cannot give
// them back.
#include "app/pickers/filelist.h"

#include "app/widgets/waitcursor.h"
#include "platform/folderaccess.h"

#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

namespace {
constexpr int kNativeNameRole = Qt::UserRole;
} // namespace

FileList::FileList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
}

void FileList::setNativePath(const QByteArray &path)
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
    m_suffix = plainSuffix ? ext.toUtf8() : QByteArray();
    refresh();
}

QString FileList::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

QByteArray FileList::nativeFileName() const
{
    const QListWidgetItem *item = currentItem();
    if (item == nullptr || !item->isSelected())
        return {};
    const QVariant native = item->data(kNativeNameRole);
    return native.isValid() ? native.toByteArray() : item->text().toUtf8();
}

bool FileList::matches(const QByteArray &name) const
{
    if (!m_suffix.isEmpty()) {
        return name.size() > m_suffix.size() &&
               QByteArrayView(name).last(m_suffix.size()).compare(m_suffix, Qt::CaseInsensitive) == 0;
    }
    if (m_pattern == u"*.*" || m_pattern == u"*")
        return true;
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(m_pattern),
                                      QRegularExpression::CaseInsensitiveOption);
    return wildcard.match(FolderAccess::displayName(name)).hasMatch();
}

void FileList::refresh()
{
    const QByteArray chosen = nativeFileName();
    const QSignalBlocker blocker(this);
    clear();
    if (m_path.isEmpty())
        return;
    const WaitCursor wait;
    std::vector<FolderAccess::Entry> entries;
    // A folder that cannot be read lists nothing; the folder list is where that is reported.
    if (FolderAccess::active().list(m_path, entries) != 0)
        return;
    // Hidden (dot) files stay out of sight, as hidden folders do.
    std::vector<QByteArray> names;
    names.reserve(entries.size());
    for (FolderAccess::Entry &entry : entries) {
        if (entry.kind == FolderAccess::Kind::File && !entry.name.startsWith('.') && matches(entry.name))
            names.push_back(std::move(entry.name));
    }
    FolderAccess::sortNames(names);

    QStringList shown;
    shown.reserve(qsizetype(names.size()));
    for (const QByteArray &name : names)
        shown.append(FolderAccess::displayName(name));
    addItems(shown);
    int again = -1;
    for (size_t row = 0; row < names.size(); ++row) {
        if (!FolderAccess::displayKeepsBytes(names[row]))
            item(int(row))->setData(kNativeNameRole, names[row]);
        if (again < 0 && !chosen.isEmpty() && names[row] == chosen)
            again = int(row);
    }
    if (again >= 0)
        setCurrentRow(again);
}

bool FileList::choose(const QByteArray &name)
{
    // Rows whose text keeps their bytes carry no native name of their own.
    const QSignalBlocker blocker(this);
    for (int row = 0; row < count(); ++row) {
        const QVariant native = item(row)->data(kNativeNameRole);
        if ((native.isValid() ? native.toByteArray() : item(row)->text().toUtf8()) == name) {
            setCurrentRow(row);
            return true;
        }
    }
    setCurrentRow(-1);
    clearSelection();
    return false;
}
