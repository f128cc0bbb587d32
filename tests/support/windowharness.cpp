// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, loading and reading the window for tests.
#include "windowharness.h"

#include "app/pickers/filelist.h"

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
    // The window is told where to start; the process's own current folder, which Windows would hold against
    // renaming or deleting, is left alone.
    m_window.reset();
    m_window = std::make_unique<Form1>(&dialogs, nullptr, NativePath::fromText(dir.isEmpty() ? folder.path() : dir));
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
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
    const int found = files->rowOf(name);
    if (found < 0)
        return false;
    files->setCurrentRow(found);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    return true;
}

QStringList rowsOf(const QAbstractItemView *list)
{
    QStringList rows;
    const QAbstractItemModel *model = list->model();
    for (int i = 0; i < model->rowCount(); ++i)
        rows.append(model->index(i, 0).data().toString());
    return rows;
}

int rowCount(const QAbstractItemView *list)
{
    return list->model()->rowCount();
}

int currentRow(const QAbstractItemView *list)
{
    return list->currentIndex().row();
}

int topRow(const QAbstractItemView *list)
{
    return list->indexAt(QPoint(2, 2)).row();
}

QRect rowRect(QAbstractItemView *list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    return list->visualRect(index);
}
