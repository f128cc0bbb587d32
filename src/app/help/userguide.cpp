// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide's window: the page from the resources, its pictures fitted to the window's width as it is resized.
#include "app/help/userguide.h"

#include "app/widgets/screenfit.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A page of reading width, with room for the screenshots at about two thirds of their size.
constexpr QSize kPreferredSize(960, 760);
// The white around the text, in pixels.
constexpr int kPageMargin = 16;
// Room left for the window manager's frame and title bar, which are not known before the window is shown.
constexpr QSize kFrameAllowance(16, 64);

// A picture's own size, from what the document loaded for it (bytes, a pixmap or an image); empty when it did not
// load.
QSize naturalSize(const QVariant &resource)
{
    switch (resource.typeId()) {
    case QMetaType::QPixmap:
        return resource.value<QPixmap>().size();
    case QMetaType::QImage:
        return resource.value<QImage>().size();
    case QMetaType::QByteArray:
        return QImage::fromData(resource.toByteArray()).size();
    default:
        return {};
    }
}

} // namespace

QUrl UserGuide::pageUrl()
{
    return QUrl(u"qrc:/guide/user-guide.html"_s);
}

UserGuide::UserGuide(QWidget *parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setObjectName(u"UserGuide"_s);
    //: %1 is the program's name
    setWindowTitle(tr("%1 User Guide").arg(u"Cantorix2"_s));
    setAccessibleName(tr("User Guide"));
    // Closing the main window ends the program, whether or not the guide is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The pictures' sizes are set on the document as the window is resized: nothing for an undo to take back.
    document()->setUndoRedoEnabled(false);
    setSource(pageUrl());
    // Room around the text, as a page has.
    document()->setDocumentMargin(kPageMargin);
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName(u"actUserGuideClose"_s);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    close->setShortcutContext(Qt::WindowShortcut);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void UserGuide::showGuide()
{
    if (!m_placed) {
        placeOnScreen();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void UserGuide::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    fitPictures();
}

void UserGuide::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void UserGuide::fitPictures()
{
    QTextDocument *page = document();
    const QTextFrameFormat body = page->rootFrame()->frameFormat();
    const qreal room = viewport()->width() - 2 * page->documentMargin() - body.leftMargin() - body.rightMargin() -
                       2 * (body.padding() + body.border());
    if (room <= 0)
        return;
    // Gathered first: setting a format splits and joins the fragments being walked.
    std::vector<std::pair<int, QTextImageFormat>> pictures;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                pictures.emplace_back(fragment.position(), fragment.charFormat().toImageFormat());
        }
    }
    // One edit for all: the layout, told of each picture apart while it lays the page out, leaves the text after
    // the first one unlaid, and so undrawn.
    QTextCursor cursor(page);
    cursor.beginEditBlock();
    for (auto &[position, format] : pictures) {
        const QSize natural = naturalSize(page->resource(QTextDocument::ImageResource, QUrl(format.name())));
        if (natural.isEmpty())
            continue;
        const qreal width = std::min<qreal>(natural.width(), room);
        if (format.width() == width)
            continue;
        format.setWidth(width);
        format.setHeight(natural.height() * width / natural.width());
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
}

void UserGuide::placeOnScreen()
{
    QScreen *screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    resize(ScreenFit::sizeWithin(kPreferredSize, free.size() - kFrameAllowance, minimumSizeHint()));
    // Over the middle of the main window, moved in where that would run off the free area.
    const QPoint centre = parentWidget() != nullptr ? parentWidget()->frameGeometry().center() : free.center();
    move(ScreenFit::centredWithin(centre, size() + kFrameAllowance, free));
}
