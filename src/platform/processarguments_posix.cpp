// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: argv is the command line, and stdout and stderr are already where the user looks.
#include "platform/processarguments.h"

namespace ProcessArguments {

std::vector<std::string> read(int argc, char **argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

bool attachConsole()
{
    return true;
}

void showMessage(const std::string &, const std::string &) {}

} // namespace ProcessArguments
