// The portable half of the folder seam: which access is active, and how names are shown.
#include "folderaccess.h"

namespace {
FolderAccess *g_installed = nullptr;
} // namespace

FolderAccess &FolderAccess::active()
{
    return g_installed != nullptr ? *g_installed : system();
}

FolderAccess *FolderAccess::install(FolderAccess *access)
{
    FolderAccess *previous = g_installed;
    g_installed = access;
    return previous;
}

QString FolderAccess::displayName(const QByteArray &name)
{
    QString shown = QString::fromUtf8(name);
    for (QChar &c : shown) {
        const char16_t code = c.unicode();
        if (code < 0x20)
            c = QChar(char16_t(0x2400 + code));
        else if (code == 0x7f)
            c = QChar(char16_t(0x2421));
    }
    return shown;
}
