// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of one tally: one per distinct hymn, in order of first use, with the number of uses counted so far.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <vector>

namespace Tally {

struct TallyRow {
    QString numberKey; // the tag of the first use, cut before its mark ("123*" and "123(2)" give "123")
    QString titleKey;  // the text of the first use, cut before its first "(", trailing blanks removed
    qint64 count = 0;
};

class TallyTable {
public:
    // Room for up to uses distinct rows from the start.
    explicit TallyTable(qsizetype uses = 0);

    // Counts one use of the hymn on a line with this tag and text, in the first row whose key matches (by title
    // for tags that begin with a blank or have no digit 1-9 third, else by number), or in a new row. Returns the
    // row's index.
    int addUse(const QString &tag, const QString &text);
    // The row addUse would count the line in, made if need be but not counted: for callers that count uses their
    // own way. A new row is always the last one.
    int rowOf(const QString &tag, const QString &text);

    const std::vector<TallyRow> &rows() const { return m_rows; }

private:
    // A tag that is its own number key: no mark to cut and nothing to upper-case.
    static bool isOwnNumberKey(QStringView tag);
    // The row already first with key in firstRow, or row, which becomes the first.
    static int firstRowOf(QHash<QString, int> &firstRow, const QString &key, int row);
    // The first row whose upper-cased title (byTitle) or number key is upperKey, or a new row for the line.
    int rowWithKey(const QString &upperKey, const QString &tag, const QString &text, bool byTitle);

    // The first row holding each upper-cased key, the row a search from the top of the table would find, over
    // the first rowsTaken rows.
    struct KeyIndex {
        QHash<QString, int> firstRow;
        int rowsTaken = 0;
    };

    std::vector<TallyRow> m_rows;
    KeyIndex m_byTitle;
    KeyIndex m_byNumber;
    // The row a line's tag or text led to before. The same tag or text always gives the same key, and the first
    // row with a key never changes once made, so repeated lines skip the cutting and upper-casing.
    QHash<QString, int> m_rowByTag;
    QHash<QString, int> m_rowByText;
};

} // namespace Tally
