// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments, read before Qt is started so that --help and --version work without a display:
// the program's own options, at most one file, and Qt's options passed on to QApplication, each value as an argument
// of its own.
#pragma once

#include <string>
#include <vector>

namespace CommandLine {

struct Parsed {
    // Matches: the uninstaller asks whether file is still as installed (--matches FILE SIZE SHA256).
    enum class Action { Run, Help, Version, Error, Matches };
    Action action = Action::Run;
    // The file to open (or, for Matches, to compare), as its bytes; empty for none.
    std::string file;
    // For Matches: the size and the SHA-256 (in hexadecimal) the file had when installed.
    long long size = -1;
    std::string digest;
    // The program name followed by Qt's options and their values, for QApplication: "-style=Fusion" is passed on as
    // "-style" "Fusion".
    std::vector<std::string> qtArguments;
    // For Error: the line to print, without the program's name.
    std::string error;
};

// args holds the whole command line, program name first.
Parsed parse(const std::vector<std::string> &args);
std::string usage();
std::string versionLine();

} // namespace CommandLine
