// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what the parser makes of the arguments before Qt starts (a file, Qt's own options, --help,
// --version, the uninstaller's --matches, and what it refuses), and what the real program answers to them without
// a display.
#include "mainwindowfixture.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "app/commandline.h"
#include "version.h"

#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject, protected MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void commandLine_data();
    void commandLine();
    void binaryAnswersWithoutDisplay();
};

void TestCommandLine::initTestCase()
{
    QVERIFY(setUpProgram(u"CommandLineTest"_s, Locale::System));
}

void TestCommandLine::init()
{
    QVERIFY(setUpFolder(false));
}

void TestCommandLine::commandLine_data()
{
    using Action = CommandLine::Parsed::Action;
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("qt");
    QTest::addColumn<QString>("error");

    QTest::newRow("nothing") << QStringList{} << int(Action::Run) << QString() << QStringList{} << QString();
    QTest::newRow("a file") << QStringList{u"log.txt"_s} << int(Action::Run) << u"log.txt"_s << QStringList{}
                            << QString();
    QTest::newRow("help") << QStringList{u"--help"_s} << int(Action::Help) << QString() << QStringList{} << QString();
    QTest::newRow("-h after a file") << QStringList{u"a.txt"_s, u"-h"_s} << int(Action::Help) << u"a.txt"_s
                                     << QStringList{} << QString();
    QTest::newRow("version") << QStringList{u"--version"_s} << int(Action::Version) << QString() << QStringList{}
                             << QString();
    QTest::newRow("-v") << QStringList{u"-v"_s} << int(Action::Version) << QString() << QStringList{} << QString();
    QTest::newRow("Qt options with values")
        << QStringList{u"-platform=offscreen"_s, u"-style"_s, u"Fusion"_s, u"x.txt"_s, u"-display=:1"_s}
        << int(Action::Run) << u"x.txt"_s
        << QStringList{u"-platform"_s, u"offscreen"_s, u"-style"_s, u"Fusion"_s, u"-display"_s, u":1"_s} << QString();
    QTest::newRow("a Qt value that looks like a file")
        << QStringList{u"-stylesheet"_s, u"look.qss"_s, u"-reverse"_s} << int(Action::Run) << QString()
        << QStringList{u"-stylesheet"_s, u"look.qss"_s, u"-reverse"_s} << QString();
    QTest::newRow("a dash file after --")
        << QStringList{u"--"_s, u"-odd.txt"_s} << int(Action::Run) << u"-odd.txt"_s << QStringList{} << QString();
    QTest::newRow("unknown long") << QStringList{u"--frobnicate"_s} << int(Action::Error) << QString() << QStringList{}
                                  << u"unknown option '--frobnicate'"_s;
    QTest::newRow("unknown short") << QStringList{u"-x"_s} << int(Action::Error) << QString() << QStringList{}
                                   << u"unknown option '-x'"_s;
    QTest::newRow("Qt option with a double dash") << QStringList{u"--style"_s, u"Fusion"_s} << int(Action::Error)
                                                  << QString() << QStringList{} << u"unknown option '--style'"_s;
    QTest::newRow("value missing") << QStringList{u"-platform"_s} << int(Action::Error) << QString() << QStringList{}
                                   << u"option '-platform' needs a value"_s;
    for (const auto &[name, args] : {std::pair{"empty file", QStringList{QString()}},
                                     {"empty value", QStringList{u"-platform"_s, QString()}},
                                     {"empty joined value", QStringList{u"-platform="_s}},
                                     {"empty after --", QStringList{u"--"_s, QString()}}})
        QTest::newRow(name) << args << int(Action::Error) << QString() << QStringList{} << u"empty argument"_s;
    QTest::newRow("two files") << QStringList{u"a.txt"_s, u"b.txt"_s} << int(Action::Error) << QString()
                               << QStringList{} << u"more than one file given: 'a.txt' and 'b.txt'"_s;
    // The uninstaller's question, asked with exactly its three values.
    QTest::newRow("matches") << QStringList{u"--matches"_s, u"-x.txt"_s, u"12"_s, u"ab"_s} << int(Action::Matches)
                             << u"-x.txt"_s << QStringList{} << QString();
    const QString matchesAlone = u"option '--matches' takes FILE SIZE SHA256 and nothing else"_s;
    QTest::newRow("matches short of a value") << QStringList{u"--matches"_s, u"x.txt"_s, u"12"_s} << int(Action::Error)
                                              << QString() << QStringList{} << matchesAlone;
    QTest::newRow("matches after a file") << QStringList{u"a.txt"_s, u"--matches"_s, u"x.txt"_s, u"12"_s, u"ab"_s}
                                          << int(Action::Error) << QString() << QStringList{} << matchesAlone;
    QTest::newRow("matches with a size that is no count")
        << QStringList{u"--matches"_s, u"x.txt"_s, u"-12"_s, u"ab"_s} << int(Action::Error) << QString()
        << QStringList{} << u"option '--matches' needs a size in bytes, not '-12'"_s;
}

void TestCommandLine::commandLine()
{
    QFETCH(QStringList, args);
    std::vector<std::string> argv{"cantorix2"};
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    const CommandLine::Parsed parsed = CommandLine::parse(argv);
    QTEST(int(parsed.action), "action");
    QFETCH(QString, error);
    QCOMPARE(QString::fromStdString(parsed.error), error);
    if (parsed.action == CommandLine::Parsed::Action::Error)
        return;
    QTEST(QString::fromStdString(parsed.file), "file");
    QStringList passed;
    for (const std::string &arg : parsed.qtArguments)
        passed.append(QString::fromStdString(arg));
    QFETCH(QStringList, qt);
    QCOMPARE(passed, QStringList{u"cantorix2"_s} + qt);
}

void TestCommandLine::binaryAnswersWithoutDisplay()
{
    QProcess program;
    program.setProcessEnvironment(withoutDisplay(m_home.path(), QString()));

    program.start(QStringLiteral(CANTORIX_BINARY), {u"--version"_s});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).remove(u'\r'),
             u"cantorix2 %1\n"_s.arg(QString::fromUtf16(CantorixVersion)));

    program.start(QStringLiteral(CANTORIX_BINARY), {u"--frobnicate"_s});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 2);
    // A Windows console ends its lines with CR LF.
    const auto errors = [&] { return program.readAllStandardError().replace("\r\n", "\n"); };
    QVERIFY(errors().startsWith("cantorix2: unknown option '--frobnicate'\n"));
    QVERIFY(program.readAllStandardOutput().isEmpty());

    program.start(QStringLiteral(CANTORIX_BINARY), {u"-platform"_s, u"offscreen"_s, QString()});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 2);
    QVERIFY(errors().startsWith("cantorix2: empty argument\n"));

    // The uninstaller deletes a file only on the program's 0 for it: the bytes installed, and nothing else (a byte
    // changed, one more, no file, a digest in capitals or with a stray character).
    const QByteArray installed = "as installed";
    const QByteArray digest = QCryptographicHash::hash(installed, QCryptographicHash::Sha256).toHex();
    const QString file = m_folder->filePath(u"installed.txt"_s);
    for (const auto &[bytes, given, code] : {std::tuple{installed, digest, 0},
                                             {installed, digest.toUpper(), 0},
                                             {installed, digest.chopped(1) + 'g', 1},
                                             {QByteArray("as instaLLed"), digest, 1},
                                             {installed + '\n', digest, 1},
                                             {QByteArray(), digest, 1}}) {
        QFile::remove(file);
        if (!bytes.isEmpty())
            m_folder->write(u"installed.txt"_s, bytes);
        program.start(QStringLiteral(CANTORIX_BINARY), {u"--matches"_s, file, u"12"_s, QString::fromLatin1(given)});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), code);
    }
}

QTEST_MAIN(TestCommandLine)
#include "tst_gui_commandline.moc"
