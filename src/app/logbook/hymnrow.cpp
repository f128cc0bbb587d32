// SPDX-License-Identifier: GPL-3.0-or-later
// The row's widgets and their names; what they are filled with is decided by the list of rows.
#include "app/logbook/hymnrow.h"

#include "app/widgets/linetextvalidator.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

using namespace Qt::StringLiterals;

HymnRow::HymnRow(QWidget *parent)
    : QFrame(parent), m_grip(new QLabel(u"\u2630"_s, this)), m_number(new QLineEdit(this)),
      m_title(new QLineEdit(this)), m_marks(new QLabel(this))
{
    setObjectName(u"HymnRow"_s);
    m_grip->setObjectName(u"HymnGrip"_s);
    m_number->setObjectName(u"HymnNumber"_s);
    m_title->setObjectName(u"HymnTitle"_s);
    m_marks->setObjectName(u"HymnMarks"_s);
    m_grip->setCursor(Qt::OpenHandCursor);
    m_grip->setToolTip(tr("Drag to move this line; Alt+Up and Alt+Down move it with the keyboard"));
    m_number->setPlaceholderText(u"#"_s);
    m_title->setPlaceholderText(tr("Title, or a line without a number"));
    m_number->setValidator(new LineTextValidator(m_number));
    m_title->setValidator(new LineTextValidator(m_title));
    m_number->setFixedWidth(m_number->fontMetrics().horizontalAdvance(u"0000000"_s) + 12);
    m_marks->setTextFormat(Qt::PlainText);
    m_marks->setWordWrap(true);
    m_marks->setMinimumWidth(m_marks->fontMetrics().horizontalAdvance(
        tr("Last sung %1").arg(QLocale().toString(QDate(2026, 12, 31), u"MMM d, yyyy"_s)) + u" · "_s));
    setAutoFillBackground(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->addWidget(m_grip);
    layout->addWidget(m_number);
    // The notes run longer than most titles.
    layout->addWidget(m_title, 2);
    layout->addWidget(m_marks, 3);
}

Logbook::ServiceLine HymnRow::line() const
{
    return {m_number->text(), m_title->text()};
}

void HymnRow::setLine(const Logbook::ServiceLine &line, bool asOffered)
{
    m_number->setText(line.number);
    m_title->setText(line.text);
    m_offered = asOffered && !line.number.isEmpty() ? line.text : QString();
}

bool HymnRow::isBlank() const
{
    return m_number->text().trimmed().isEmpty() && m_title->text().trimmed().isEmpty();
}

bool HymnRow::titleIsOffered() const
{
    return m_title->text().isEmpty() || m_title->text() == m_offered;
}

void HymnRow::offerTitle(const QString &title)
{
    if (!titleIsOffered())
        return;
    m_title->setText(title);
    m_offered = title;
}

void HymnRow::setPlace(int place)
{
    m_number->setAccessibleName(tr("Hymn number, line %1").arg(place));
    m_title->setAccessibleName(tr("Title, line %1").arg(place));
    m_marks->setAccessibleName(tr("Use of line %1").arg(place));
}

void HymnRow::setMarks(const QString &text, bool recent)
{
    m_marks->setText(text);
    QPalette colours = palette();
    if (recent)
        colours.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_marks->setPalette(colours);
    QFont font = m_marks->font();
    font.setBold(recent);
    m_marks->setFont(font);
}

void HymnRow::setCurrent(bool current)
{
    setBackgroundRole(current ? QPalette::AlternateBase : QPalette::Window);
}
