// SPDX-License-Identifier: GPL-3.0-or-later
// The notice under the window's design area that the loaded file was changed or deleted by another program, with
// Reload (for a change) and Dismiss, or that the program's last write of it was cut short, with the ways to mend
// it. It never reloads or mends by itself: the user may be in the middle of something.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

class FileChangedBar : public QFrame {
    Q_OBJECT
public:
    explicit FileChangedBar(QWidget *parent = nullptr);

    // "ServiceLog.txt changed on disk", with Reload and Dismiss.
    void showChanged(const QString &fileName);
    // "ServiceLog.txt was moved or deleted on disk", with Dismiss: nothing has the name now, whether the file or a
    // folder on its way was moved or deleted.
    void showDeleted(const QString &fileName);
    // "The last write of ServiceLog.txt was cut short …", with Put Back Backup, Keep Log and Dismiss.
    void showUnfinished(const QString &fileName, const QString &backupName);
    QString text() const;
    void setVisible(bool visible) override;

Q_SIGNALS:
    void reloadClicked();
    void restoreClicked();
    void keepClicked();
    // Before it is shown, and once it was hidden, in its window (not with the window): the window's layout grows
    // and shrinks while it is shown or hidden.
    void aboutToShow();
    void hidden();

private:
    enum class Offer { Nothing, Reload, Mend };
    void showText(const QString &text, Offer offer);

    QLabel *m_text;
    QPushButton *m_reload;
    QPushButton *m_restore;
    QPushButton *m_keep;
    QPushButton *m_dismiss;
};
