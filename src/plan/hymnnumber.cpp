// SPDX-License-Identifier: GPL-3.0-or-later
// Hymn numbers compared by their leading value.
#include "plan/hymnnumber.h"

#include <QStringView>

namespace Plan {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype leadingDigits(QStringView text)
{
    qsizetype digits = 0;
    while (digits < text.size() && isDigit(text[digits]))
        ++digits;
    return digits;
}

} // namespace

int compareNumbers(const QString &a, const QString &b)
{
    QStringView x(a), y(b);
    const qsizetype xDigits = leadingDigits(x), yDigits = leadingDigits(y);
    if ((xDigits == 0) != (yDigits == 0))
        return xDigits == 0 ? 1 : -1;
    if (xDigits > 0) {
        QStringView xValue = x.first(xDigits), yValue = y.first(yDigits);
        while (xValue.size() > 1 && xValue[0] == u'0')
            xValue = xValue.sliced(1);
        while (yValue.size() > 1 && yValue[0] == u'0')
            yValue = yValue.sliced(1);
        // Without leading zeros the longer run of digits is the larger value, and equal lengths compare as text.
        if (xValue.size() != yValue.size())
            return xValue.size() < yValue.size() ? -1 : 1;
        if (const int byValue = xValue.compare(yValue))
            return byValue < 0 ? -1 : 1;
        x = x.sliced(xDigits);
        y = y.sliced(yDigits);
    }
    const int byText = x.compare(y, Qt::CaseInsensitive);
    return byText < 0 ? -1 : (byText > 0 ? 1 : 0);
}

} // namespace Plan
