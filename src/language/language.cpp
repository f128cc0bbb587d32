// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues are resources under ":/i18n/" (cantorix2_<code>.qm, and on Windows qtbase_<code>.qm, which Qt for
// Windows does not bring). The English catalogue is installed when the application object is made, so that tests
// and tools that never choose a language still count in English.
#include "language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace Language {

namespace {

struct Installed {
    QString code = u"en"_s;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed state;
    return state;
}

std::unique_ptr<QTranslator> loaded(const QString &file, const QStringList &folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString &folder : folders) {
        if (translator->load(file, folder))
            return translator;
    }
    return nullptr;
}

void installEnglishPlurals()
{
    // Kept for the process's life, below every other catalogue: a language's own forms are looked up first.
    static std::unique_ptr<QTranslator> english = loaded(u"cantorix2_en"_s, {u":/i18n"_s});
    if (english)
        QCoreApplication::installTranslator(english.get());
}
Q_COREAPP_STARTUP_FUNCTION(installEnglishPlurals)

} // namespace

const std::vector<Offered> &offered()
{
    static const std::vector<Offered> languages = {
        {u"de"_s, u"Deutsch"_s},  {u"es"_s, u"Español"_s},    {u"pt_BR"_s, u"Português (Brasil)"_s},
        {u"fr"_s, u"Français"_s}, {u"nl"_s, u"Nederlands"_s}, {u"en"_s, u"English"_s},
    };
    return languages;
}

QString fromSystem(const QStringList &uiLanguages)
{
    for (const QString &asked : uiLanguages) {
        const QString name = QString(asked).replace(u'-', u'_');
        const QString language = name.section(u'_', 0, 0).toLower();
        for (const Offered &each : offered()) {
            if (each.code.compare(name, Qt::CaseInsensitive) == 0 || each.code.section(u'_', 0, 0) == language)
                return each.code;
        }
    }
    return u"en"_s;
}

QString resolve(const QString &setting)
{
    for (const Offered &each : offered()) {
        if (each.code == setting)
            return setting;
    }
    return fromSystem(QLocale().uiLanguages());
}

void install(const QString &code)
{
    Installed &state = installed();
    for (const std::unique_ptr<QTranslator> *each : {&state.own, &state.qt}) {
        if (*each)
            QCoreApplication::removeTranslator(each->get());
    }
    state.own.reset();
    state.qt.reset();
    state.code = code;
    if (code == u"en")
        return;
    state.own = loaded(u"cantorix2_"_s + code, {u":/i18n"_s});
    state.qt = loaded(u"qtbase_"_s + code, {u":/i18n"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    // Installed last, looked up first: Qt's words after the program's own.
    for (const std::unique_ptr<QTranslator> *each : {&state.qt, &state.own}) {
        if (*each)
            QCoreApplication::installTranslator(each->get());
    }
}

QString current()
{
    return installed().code;
}

QLocale locale()
{
    return QLocale(current());
}

} // namespace Language
