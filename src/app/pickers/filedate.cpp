// SPDX-License-Identifier: GPL-3.0-or-later
// Local time, as the file's date is shown everywhere else on the machine.
#include "app/pickers/filedate.h"

#include <QDateTime>

QString fileDateText(qint64 secondsSinceEpoch)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch).date();
    if (!date.isValid())
        return {};
    return QStringLiteral("%1%2%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1StringView(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}
