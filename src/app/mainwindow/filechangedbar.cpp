// SPDX-License-Identifier: GPL-3.0-or-later
// A plain frame in the window's light colours with a pale yellow face, so that it reads as a notice, not a control.
#include "app/mainwindow/filechangedbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

FileChangedBar::FileChangedBar(QWidget *parent)
    : QFrame(parent), m_text(new QLabel(this)), m_reload(new QPushButton(tr("&Reload"), this)),
      m_restore(new QPushButton(tr("&Put Back Backup…"), this)), m_keep(new QPushButton(tr("&Keep Log"), this)),
      m_dismiss(new QPushButton(tr("&Dismiss"), this))
{
    setObjectName(u"FileChangedBar"_s);
    m_text->setObjectName(u"FileChangedText"_s);
    m_reload->setObjectName(u"FileChangedReload"_s);
    m_restore->setObjectName(u"FileChangedRestore"_s);
    m_keep->setObjectName(u"FileChangedKeep"_s);
    m_dismiss->setObjectName(u"FileChangedDismiss"_s);
    m_reload->setAccessibleName(tr("Reload the file"));
    m_restore->setAccessibleName(tr("Put the backup back in place of the log"));
    m_keep->setAccessibleName(tr("Keep the log as it is"));
    m_dismiss->setAccessibleName(tr("Dismiss the notice"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(255, 244, 196));
    face.setColor(QPalette::WindowText, Qt::black);
    setPalette(face);
    m_text->setTextFormat(Qt::PlainText);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_reload);
    layout->addWidget(m_restore);
    layout->addWidget(m_keep);
    layout->addWidget(m_dismiss);
    m_text->setWordWrap(true);
    connect(m_reload, &QPushButton::clicked, this, &FileChangedBar::reloadClicked);
    connect(m_restore, &QPushButton::clicked, this, &FileChangedBar::restoreClicked);
    connect(m_keep, &QPushButton::clicked, this, &FileChangedBar::keepClicked);
    connect(m_dismiss, &QPushButton::clicked, this, &FileChangedBar::hide);
    hide();
}

void FileChangedBar::showChanged(const QString &fileName)
{
    //: %1 is the loaded file's name
    showText(tr("%1 changed on disk").arg(fileName), Offer::Reload);
}

void FileChangedBar::showDeleted(const QString &fileName)
{
    //: %1 is the loaded file's name
    showText(tr("%1 was moved or deleted on disk").arg(fileName), Offer::Nothing);
}

void FileChangedBar::showUnfinished(const QString &fileName, const QString &backupName)
{
    showText(backupName.isEmpty()
                 ? tr("The last write of %1 was cut short: the log may hold part of a service.").arg(fileName)
                 : tr("The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it "
                      "was.")
                       .arg(fileName, backupName),
             Offer::Mend);
}

QString FileChangedBar::text() const
{
    return m_text->text();
}

void FileChangedBar::setVisible(bool visible)
{
    const bool was = !isHidden();
    if (visible && !was)
        Q_EMIT aboutToShow();
    QFrame::setVisible(visible);
    if (was && !visible)
        Q_EMIT hidden();
}

void FileChangedBar::showText(const QString &text, Offer offer)
{
    m_text->setText(text);
    // A screen reader announces the bar by its name when it appears.
    setAccessibleName(text);
    m_reload->setVisible(offer == Offer::Reload);
    m_restore->setVisible(offer == Offer::Mend);
    m_keep->setVisible(offer == Offer::Mend);
    // A window does not grow for a wrapped label's lines by itself: the bar asks for the height its text takes at
    // the width it is given.
    const int width = parentWidget() != nullptr ? parentWidget()->width() : this->width();
    setMinimumHeight(layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : 0);
    show();
}
