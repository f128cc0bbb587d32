// SPDX-License-Identifier: GPL-3.0-or-later
// The process's command line as the program reads it, and where its help and version text go.
#pragma once

#include <string>
#include <vector>

namespace ProcessArguments {

// The arguments, program name first: the bytes as given on POSIX; on Windows the system's own UTF-16 command line
// in UTF-8, so that a file named outside the ANSI code page ("Open with" on a Greek name) arrives whole.
std::vector<std::string> read(int argc, char **argv);

// Makes stdout and stderr reach the console the program was started from, where it has one: a Windows program
// without a console window of its own prints --help there. False when the text would reach nobody (a Windows
// program started from a shortcut or the Run box); always true on POSIX, where stderr is already where the user looks.
bool attachConsole();

// Shows text in a message box of the system's own, for a program that has no console to print it to and no window
// yet (Windows only; nothing on POSIX).
void showMessage(const std::string &title, const std::string &text);

} // namespace ProcessArguments
