// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: argv holds the command line in the ANSI code page, which loses any character outside it; the system's
// own UTF-16 command line keeps them.
#include "platform/processarguments.h"

#include <QString>

#include <cstdio>
#include <windows.h>

#include <shellapi.h>

namespace ProcessArguments {

std::vector<std::string> read(int argc, char **argv)
{
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
    LocalFree(wide);
    return arguments;
}

void attachConsole()
{
    // A program started from a console that redirects its output already has somewhere to write.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    (void)std::freopen("CONOUT$", "w", stdout);
    (void)std::freopen("CONOUT$", "w", stderr);
}

} // namespace ProcessArguments
