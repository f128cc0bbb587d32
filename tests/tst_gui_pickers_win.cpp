// SPDX-License-Identifier: GPL-3.0-or-later
// The file picker on Windows: drive letters (through the volume seam, so a drive that is not ready can be had), the
// hidden attribute rather than a leading dot, and names outside the ANSI code page or ending in a dot or a space
// through Open and the command line's conversion.
#include "app/form/form1.h"
#include "app/mainwindow/commandline.h"
#include "app/pickers/dirlist.h"
#include "app/pickers/drivelist.h"
#include "app/pickers/filelist.h"
#include "platform/volumes.h"
#include "systemfiles.h"
#include "windowharness.h"

#include <QDir>
#include <QLabel>
#include <QTest>

#include <windows.h>

using namespace Qt::StringLiterals;

class TestPickersWin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_ui = std::make_unique<WindowHarness>(); }
    void cleanup()
    {
        m_ui.reset();
        Volumes::setLister({});
    }

    void driveLetters()
    {
        // The folder the window starts in is on one drive; another, not ready, is listed all the same.
        const NativePath start = NativePath::fromText(QFileInfo(m_ui->folder.path()).canonicalFilePath());
        NativePath drive = start;
        while (!drive.isRoot())
            drive = drive.parent();
        Volumes::setLister([drive] {
            return std::vector<Volumes::Volume>{{drive, u"c: [SYSTEM]"_s}, {NativePath::fromText(u"Q:\\"_s), u"q:"_s}};
        });
        QVERIFY(m_ui->open());
        auto *drives = m_ui->control<DriveList>("Drive1");
        QCOMPARE(drives->count(), 2);
        QCOMPARE(drives->currentText(), u"c: [SYSTEM]"_s);
        const QString before = m_ui->control<DirList>("Dir1")->path();

        drives->setCurrentIndex(1);
        Q_EMIT drives->activated(1);
        QCOMPARE(m_ui->dialogs.messages().size(), 1);
        QCOMPARE(m_ui->dialogs.messages().first().title, u"Change Drive"_s);
        QCOMPARE(m_ui->control<DirList>("Dir1")->path(), before);
        QCOMPARE(drives->currentText(), u"c: [SYSTEM]"_s);
    }

    void hiddenByAttribute()
    {
        const QString hidden = m_ui->folder.write(u"hidden.txt"_s, "Jan 1, 2020\n1 A\n");
        m_ui->folder.write(u".dotted.txt"_s, "Jan 1, 2020\n1 A\n");
        QVERIFY(QDir(m_ui->folder.path()).mkdir(u"Private"_s));
        for (const QString &path : {hidden, m_ui->folder.filePath(u"Private"_s)}) {
            const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
            QVERIFY(SetFileAttributesW(name.c_str(), GetFileAttributesW(name.c_str()) | FILE_ATTRIBUTE_HIDDEN));
        }
        QVERIFY(m_ui->open());
        // A leading dot hides nothing on Windows; the attribute does.
        QCOMPARE(rowsOf(m_ui->control<FileList>("File1")), QStringList{u".dotted.txt"_s});
        QVERIFY(m_ui->control<DirList>("Dir1")->findItems(u"Private"_s, Qt::MatchEndsWith).isEmpty());
    }

    // Names given on the command line as they are: outside the ANSI code page, or ending in a space or a dot, which
    // Win32 would drop and so open the other file beside it.
    void namesGivenWhole_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("other"); // the file Win32 would take the name for
        QTest::newRow("Greek") << u"Γειά σου"_s << u"ύμνοι.txt"_s << QString();
        QTest::newRow("trailing space") << u"odd"_s << u"Space.txt "_s << u"Space.txt"_s;
        QTest::newRow("trailing dot") << u"odd"_s << u"Dot.txt."_s << u"Dot.txt"_s;
    }
    void namesGivenWhole()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, other);
        const QString where = m_ui->folder.filePath(folder);
        QVERIFY(SystemFiles::makeFolderExactly(where));
        const QString path = where + u'/' + name;
        QVERIFY(SystemFiles::writeExactly(path, "Jan 3, 2021\n378 Amazing Grace\n"));
        const auto cleanup = qScopeGuard([&] { SystemFiles::removeExactly(path); });
        if (!other.isEmpty())
            QVERIFY(SystemFiles::writeExactly(where + u'/' + other, "Jan 3, 2021\n1 A\n\nJan 10, 2021\n2 B\n"));

        // As the command line hands it over, in UTF-8 from the system's UTF-16.
        const CommandLine::Parsed parsed = CommandLine::parse({"cantorix2", path.toStdString()});
        const NativePath given = NativePath::fromArgument(parsed.file);
        QCOMPARE(given, NativePath::fromText(path));

        QVERIFY(m_ui->open());
        QVERIFY(m_ui->window().openFile(given));
        QCOMPARE(m_ui->dialogs.messages().size(), 0);
        QCOMPARE(m_ui->store().entryCount(), 1);
        QCOMPARE(m_ui->control<QLabel>("ShowFile")->text(), name);
        QCOMPARE(m_ui->control<DirList>("Dir1")->currentItem()->text().trimmed(), folder);
    }

private:
    std::unique_ptr<WindowHarness> m_ui;
};

QTEST_MAIN(TestPickersWin)
#include "tst_gui_pickers_win.moc"
