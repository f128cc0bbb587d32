// SPDX-License-Identifier: GPL-3.0-or-later
// Row picking by mouse and by the moving keys only.
#include "app/widgets/rowpicker.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

bool movesCurrentRow(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

RowPicker::RowPicker(QAbstractItemView *view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT picked(index.row());
    });
}

bool RowPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view)
        return QObject::eventFilter(watched, event);

    // The view is handed the event here, rather than after this filter, so that its current row can be read
    // before and after. QObject::event is public; the view's own override is what runs.
    QObject *view = m_view;
    if (event->type() == QEvent::KeyPress && movesCurrentRow(static_cast<QKeyEvent *>(event))) {
        const QModelIndex before = m_view->currentIndex();
        view->event(event);
        const QModelIndex after = m_view->currentIndex();
        if (after.isValid() && after != before)
            Q_EMIT picked(after.row());
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        const bool hadCurrent = m_view->currentIndex().isValid();
        view->event(event);
        // An item view makes its first row current when focus arrives other than by a click; undo that, so the
        // first moving key starts from the top and nothing looks chosen that the user did not choose.
        if (!hadCurrent && m_view->currentIndex().isValid() && m_view->selectionModel() != nullptr)
            m_view->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
