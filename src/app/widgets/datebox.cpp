// SPDX-License-Identifier: GPL-3.0-or-later
// The field a date box gives its text is measured as the box itself places its line edit: the combo box's edit
// field for a box with a calendar, the spin box's otherwise.
#include "app/widgets/datebox.h"

#include "language/language.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

DateBox::DateBox(QWidget *parent) : QDateEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

bool DateBox::eventFilter(QObject *watched, QEvent *event)
{
    // Chosen on release, once the box has put the cursor where the click was.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !lineEdit()->hasSelectedText()) {
        if (m_clickFocused)
            lineEdit()->selectAll();
        else
            setSelectedSection(currentSection());
        m_clickFocused = false;
        m_advanced = false;
    }
    return QDateEdit::eventFilter(watched, event);
}

void DateBox::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    m_clickFocused = event->reason() == Qt::MouseFocusReason;
}

void DateBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool digit = text.size() == 1 && text[0].isDigit();
    const bool separator = text.size() == 1 && (text[0] == u'-' || text[0] == u'/' || text[0] == u'.');
    if (separator && m_advanced) {
        m_advanced = false;
        event->accept();
        return;
    }
    // Typed over the whole date, the date is typed from its first part.
    if (digit && lineEdit()->hasSelectedText() && lineEdit()->selectedText() == lineEdit()->text())
        setSelectedSection(sectionAt(0));
    const int before = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    m_advanced = digit && currentSectionIndex() != before;
}

void DateBox::speakLanguage(QDateEdit *box)
{
    if (box->calendarPopup())
        box->calendarWidget()->setLocale(Language::locale());
}

QSize DateBox::sizeHint() const
{
    return withRoomForText(QDateEdit::sizeHint());
}

QSize DateBox::minimumSizeHint() const
{
    return withRoomForText(QDateEdit::minimumSizeHint());
}

QSize DateBox::withRoomForText(QSize hint) const
{
    const QFontMetrics metrics(lineEdit()->font());
    // Digits differ in width in many fonts: the widest date has the widest digit in every place.
    QChar widest = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    }
    QString sample = displayFormat();
    for (QChar &c : sample) {
        if (c == u'y' || c == u'M' || c == u'd')
            c = widest;
    }
    // A line edit keeps two pixels either side of its text, and one for the cursor.
    const int needed = metrics.horizontalAdvance(sample) + 2 * 2 + 1;

    QRect field;
    if (calendarPopup()) {
        QStyleOptionComboBox option;
        option.initFrom(this);
        option.editable = true;
        option.subControls = QStyle::SC_ComboBoxEditField;
        option.rect = QRect(QPoint(), hint);
        field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    } else {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(), hint);
        field = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    }
    if (field.width() < needed)
        hint.rwidth() += needed - field.width();
    return hint;
}
