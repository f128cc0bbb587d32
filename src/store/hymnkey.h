// SPDX-License-Identifier: GPL-3.0-or-later
// Which hymn a log line or a typed number stands for: the one key the usage report, Suggest Hymns and Add Service
// join hymns by, and beside it the tally's own matching rule, kept as that window's original count.
#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <utility>

class HymnKey {
public:
    // Names no hymn.
    HymnKey() = default;

    // The hymn a service log's line stands for, as the store keeps it: its first word (tag) and the rest (text).
    // A first word that holds a digit once its marks are cut ("14", "014", "#14", "14*", "14(2)", "PS23", "LM12")
    // is a number, keyed by itself without blanks, one leading "#", everything from its first "*" or "(" on (the
    // log's marks: "12*" and "12(2)" are hymn 12), closing full stops and leading zeros ("012", "12." are 12), and
    // upper-cased ("12a" is "12A", another hymn than 12). A line whose first word holds no digit ("Amazing Grace",
    // "Anthem: Ave verum", a line that began with a blank) goes by its whole text, trimmed and upper-cased. A line
    // of one word (the store gives it no tag: "Offertory", "12") names no hymn, as Find and the tally pass it over.
    static HymnKey ofLine(const QString &tag, const QString &text);
    // The hymn a number stands for where no title goes with it (a number box, a hymnal's head line), cut as above.
    // A word without a digit goes by itself, cut and upper-cased, there being no title to go by; blank, or nothing
    // left ("#", "*"): no hymn.
    static HymnKey ofNumber(const QString &number);

    // The word as written up to its first mark: "014(2)" is "014".
    static QStringView withoutMark(QStringView word);
    // Digits alone, the first of them 1-9: a number that is its own key, as nearly every number of a log is.
    static bool isBareNumber(QStringView word)
    {
        if (word.isEmpty() || word[0] < u'1' || word[0] > u'9')
            return false;
        for (const QChar c : word) {
            if (c < u'0' || c > u'9')
                return false;
        }
        return true;
    }

    bool isEmpty() const { return m_text.isEmpty(); }
    // A number's key, rather than a whole line's text.
    bool isNumber() const { return m_number; }
    const QString &text() const { return m_text; }

    friend bool operator==(const HymnKey &, const HymnKey &) = default;
    friend size_t qHash(const HymnKey &key, size_t seed = 0) noexcept
    {
        return qHash(key.m_text, seed) ^ size_t(key.m_number);
    }

private:
    HymnKey(QString text, bool number) : m_text(std::move(text)), m_number(number) {}

    QString m_text;
    bool m_number = false;
};

// The tally's own rule, the one its window has always counted by: a line is counted under the first row with its
// number, or, for a tag that says too little to identify a hymn, with its title. It differs from HymnKey on
// purpose: the tally is the window's original count, whose rows and order its users know, so there "14", "014"
// and "#14" may be two or three rows and "12 Alpha" and "13 Alpha" one; every other window goes by HymnKey.
namespace TallyMatch {

// A tag of fewer than three characters, or without a digit 1-9 third, says too little to identify a hymn by (a
// line that began with a blank has none at all): the line is matched by its title.
inline bool byTitle(const QString &tag)
{
    return tag.startsWith(u' ') || tag.size() < 3 || tag[2] < u'1' || tag[2] > u'9';
}
// The tag cut before its mark ("123*" and "123(2)" give "123"); when both marks are there the later one cuts.
QString numberKeyOf(const QString &tag);
// The text cut before its first "(", trailing blanks removed.
QString titleKeyOf(const QString &text);

} // namespace TallyMatch
