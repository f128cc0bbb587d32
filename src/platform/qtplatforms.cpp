// SPDX-License-Identifier: GPL-3.0-or-later
// The plugins are found by the keys in their metadata, as Qt finds them, not by their file names
// (libqwayland-generic.so answers to "wayland"); reading the metadata does not load a plugin.
#include "platform/qtplatforms.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStaticPlugin>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace QtPlatforms {
namespace {

const char *const kPlatformIid = "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface";

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The value of the last "-name VALUE" or "-name=VALUE" among the arguments; nullptr when there is none.
const char *lastValue(int argc, char **argv, const char *name)
{
    const std::string single = std::string("-") + name;
    const char *value = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (arg == nullptr)
            continue;
        // Qt also reads its options with two dashes.
        if (std::strncmp(arg, "--", 2) == 0)
            ++arg;
        if (single == arg && i + 1 < argc)
            value = argv[++i];
        else if (std::strncmp(arg, single.c_str(), single.size()) == 0 && arg[single.size()] == '=')
            value = arg + single.size() + 1;
    }
    return value;
}

void addKeys(const QJsonObject &metaData, std::vector<std::string> &keys)
{
    if (!metaData.value("IID"_L1).toString().startsWith(QLatin1StringView(kPlatformIid)))
        return;
    for (const QJsonValue key : metaData.value("MetaData"_L1).toObject().value("Keys"_L1).toArray())
        keys.push_back(lowered(key.toString().toStdString()));
}

void addFolder(const QString &folder, std::vector<std::string> &keys)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (QLibrary::isLibrary(name))
            addKeys(QPluginLoader(dir.filePath(name)).metaData(), keys);
    }
}

} // namespace

std::vector<std::string> chosen(int argc, char **argv)
{
    const char *list = lastValue(argc, argv, "platform");
    if (list == nullptr || *list == '\0')
        list = std::getenv("QT_QPA_PLATFORM");
    std::vector<std::string> names;
    if (list == nullptr)
        return names;
    const std::string all = list;
    for (size_t start = 0; start <= all.size();) {
        size_t end = all.find(';', start);
        if (end == std::string::npos)
            end = all.size();
        const std::string name = lowered(all.substr(start, std::min(all.find(':', start), end) - start));
        if (!name.empty())
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

std::vector<std::string> available(int argc, char **argv)
{
    std::vector<std::string> keys;
    const char *pluginPath = lastValue(argc, argv, "platformpluginpath");
    addFolder(pluginPath != nullptr ? QFile::decodeName(pluginPath)
                                    : qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"),
              keys);
    for (const QString &folder :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        addFolder(folder + "/platforms"_L1, keys);
    addFolder(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms"_L1, keys);
    for (const QStaticPlugin &plugin : QPluginLoader::staticPlugins())
        addKeys(plugin.metaData(), keys);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

std::string problem(int argc, char **argv)
{
    const std::vector<std::string> names = chosen(argc, argv);
    if (names.empty())
        return {};
    const std::vector<std::string> keys = available(argc, argv);
    if (keys.empty())
        return {};
    for (const std::string &name : names) {
        if (std::binary_search(keys.begin(), keys.end(), name))
            return {};
    }
    std::string found;
    for (const std::string &key : keys)
        found += (found.empty() ? "" : ", ") + key;
    std::string asked;
    for (const std::string &name : names)
        asked += (asked.empty() ? "\"" : " or \"") + name + "\"";
    return "Qt has no platform plugin " + asked + " (it has " + found + ")";
}

} // namespace QtPlatforms
