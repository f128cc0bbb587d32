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

QString FileList::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

NativePath FileList::nameAt(int row) const
{
    const QListWidgetItem *at = item(row);
    const QVariant native = at->data(kNativeNameRole);
    return native.isValid() ? NativePath::fromUnits(native.toByteArray()) : NativePath::fromText(at->text());
}

NativePath FileList::nativeFileName() const
{
    const QListWidgetItem *chosen = currentItem();
    if (chosen == nullptr || !chosen->isSelected())
        return {};
    return nameAt(row(chosen));
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
    clear();
    if (m_path.isEmpty())
        return;
    const WaitCursor wait;
    // Hidden files stay out of sight, as hidden folders do.
    std::vector<NativePath> names;
    names.reserve(entries.size());
    for (FolderAccess::Entry &entry : entries) {
        if (entry.kind == FolderAccess::Kind::File && !entry.hidden && matches(entry.name))
            names.push_back(std::move(entry.name));
    }
    // Each name's text is made while the names are read in the order they were listed in, which is the order
    // their bytes lie in memory; only then are the texts put in the listing order.
    QStringList texts;
    texts.reserve(qsizetype(names.size()));
    std::vector<bool> keeps(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        texts.append(names[i].display());
        keeps[i] = names[i].displayKeepsUnits();
    }
    const std::vector<size_t> order = FolderAccess::listingOrder(names);
    QStringList shown;
    shown.reserve(texts.size());
    for (const size_t index : order)
        shown.append(std::move(texts[qsizetype(index)]));
    addItems(shown);
    int again = -1;
    for (size_t row = 0; row < order.size(); ++row) {
        const NativePath &name = names[order[row]];
        if (!keeps[order[row]])
            item(int(row))->setData(kNativeNameRole, name.units());
        if (again < 0 && !chosen.isEmpty() && name == chosen)
            again = int(row);
    }
    if (again >= 0)
        setCurrentRow(again);
}

bool FileList::choose(const NativePath &name)
{
    const QSignalBlocker blocker(this);
    for (int row = 0; row < count(); ++row) {
        if (nameAt(row) == name) {
            setCurrentRow(row);
            return true;
        }
    }
    setCurrentRow(-1);
    clearSelection();
    return false;
}
