// SPDX-License-Identifier: GPL-3.0-or-later
// The notice of a log changed on disk, for a log in a folder whose name is bytes that are not UTF-8 (Latin-1
// "église"). POSIX only: only there is a name bytes that no QString names; a Windows name is UTF-16, always text.
#include "scripteddialogs.h"
#include "systemfiles.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kLog = "Nov 29, 2026 Advent 1\n200 Beta\n";

} // namespace

class TestKeepLogPosix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void noticeInAFolderNamedInBytes_data();
    void noticeInAFolderNamedInBytes();
};

void TestKeepLogPosix::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"Cantorix2"_s);
    QCoreApplication::setApplicationName(u"KeepLogPosixTest"_s);
    programSettings()->clear();
}

void TestKeepLogPosix::noticeInAFolderNamedInBytes_data()
{
    QTest::addColumn<bool>("byRename");
    QTest::newRow("appended") << false;
    QTest::newRow("saved by rename") << true;
}

void TestKeepLogPosix::noticeInAFolderNamedInBytes()
{
    QFETCH(bool, byRename);
    TestFolder folder;
    const QByteArray church = QFile::encodeName(folder.path()) + "/\xe9glise";
    const QByteArray log = church + "/log.txt";
    const QByteArray saved = church + "/log.txt.new";
    QVERIFY(SystemFiles::makeFolder(church));
    // Qt's own removal of the test folder cannot name what is inside a folder no QString names.
    const auto removeChurch = qScopeGuard([&] {
        for (const QByteArray &name : {saved, log, church})
            SystemFiles::remove(name);
    });
    QVERIFY(SystemFiles::writeFile(log, kLog));
    ScriptedDialogs dialogs;
    MainWindow window(&dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openFile(NativePath::fromUnits(log)));

    const QByteArray changed = kLog + "\nDec 6, 2026\n100 Alpha\n";
    if (byRename) {
        QVERIFY(SystemFiles::writeFile(saved, changed));
        QCOMPARE(std::rename(saved.constData(), log.constData()), 0);
    } else {
        std::FILE *file = std::fopen(log.constData(), "ab");
        QVERIFY(file != nullptr);
        const bool written = std::fputs("\nDec 6, 2026\n100 Alpha\n", file) >= 0;
        QVERIFY(std::fclose(file) == 0 && written);
    }
    auto *bar = window.findChild<QWidget *>(u"FileChangedBar"_s);
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->findChild<QLabel *>(u"FileChangedText"_s)->text(), u"log.txt changed on disk"_s);
    QVERIFY(bar->findChild<QPushButton *>(u"FileChangedReload"_s)->isVisible());
}

QTEST_MAIN(TestKeepLogPosix)
#include "tst_gui_keeplog_posix.moc"
