// SPDX-License-Identifier: GPL-3.0-or-later
// Walking a hymn's stored lines: the part a line belongs to is set by its mark or by the separator before it and
// carries on to the unmarked lines after it.
#include "store/hymnview.h"

#include "store/plaintext.h"
#include "store/serviceview.h"

using namespace Qt::StringLiterals;

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Lines that describe the hymn rather than being sung: the loader's rewritten marks, or the marks themselves
// where it did not rewrite them.
bool isInfoLine(QStringView line)
{
    return line.startsWith(u"Meter: "_s) || line.startsWith(u"Key: "_s) || line.startsWith(u"Time: "_s) ||
           line.startsWith(u'%') || line.startsWith(u'$') || line.startsWith(u'~');
}

} // namespace

void HymnView::readHead(const EntryStore &hymnal, int entry)
{
    const QString &head = hymnal.head(entry);
    const qsizetype space = head.indexOf(u' ');
    m_number = space < 0 ? head : head.first(space);
    m_title = space < 0 ? QString() : PlainText::trim(QStringView(head).sliced(space + 1));
    m_meter = QStringView();
    m_creditsLine = QStringView();
    m_references.clear();
    m_lines.clear();
    m_joined.clear();
    m_next = ServiceView(hymnal, entry).nextEntry();
}

void HymnView::read(const EntryStore &hymnal, int entry)
{
    readHead(hymnal, entry);
    m_part = Part::Verse;
    m_verse = 0;
    m_credits = true;
    m_lines.push_back({m_title, Part::Title, 0});

    // The loader tags each verse-form line with the head line's first word, and the first line after a "--"
    // with that word and a full stop; any other tag is a line it split at its first blank.
    const QString &head = hymnal.head(entry);
    const qsizetype space = head.indexOf(u' ');
    const QStringView word = space < 0 ? QStringView() : PlainText::trimView(QStringView(head).first(space));
    m_joined.reserve(size_t(m_next - entry) * EntryStore::MaxSlots);
    for (const ServiceView::Line line : ServiceView(hymnal, entry).lines()) {
        const QString &tag = line.tag;
        const bool afterSeparator = tag.size() == word.size() + 1 && tag.endsWith(u'.') && tag.startsWith(word);
        if (afterSeparator || tag == word || tag == u" "_s) {
            readLine(line.text, afterSeparator);
        } else {
            m_joined.push_back(tag + u' ' + line.text);
            readLine(m_joined.back(), false);
        }
    }
}

void HymnView::readLine(QStringView line, bool afterSeparator)
{
    if (afterSeparator) {
        m_credits = false;
        m_part = Part::Verse;
        m_verse = 0;
    }
    if (line.startsWith(u'^')) {
        m_references.push_back(line.sliced(1));
        return;
    }
    if (isInfoLine(line)) {
        if (m_meter.isEmpty() && (line.startsWith(u"Meter: "_s) || line.startsWith(u'%')))
            m_meter = PlainText::trimView(line.sliced(line.startsWith(u'%') ? 1 : 7));
        return;
    }
    if (line.startsWith(u"(R)"_s)) {
        m_credits = false;
        m_part = Part::Refrain;
        line = line.sliced(3);
    } else if (line.startsWith(u"(v"_s) && line.size() > 2 && isDigit(line[2])) {
        m_credits = false;
        m_part = Part::Verse;
        qsizetype at = 2;
        int verse = 0;
        for (; at < line.size() && isDigit(line[at]); ++at)
            verse = verse < 10000 ? verse * 10 + (line[at].unicode() - u'0') : verse;
        m_verse = verse;
        line = line.sliced(at < line.size() && line[at] == u')' ? at + 1 : at);
    }
    if (!m_credits)
        m_lines.push_back({PlainText::trimView(line), m_part, m_verse});
    else if (m_creditsLine.isEmpty())
        m_creditsLine = PlainText::trimView(line);
}
