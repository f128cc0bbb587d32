// SPDX-License-Identifier: GPL-3.0-or-later
// Click rules for the two output lists, on 1-based "first space" positions as the users' row formats expect.
#include "panes/clickedit.h"

#include "search/datelimits.h"
#include "store/plaintext.h"

using namespace Qt::StringLiterals;

namespace Panes {

namespace {

// 1-based position of the first space, 0 when there is none.
qsizetype firstSpace(const QString &text)
{
    return text.indexOf(u' ') + 1;
}

// The text from 1-based position k on; empty beyond the end.
QString midFrom(const QString &text, qsizetype k)
{
    return k > text.size() ? QString() : text.sliced(k - 1);
}

ClickEdit clearedEdit(int index)
{
    ClickEdit edit;
    edit.indexPos = u"("_s + QString::number(qint64(index) + 1) + u")"_s;
    return edit;
}

} // namespace

ClickEdit List1ClickEdit(const QString &row, int index, bool verseFile, bool tallyShown)
{
    ClickEdit edit = clearedEdit(index);
    edit.uncheckTitleOnly = true;
    if (verseFile) {
        // A verse head line is "number title[.]"; a row without a space has no title to limit to.
        const qsizetype p = firstSpace(row);
        if (p > 0)
            edit.Filter = Search::DropDot(midFrom(row, p + 1));
    } else if (!tallyShown) {
        // Under a tally List1 holds counts, which make no date limit.
        edit.Filter = row;
    }
    return edit;
}

ClickEdit List2ClickEdit(const QString &row, const QString &partner, int index, bool verseFile)
{
    ClickEdit edit = clearedEdit(index);
    if (verseFile) {
        const qsizetype q = firstSpace(partner);
        if (q > 1)
            edit.hymnmbr = partner.first(q - 1);
        // The verse line is sought as a phrase exactly as listed, indentation included.
        edit.hymname = row;
        edit.Filter = Search::DropDot(midFrom(partner, q + 1));
    } else {
        const qsizetype p = firstSpace(row);
        if (p >= 2)
            edit.hymnmbr = row.first(p - 1);
        edit.hymname = PlainText::trim(midFrom(row, p + 1));
        edit.Filter = partner;
    }
    return edit;
}

} // namespace Panes
