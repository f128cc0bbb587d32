// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: a hand-written reader, since QCommandLineParser would need the application object and
// would not know which of Qt's own options take a value.
#include "app/commandline.h"

#include "version.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string_view>

namespace CommandLine {
namespace {

// Qt's options (QGuiApplication, QApplication, the xcb platform) that take a value, and those that do not.
constexpr std::array<std::string_view, 17> kQtWithValue = {"platform",      "platformpluginpath",
                                                           "platformtheme", "plugin",
                                                           "qmljsdebugger", "qwindowgeometry",
                                                           "qwindowicon",   "qwindowtitle",
                                                           "session",       "style",
                                                           "stylesheet",    "display",
                                                           "geometry",      "name",
                                                           "title",         "visual",
                                                           "qwindowscreen"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                      "dograb",  "sync",        "testability"};

template <size_t N> bool known(const std::array<std::string_view, N> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

Parsed failure(std::string line)
{
    Parsed parsed;
    parsed.action = Parsed::Action::Error;
    parsed.error = std::move(line);
    return parsed;
}

} // namespace

Parsed parse(const std::vector<std::string> &args)
{
    Parsed parsed;
    parsed.qtArguments.push_back(args.empty() ? std::string("cantorix2") : args.front());
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        // Nothing names an empty file or an empty value; Qt would take an empty platform for its default.
        if (arg.empty())
            return failure("empty argument");
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (!parsed.file.empty())
                return failure("more than one file given: '" + parsed.file + "' and '" + arg + "'");
            parsed.file = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.action = Parsed::Action::Help;
        } else if (arg == "--version" || arg == "-v") {
            parsed.action = Parsed::Action::Version;
        } else if (arg == "--matches") {
            // Asked by the uninstaller alone, with exactly these three values and nothing else.
            if (args.size() != 5 || i != 1)
                return failure("option '--matches' takes FILE SIZE SHA256 and nothing else");
            const std::string &size = args[3];
            if (size.empty() || size.size() > 15 ||
                !std::all_of(size.begin(), size.end(), [](char c) { return c >= '0' && c <= '9'; }))
                return failure("option '--matches' needs a size in bytes, not '" + size + "'");
            parsed.action = Parsed::Action::Matches;
            parsed.file = args[2];
            parsed.size = std::stoll(size);
            parsed.digest = args[4];
            return parsed;
        } else if (arg[1] != '-') {
            // Qt's options are single-dash words, the value either joined by '=' or as the next argument.
            const std::string_view body = std::string_view(arg).substr(1);
            const size_t equals = body.find('=');
            const std::string_view name = body.substr(0, equals);
            if (known(kQtWithValue, name)) {
                // Qt reads most of its options only with the value as the next argument ("-platform=x" would
                // be passed over and the default platform tried), so a joined value is passed on as two.
                parsed.qtArguments.push_back('-' + std::string(name));
                if (equals != std::string_view::npos) {
                    parsed.qtArguments.push_back(std::string(body.substr(equals + 1)));
                } else {
                    if (i + 1 >= args.size())
                        return failure("option '" + arg + "' needs a value");
                    parsed.qtArguments.push_back(args[++i]);
                }
                if (parsed.qtArguments.back().empty())
                    return failure("empty argument");
            } else if (known(kQtFlags, body)) {
                parsed.qtArguments.push_back(arg);
            } else {
                return failure("unknown option '" + arg + "'");
            }
        } else {
            return failure("unknown option '" + arg + "'");
        }
    }
    // Help and version answer whatever else was given, as long as all of it was understood.
    return parsed;
}

std::string usage()
{
    return "Usage: cantorix2 [OPTIONS] [FILE]\n"
           "Searches a hymn file (a service log or a hymnal text) and tallies the hymns used.\n"
           "FILE is loaded at start, and its folder becomes the current folder.\n"
           "\n"
           "Options:\n"
           "  -h, --help       show this help and exit\n"
           "  -v, --version    show the version and exit\n"
           "  --matches FILE SIZE SHA256\n"
           "                   exit with 0 when FILE still holds the SIZE bytes with that SHA-256 it was installed\n"
           "                   with, else 1 (the Windows uninstaller asks before it deletes a file)\n"
           "  Qt's own options (-platform NAME, -style NAME, -stylesheet FILE, -reverse, ...) are passed to Qt.\n";
}

std::string versionLine()
{
    return "cantorix2 " + QString::fromUtf16(CantorixVersion).toStdString() + "\n";
}

} // namespace CommandLine
