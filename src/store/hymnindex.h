// SPDX-License-Identifier: GPL-3.0-or-later
// The hymns of a log or of a list, numbered from 0 in the order they are first added and found again by HymnKey:
// the usage report's rows, the hymns Suggest Hymns asks about, the planner's hymns.
#pragma once

#include "store/hymnkey.h"

#include <QHash>
#include <QString>

class HymnIndex {
public:
    // Room for about this many hymns from the start.
    explicit HymnIndex(qsizetype hymns = 0);

    // The number of the hymn the line stands for (HymnKey::ofLine), the next one when it is new; -1 for a line that
    // names no hymn.
    int add(const QString &tag, const QString &text);
    // The same for a key; -1 for an empty key.
    int add(const HymnKey &key);
    // The number of the hymn the line stands for; -1 when it was never added, or names no hymn.
    int find(const QString &tag, const QString &text) const;
    int find(const HymnKey &key) const;

    int count() const { return int(m_bare.size() + m_others.size()); }

private:
    // A line whose first word is a bare number is found by that word, with no key made for it: such keys are kept
    // apart, by their text.
    QHash<QString, int> m_bare;
    QHash<HymnKey, int> m_others;
};
