// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken name comes from an accessible interface of the label's own, asked each time, so that it follows every
// change of the text: QLabel announces each new text to screen readers as a change of name while no fixed name
// is set, which is why the caption is not kept as the widget's accessibleName.
#include "app/widgets/valuelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const ValueLabel *>(widget())->spokenName();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *valueLabelInterface(const QString &className, QObject *object)
{
    if (className == u"ValueLabel"_s)
        if (auto *label = qobject_cast<ValueLabel *>(object))
            return new ValueLabelAccessible(label);
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(QWidget *parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void ValueLabel::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString ValueLabel::spokenName() const
{
    const QString value = text().simplified();
    if (value.isEmpty())
        return m_caption;
    if (m_caption.isEmpty())
        return value;
    //: a screen reader's name for a count or a name the window shows: %1 what it is ("Dates listed"), %2 the value
    return tr("%1: %2").arg(m_caption, value);
}

void ValueLabel::setElidedInMiddle(bool elided)
{
    m_elided = elided;
    update();
}

QString ValueLabel::shownText() const
{
    if (!m_elided)
        return text();
    // One line: a name with line breaks in it is shown with blanks for them.
    QString line = text();
    line.replace(QChar(u'\n'), QChar(u' ')).replace(QChar(u'\r'), QChar(u' '));
    return fontMetrics().elidedText(line, Qt::ElideMiddle, contentsRect().width());
}

void ValueLabel::paintEvent(QPaintEvent *event)
{
    if (!m_elided) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) & ~int(Qt::TextWordWrap), palette(), isEnabled(),
                          shownText(), foregroundRole());
}
