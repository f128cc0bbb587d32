// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does for its installation: the sample templates copied into the user's own folder on the first
// start without a file, never over a file the user has there. The uninstaller's question (--matches) is asked of the
// program itself in tst_gui_menu.
#include "testfiles.h"

#include "app/install/samplecopy.h"
#include "workspace/appsettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kLog = "Nov 29, 2026 Advent 1\n200 Beta\n";
const QByteArray kHymnal = "1 Alpha\n--\nverse\n--\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"Cantorix2"_s);
        QCoreApplication::setApplicationName(u"InstallTest"_s);
    }
    void init()
    {
        programSettings()->clear();
        m_folder = std::make_unique<TestFolder>();
        QVERIFY(QDir(m_folder->path()).mkdir(u"samples"_s));
        m_folder->write(u"samples/ServiceLog.txt"_s, kLog);
        m_folder->write(u"samples/Hymnal.txt"_s, kHymnal);
    }

    void copies_data()
    {
        QTest::addColumn<QString>("given"); // what stands where the copies go
        QTest::addColumn<QStringList>("copied");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QByteArray>("log"); // what the log to open holds; empty for none
        QTest::addColumn<bool>("failed");
        const QStringList both{u"Hymnal.txt"_s, u"ServiceLog.txt"_s};
        QTest::newRow("into a folder made for them") << QString() << both << QStringList() << kLog << false;
        QTest::newRow("the user's own log is kept")
            << u"own log"_s << QStringList{u"Hymnal.txt"_s} << QStringList{u"ServiceLog.txt"_s}
            << QByteArray("my services") << false;
        QTest::newRow("a file where the folder goes")
            << u"file"_s << QStringList() << QStringList() << QByteArray() << true;
    }
    void copies()
    {
        QFETCH(QString, given);
        QFETCH(QByteArray, log);
        const QString target = m_folder->filePath(u"Documents/Cantorix2"_s);
        QVERIFY(QDir(m_folder->path()).mkdir(u"Documents"_s));
        if (given == u"own log"_s) {
            QVERIFY(QDir().mkpath(target));
            m_folder->write(u"Documents/Cantorix2/ServiceLog.txt"_s, "my services");
        } else if (given == u"file"_s) {
            m_folder->write(u"Documents/Cantorix2"_s, "a file");
        }
        const QString templates = m_folder->filePath(u"samples"_s);

        SampleCopy::Copied result = SampleCopy::copy(NativePath::fromText(templates), NativePath::fromText(target));
        result.copied.sort();
        QTEST(result.copied, "copied");
        QTEST(result.kept, "kept");
        QTEST(!result.failure.isEmpty(), "failed");
        QCOMPARE(result.log.isEmpty(), log.isEmpty());
        if (!log.isEmpty()) {
            QCOMPARE(result.log, NativePath::fromText(target + u"/ServiceLog.txt"_s));
            QCOMPARE(contents(target + u"/ServiceLog.txt"_s), log);
        }
        if (result.copied.contains(u"Hymnal.txt"_s))
            QCOMPARE(contents(target + u"/Hymnal.txt"_s), kHymnal);
    }

    // Copied on the first start alone: a copy the user deleted afterwards is not made again. A copy that failed
    // leaves the template to be read where it is.
    void firstStartOnly()
    {
        AppSettings settings;
        const NativePath templates = NativePath::fromText(m_folder->filePath(u"samples"_s));
        const NativePath blocked = NativePath::fromText(m_folder->write(u"blocked"_s, "a file"));
        SampleCopy::Copied first = SampleCopy::onFirstStart(settings, templates, blocked.child(u"Cantorix2"_s));
        QVERIFY(!first.failure.isEmpty());
        QCOMPARE(first.log, templates.child(u"ServiceLog.txt"_s));

        programSettings()->clear();
        const QString folder = m_folder->filePath(u"Cantorix2"_s);
        first = SampleCopy::onFirstStart(settings, templates, NativePath::fromText(folder));
        QCOMPARE(first.log, NativePath::fromText(folder + u"/ServiceLog.txt"_s));
        QCOMPARE(first.copied.size(), 2);
        QVERIFY(QFile::remove(folder + u"/ServiceLog.txt"_s));
        const SampleCopy::Copied again = SampleCopy::onFirstStart(settings, templates, NativePath::fromText(folder));
        QVERIFY(again.log.isEmpty() && again.copied.isEmpty());
        QVERIFY(!QFile::exists(folder + u"/ServiceLog.txt"_s));
    }

private:
    std::unique_ptr<TestFolder> m_folder;
};

QTEST_MAIN(TestInstall)
#include "tst_gui_install.moc"
