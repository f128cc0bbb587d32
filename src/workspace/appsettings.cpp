// SPDX-License-Identifier: GPL-3.0-or-later
// Only the program's own file is read: the fallback files QSettings would read besides it could be pipes as well.
// The keys are those earlier versions wrote, so that settings kept by them are read as they were.
#include "workspace/appsettings.h"

#include "logbook/planner.h"
#include "platform/nativefile.h"
#include "platform/settingslocation.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <cstdio>
#include <span>

using namespace Qt::StringLiterals;

namespace {

struct Setting {
    AppSettings::Key key;
    QStringView name;
    QVariant fallback;
};

// Every value and list kept, in the order of AppSettings::Key; made on first use, so that a name asked for while
// another file's constants are made finds it there.
std::span<const Setting> table()
{
    static const Setting settings[] = {
        {AppSettings::Key::HymnalPath, u"hymnal/path", {}},
        {AppSettings::Key::MainWindowPlace, u"mainWindow/geometry", {}},
        {AppSettings::Key::MainWindowLeastHeight, u"mainWindow/leastHeight", false},
        {AppSettings::Key::RecentWeeks, u"planner/recentWeeks", Logbook::DefaultRecentWeeks},
        {AppSettings::Key::CalendarNaming, u"calendar/naming", {}},
        {AppSettings::Key::CalendarNamesAlways, u"calendar/namesAlways", false},
        {AppSettings::Key::CalendarRomanEpiphanySunday, u"calendar/romanEpiphanySunday", false},
        {AppSettings::Key::CalendarRomanAscensionSunday, u"calendar/romanAscensionSunday", false},
        {AppSettings::Key::CalendarRomanCorpusChristiSunday, u"calendar/romanCorpusChristiSunday", false},
        {AppSettings::Key::Language, u"ui/language", {}},
        {AppSettings::Key::SamplesCopied, u"samples/copied", false},
        {AppSettings::Key::ReportGeometry, u"report/geometry", {}},
        {AppSettings::Key::ReportMaximized, u"report/maximized", false},
        {AppSettings::Key::ReportSplitter, u"report/splitter", {}},
        {AppSettings::Key::ReportSortColumn, u"report/sortColumn", {}},
        {AppSettings::Key::ReportDescending, u"report/descending", false},
        {AppSettings::Key::ReportPreset, u"report/preset", {}},
        {AppSettings::Key::ReportCustomFrom, u"report/customFrom", {}},
        {AppSettings::Key::ReportCustomTo, u"report/customTo", {}},
        {AppSettings::Key::BoardShowsDate, u"hymnBoard/showsDate", true},
        {AppSettings::Key::RecentFiles, u"recentFiles", {}},
        {AppSettings::Key::LogBackups, u"logBackups", {}},
    };
    return settings;
}

const Setting &settingFor(AppSettings::Key key)
{
    const std::span<const Setting> settings = table();
    const auto found =
        std::find_if(settings.begin(), settings.end(), [key](const Setting &each) { return each.key == key; });
    Q_ASSERT(found != settings.end());
    return *found;
}

} // namespace

AppSettings::AppSettings()
    : m_file(SettingsLocation::file(QCoreApplication::organizationName(), QCoreApplication::applicationName()))
{
    open();
}

AppSettings::~AppSettings() = default;

QString AppSettings::name(Key key)
{
    return settingFor(key).name.toString();
}

QVariant AppSettings::defaultValue(Key key)
{
    return settingFor(key).fallback;
}

std::unique_ptr<QSettings> AppSettings::open()
{
    if (!m_kept)
        return nullptr;
    const NativePath file = NativePath::fromText(m_file);
    const NativeFile::Refusal kind = NativeFile::inspect(file).refusal;
    if (kind == NativeFile::Refusal::Folder || kind == NativeFile::Refusal::NotRegular) {
        m_kept = false;
        std::fprintf(stderr,
                     "cantorix2: the settings file %s is not a regular file; no settings are read or kept this run\n",
                     file.storedForm().constData());
        return nullptr;
    }
    return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}

QVariant AppSettings::value(Key key)
{
    const Setting &setting = settingFor(key);
    const std::unique_ptr<QSettings> settings = open();
    return settings ? settings->value(setting.name.toString(), setting.fallback) : setting.fallback;
}

void AppSettings::setValue(Key key, const QVariant &value)
{
    setValues({{key, value}});
}

void AppSettings::setValues(std::initializer_list<std::pair<Key, QVariant>> values)
{
    if (const std::unique_ptr<QSettings> settings = open()) {
        for (const auto &[key, value] : values)
            settings->setValue(name(key), value);
    }
}

void AppSettings::remove(Key key)
{
    if (const std::unique_ptr<QSettings> settings = open())
        settings->remove(name(key));
}

int AppSettings::recentWeeks()
{
    return Logbook::recentWeeksFrom(value(Key::RecentWeeks));
}

void AppSettings::setRecentWeeks(int weeks)
{
    setValue(Key::RecentWeeks, std::clamp(weeks, Logbook::LeastRecentWeeks, Logbook::MostRecentWeeks));
}

NativePath AppSettings::hymnalPath()
{
    return NativePath::fromStoredForm(value(Key::HymnalPath).toByteArray());
}

void AppSettings::setHymnalPath(const NativePath &path)
{
    setValue(Key::HymnalPath, path.storedForm());
}

void AppSettings::forgetHymnalPath()
{
    remove(Key::HymnalPath);
}
