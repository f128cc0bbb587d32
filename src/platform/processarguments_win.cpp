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

bool attachConsole()
{
    // Output redirected to a file or a pipe already has somewhere to go; the rest goes to the parent's console.
    const auto reaches = [](DWORD which) { return GetFileType(GetStdHandle(which)) != FILE_TYPE_UNKNOWN; };
    const bool out = reaches(STD_OUTPUT_HANDLE);
    const bool err = reaches(STD_ERROR_HANDLE);
    if (out && err)
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return err;
    if (!out)
        (void)std::freopen("CONOUT$", "w", stdout);
    if (!err)
        (void)std::freopen("CONOUT$", "w", stderr);
    return true;
}

void showMessage(const std::string &title, const std::string &text)
{
    const std::wstring wideTitle = QString::fromStdString(title).toStdWString();
    const std::wstring wideText = QString::fromStdString(text).toStdWString();
    MessageBoxW(nullptr, wideText.c_str(), wideTitle.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace ProcessArguments
