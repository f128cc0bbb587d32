// SPDX-License-Identifier: GPL-3.0-or-later
// Which of Qt's platform plugins the command line or the environment chooses, and whether Qt will find it, asked
// before Qt is started: Qt aborts when it finds none of the plugins it is asked for.
#pragma once

#include <string>
#include <vector>

namespace QtPlatforms {

// The platforms chosen by the last -platform NAME (or -platform=NAME), else by QT_QPA_PLATFORM: each name of the
// ";"-separated list, in lower case and without the options after ":" ("offscreen:fontengine=freetype" gives
// "offscreen"); empty when none is chosen and Qt takes its default.
std::vector<std::string> chosen(int argc, char **argv);

// The keys of the platform plugins Qt would look through: those in -platformpluginpath (or
// QT_QPA_PLATFORM_PLUGIN_PATH), then in the "platforms" folder under each folder of QT_PLUGIN_PATH and under Qt's
// own plugin folder, and those built in. In lower case, sorted, each once.
std::vector<std::string> available(int argc, char **argv);

// Why Qt would find none of the chosen platforms (e.g. no plugin "nosuch"); empty when it finds one, when none is
// chosen, or when no plugin is found at all, since the folders looked through are then not the ones Qt reads.
std::string problem(int argc, char **argv);

} // namespace QtPlatforms
