// SPDX-License-Identifier: GPL-3.0-or-later
// A window under test: a fresh folder to put files in, scripted dialogs, and the real window opened in that
// folder, with the few moves every window test makes (finding a control, loading a file, reading a list).
#pragma once

#include "app/form/form1.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QAbstractItemView>

#include <memory>

class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    TestFolder folder;
    ScriptedDialogs dialogs;

    // Opens the window in dir (the harness's folder when empty), as the program starts in its start folder.
    bool open(const QString &dir = QString());
    // Opens the window in the process's current directory as it is (one a QString cannot name, or one deleted).
    bool openHere();
    Form1 &window() { return *m_window; }
    const EntryStore &store() const { return m_window->store(); }

    // Chooses name in the file list and presses "Get File"; false when the name is not listed.
    bool load(const QString &name);

    template <typename T> T *control(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    }

private:
    std::unique_ptr<Form1> m_window;
};

// Reading and clicking any list through its model and view, whatever kind of list it is.
// The texts of the rows, top to bottom.
QStringList rowsOf(const QAbstractItemView *list);
int rowCount(const QAbstractItemView *list);
// -1 when no row is current.
int currentRow(const QAbstractItemView *list);
// The row shown at the top.
int topRow(const QAbstractItemView *list);
// Where row is in the list's viewport, after scrolling it into view.
QRect rowRect(QAbstractItemView *list, int row);
