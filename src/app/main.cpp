// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program: the command line is read first (help and version need no display), then the platform plugin
// and the display are checked, which without one say so in one line and exit, before Qt would abort with a core
// dump. The first start without a file opens the user's copy of the samples.
#include "app/commandline.h"
#include "app/install/installedfile.h"
#include "app/install/samplecopy.h"
#include "app/mainwindow/mainwindow.h"
#include "app/widgets/dialogs.h"
#include "installinfo.h"
#include "language/language.h"
#include "platform/displaycheck.h"
#include "platform/folderaccess.h"
#include "platform/processarguments.h"
#include "platform/qtplatforms.h"
#include "platform/runningmark.h"
#include "workspace/appsettings.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

QtMessageHandler previousHandler = nullptr;

void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    previousHandler(type, context, message);
    if (type == QtFatalMsg) {
        std::fputs("cantorix2: the window system could not be started\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine::Parsed command = CommandLine::parse(ProcessArguments::read(argc, argv));
    if (command.action == CommandLine::Parsed::Action::Matches) {
        return InstalledFile::matches(NativePath::fromArgument(command.file), command.size,
                                      QByteArray::fromStdString(command.digest))
                   ? 0
                   : 1;
    }
    // What is printed before the window opens goes to the console the program was started from; started without one
    // (a shortcut, the Run box), the text is shown in a message box instead of going nowhere.
    const bool console = ProcessArguments::attachConsole();
    const auto say = [console](FILE *stream, const std::string &text) {
        if (console)
            std::fputs(text.c_str(), stream);
        else
            ProcessArguments::showMessage("Cantorix2", text);
    };
    switch (command.action) {
    case CommandLine::Parsed::Action::Help:
        say(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Parsed::Action::Version:
        say(stdout, CommandLine::versionLine());
        return 0;
    case CommandLine::Parsed::Action::Error:
        say(stderr, "cantorix2: " + command.error + "\nTry 'cantorix2 --help' for more information.\n");
        return 2;
    case CommandLine::Parsed::Action::Matches:
    case CommandLine::Parsed::Action::Run:
        break;
    }
    // The installer and the uninstaller wait for a running copy to be closed.
    RunningMark::hold();

    // QApplication keeps argc and argv, and may take its options out of them, for as long as it lives.
    std::vector<std::string> qtStrings = command.qtArguments;
    std::vector<char *> qtArgv;
    for (std::string &each : qtStrings)
        qtArgv.push_back(each.data());
    qtArgv.push_back(nullptr);
    int qtArgc = int(qtStrings.size());

    if (const std::string missing = QtPlatforms::problem(qtArgc, qtArgv.data()); !missing.empty()) {
        std::fprintf(stderr, "cantorix2: %s\n", missing.c_str());
        return 1;
    }
    if (const std::string problem = DisplayCheck::problem(qtArgc, qtArgv.data()); !problem.empty()) {
        std::fprintf(stderr, "cantorix2: cannot open a display: %s\n", problem.c_str());
        return 1;
    }
    // Until the window is up, a fatal error is Qt failing to start its platform (a device or a server the checks
    // above cannot judge): the program exits instead of aborting.
    previousHandler = qInstallMessageHandler(startupMessage);
    QApplication app(qtArgc, qtArgv.data());
    QApplication::setOrganizationName(QStringLiteral("Cantorix2"));
    QApplication::setApplicationName(QStringLiteral("Cantorix2"));
    // Wayland names the window by this, so that the desktop shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QString::fromUtf16(CantorixAppId));
    // Before any window: its words are chosen as it is made.
    Language::install(Language::resolve(AppSettings().value(AppSettings::Key::Language).toString()));

    // The window starts in the file's folder, so that the book list beside it is the one read; a folder that
    // cannot be opened is reported by the window, which then starts where it can.
    NativePath file;
    if (!command.file.empty())
        file = NativePath::fromArgument(command.file).absoluteFrom(FolderAccess::active().startFolder());
    MainWindow window(nullptr, nullptr, file.parent());
    window.show();
    qInstallMessageHandler(previousHandler);
    const NativePath templates = NativePath::fromText(MainWindow::samplesFolder());
    SampleCopy::Copied samples;
    if (file.isEmpty()) {
        samples = SampleCopy::onFirstStart(window.settings(), templates, SampleCopy::userFolder());
        file = samples.log;
    }
    if (!file.isEmpty())
        window.openFile(file);
    if (!samples.failure.isEmpty()) {
        //: %1 says why the samples could not be copied
        const QString text =
            samples.log.isWithin(templates)
                ? QCoreApplication::translate("SampleCopy",
                                              "%1 The samples are opened where they are installed, to be read only.")
                      .arg(samples.failure)
                : samples.failure;
        QtDialogs(&window).message(QCoreApplication::translate("SampleCopy", "Sample files"), text,
                                   Dialogs::Icon::Exclamation);
    }
    return QApplication::exec();
}
