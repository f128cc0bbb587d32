// SPDX-License-Identifier: GPL-3.0-or-later
// Both bulletin forms are made from the same trimmed lines, so that a word processor and a plain text box get the
// same hymns.
#include "logbook/servicetexts.h"

#include "store/hymnkey.h"

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

struct BulletinLine {
    QString number, title;
};

std::vector<BulletinLine> bulletinLines(const std::vector<ServiceLine> &lines)
{
    std::vector<BulletinLine> shown;
    for (const ServiceLine &line : lines) {
        BulletinLine one{line.number.trimmed(), line.text.trimmed()};
        if (!one.number.isEmpty() || !one.title.isEmpty())
            shown.push_back(std::move(one));
    }
    return shown;
}

} // namespace

QString bulletinText(const QString &heading, const std::vector<ServiceLine> &lines, const QString &lineEnd)
{
    QString text = heading.trimmed() + lineEnd;
    for (const BulletinLine &line : bulletinLines(lines))
        text += line.number + u'\t' + line.title + lineEnd;
    return text;
}

QString bulletinHtml(const QString &heading, const std::vector<ServiceLine> &lines)
{
    QString html = u"<html><body><p><b>%1</b></p><table>"_s.arg(heading.trimmed().toHtmlEscaped());
    for (const BulletinLine &line : bulletinLines(lines))
        html += u"<tr><td>%1</td><td>%2</td></tr>"_s.arg(line.number.toHtmlEscaped(), line.title.toHtmlEscaped());
    return html + u"</table></body></html>"_s;
}

QStringList boardNumbers(const std::vector<ServiceLine> &lines)
{
    QStringList numbers;
    for (const ServiceLine &line : lines) {
        const QString number = HymnKey::withoutMark(line.number.trimmed()).trimmed().toString();
        if (!number.isEmpty())
            numbers.append(number);
    }
    return numbers;
}

} // namespace Logbook
