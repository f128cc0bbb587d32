// SPDX-License-Identifier: GPL-3.0-or-later
// What a left click on a row of one output list writes back into the criteria boxes. The window keeps the two
// lists at the same top row itself; these rules only turn the clicked row (and its partner) into box texts.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace Panes {

// The boxes a click rewrites. hymnmbr, hymname and LimitYr are always emptied first, so their texts here are the
// final ones; Filter is written only when it holds a value. ChkMusic is unchecked by every click.
struct ClickEdit {
    QString hymnmbr;
    QString hymname;
    QString LimitYr;
    std::optional<QString> Filter;
    bool uncheckTitleOnly = false;
    QString indexPos;
};

// A click on List1 row `index` reading `row`.
ClickEdit List1ClickEdit(const QString &row, int index, bool verseFile, bool tallyShown);

// A click on List2 row `index` reading `row`; `partner` is List1 row `index`, empty when List1 has no such row.
ClickEdit List2ClickEdit(const QString &row, const QString &partner, int index, bool verseFile);

} // namespace Panes
