// Opening, loading and reading the window for tests.
#include "windowharness.h"

#include "filelist.h"

#include <QPushButton>
#include <QTest>

WindowHarness::WindowHarness() = default;

WindowHarness::~WindowHarness()
{
    // The window goes before the folder it was opened in.
    m_window.reset();
}

bool WindowHarness::open(const QString &dir)
{
    QDir::setCurrent(dir.isEmpty() ? folder.path() : dir);
    return openHere();
}

bool WindowHarness::openHere()
{
    m_window.reset();
    m_window = std::make_unique<Form1>(&dialogs);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

bool WindowHarness::load(const QString &name)
{
    auto *files = control<FileList>("File1");
    files->refresh();
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    files->setCurrentItem(found.first());
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    return true;
}

QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows.append(list->item(i)->text());
    return rows;
}
