// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of a long task that the user may cancel, behind one small interface so that tests can cancel it at
// a chosen step without a dialog.
#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

class Progress {
public:
    virtual ~Progress() = default;

    // A task begins, its length not known yet.
    virtual void begin(const QString &title, const QString &text) = 0;
    // done of steps are done; false once the user has asked to stop.
    virtual bool advance(int done, int steps) = 0;
    // The task is over, done or stopped.
    virtual void end() = 0;
};

// A window-modal QProgressDialog over parent, shown only when the task is going to take a noticeable time.
class QtProgress : public Progress {
public:
    explicit QtProgress(QWidget *parent);
    ~QtProgress() override;

    void begin(const QString &title, const QString &text) override;
    bool advance(int done, int steps) override;
    void end() override;

private:
    QWidget *m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
};
