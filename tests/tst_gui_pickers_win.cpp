// SPDX-License-Identifier: GPL-3.0-or-later
// The file picker on Windows: drive letters (through the volume seam, so a drive that is not ready can be had), the
// hidden attribute rather than a leading dot, and names outside the ANSI code page through Open and the command
// line's conversion.
#include "app/commandline.h"
#include "app/form/form1.h"
#include "app/pickers/dirlist.h"
#include "app/pickers/drivelist.h"
#include "app/pickers/filelist.h"
#include "platform/volumes.h"
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

    void namesOutsideTheCodePage()
    {
        const QString folder = m_ui->folder.filePath(u"Γειά σου"_s);
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + u"/ύμνοι.txt"_s;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Jan 3, 2021\n378 Amazing Grace\n") > 0);
        file.close();

        // As the command line hands it over, in UTF-8 from the system's UTF-16.
        const CommandLine::Parsed parsed = CommandLine::parse({"cantorix2", path.toStdString()});
        const NativePath given = NativePath::fromArgument(parsed.file);
        QCOMPARE(given, NativePath::fromText(path));

        QVERIFY(m_ui->open());
        QVERIFY(m_ui->window().openFile(given));
        QCOMPARE(m_ui->dialogs.messages().size(), 0);
        QCOMPARE(m_ui->store().entryCount(), 1);
        QCOMPARE(m_ui->control<QLabel>("ShowFile")->text(), u"ύμνοι.txt"_s);
        QCOMPARE(m_ui->control<DirList>("Dir1")->currentItem()->text().trimmed(), u"Γειά σου"_s);
    }

private:
    std::unique_ptr<WindowHarness> m_ui;
};

QTEST_MAIN(TestPickersWin)
#include "tst_gui_pickers_win.moc"
