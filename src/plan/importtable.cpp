// SPDX-License-Identifier: GPL-3.0-or-later
// Small readers of their own for the three forms: a quote-aware splitter for CSV and tab-separated text, and an
// HTML reader that knows only what tables need (tags, their span attributes, entities), so that nothing beyond Qt
// Core is needed and a hostile page can cost no more than one pass over it.
#include "plan/importtable.h"

#include "store/textdecoding.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

// Records split at separator (a null one splits only lines), quotes as RFC 4180 has them; at most maxRecords.
QList<QStringList> splitRecords(QStringView text, QChar separator, int maxRecords, bool *truncated)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    const auto endRecord = [&] {
        fields.append(field);
        field.clear();
        records.append(std::move(fields));
        fields.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator && !separator.isNull()) {
            fields.append(field);
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRecord();
            if (records.size() >= maxRecords) {
                *truncated = i + 1 < text.size();
                return records;
            }
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty())
        endRecord();
    return records;
}

// How alike a separator splits the first records: how many of them have the most common count of fields, when
// that count is above one, and then how many fields that is.
int splitScore(QStringView text, QChar separator)
{
    bool truncated = false;
    const QList<QStringList> records = splitRecords(text, separator, 20, &truncated);
    QHash<qsizetype, int> counts;
    for (const QStringList &record : records) {
        if (record.size() > 1 || !record.front().trimmed().isEmpty())
            ++counts[record.size()];
    }
    int best = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        if (count.key() > 1)
            best = std::max(best, count.value() * 100 + int(count.key()));
    }
    return best;
}

// The named entities tables use: the markup's own, the dashes and quotes, and Latin-1 from U+00A0 on.
constexpr std::array<QStringView, 96> kLatin1Entities = {
    u"nbsp",   u"iexcl",  u"cent",   u"pound",  u"curren", u"yen",    u"brvbar", u"sect",   u"uml",    u"copy",
    u"ordf",   u"laquo",  u"not",    u"shy",    u"reg",    u"macr",   u"deg",    u"plusmn", u"sup2",   u"sup3",
    u"acute",  u"micro",  u"para",   u"middot", u"cedil",  u"sup1",   u"ordm",   u"raquo",  u"frac14", u"frac12",
    u"frac34", u"iquest", u"Agrave", u"Aacute", u"Acirc",  u"Atilde", u"Auml",   u"Aring",  u"AElig",  u"Ccedil",
    u"Egrave", u"Eacute", u"Ecirc",  u"Euml",   u"Igrave", u"Iacute", u"Icirc",  u"Iuml",   u"ETH",    u"Ntilde",
    u"Ograve", u"Oacute", u"Ocirc",  u"Otilde", u"Ouml",   u"times",  u"Oslash", u"Ugrave", u"Uacute", u"Ucirc",
    u"Uuml",   u"Yacute", u"THORN",  u"szlig",  u"agrave", u"aacute", u"acirc",  u"atilde", u"auml",   u"aring",
    u"aelig",  u"ccedil", u"egrave", u"eacute", u"ecirc",  u"euml",   u"igrave", u"iacute", u"icirc",  u"iuml",
    u"eth",    u"ntilde", u"ograve", u"oacute", u"ocirc",  u"otilde", u"ouml",   u"divide", u"oslash", u"ugrave",
    u"uacute", u"ucirc",  u"uuml",   u"yacute", u"thorn",  u"yuml",
};

struct NamedEntity {
    QStringView name;
    char16_t character;
};
constexpr NamedEntity kOtherEntities[] = {
    {u"amp", u'&'},        {u"lt", u'<'},          {u"gt", u'>'},         {u"quot", u'"'},        {u"apos", u'\''},
    {u"ndash", u'\u2013'}, {u"mdash", u'\u2014'},  {u"lsquo", u'\u2018'}, {u"rsquo", u'\u2019'},  {u"ldquo", u'\u201C'},
    {u"rdquo", u'\u201D'}, {u"hellip", u'\u2026'}, {u"minus", u'\u2212'}, {u"thinsp", u'\u2009'}, {u"ensp", u'\u2002'},
    {u"emsp", u'\u2003'},  {u"OElig", u'\u0152'},  {u"oelig", u'\u0153'},
};

// The character an entity's name (between "&" and ";") stands for; nothing for one not known.
std::optional<char32_t> entity(QStringView name)
{
    if (name.startsWith(u'#')) {
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        bool ok = false;
        const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    for (size_t i = 0; i < kLatin1Entities.size(); ++i) {
        if (kLatin1Entities[i] == name)
            return char32_t(0xA0 + i);
    }
    for (const NamedEntity &other : kOtherEntities) {
        if (other.name == name)
            return char32_t(other.character);
    }
    return std::nullopt;
}

QString decodeEntities(QStringView text)
{
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            const qsizetype semicolon = text.indexOf(u';', i + 1);
            if (semicolon > i + 1 && semicolon - i <= 10) {
                if (const std::optional<char32_t> c = entity(text.sliced(i + 1, semicolon - i - 1))) {
                    decoded += QString::fromUcs4(&*c, 1);
                    i = semicolon;
                    continue;
                }
            }
        }
        decoded += text[i];
    }
    return decoded;
}

QString cellText(QStringView text)
{
    QString cell = text.toString().simplified();
    if (cell.size() > ImportTable::MaxCellChars)
        cell.truncate(ImportTable::MaxCellChars);
    return cell;
}

// One table of a page as it is read: rows of cells with their spans, laid out once the table ends.
struct HtmlTable {
    struct Cell {
        QString text;
        int columns = 1, rows = 1;
    };
    QList<QList<Cell>> rows;
    bool inRow = false;
    bool inCell = false;

    void startRow()
    {
        endCell();
        rows.append(QList<Cell>());
        inRow = true;
    }
    void startCell(int columns, int spanRows)
    {
        endCell();
        if (!inRow)
            startRow();
        rows.back().append({QString(), columns, spanRows});
        inCell = true;
    }
    void endCell() { inCell = false; }
    void text(QStringView part)
    {
        if (inCell && rows.back().back().text.size() < ImportTable::MaxCellChars)
            rows.back().back().text += part;
    }

    // The cells on a grid: a cell spanning rows or columns stands in each place it covers.
    QList<QStringList> laidOut() const
    {
        QList<QStringList> grid;
        // For each column, the text a cell above still covers it with, and for how many rows more.
        QList<std::pair<QString, int>> above;
        for (const QList<Cell> &row : rows) {
            QStringList cells;
            const auto fillFromAbove = [&] {
                while (cells.size() < above.size() && above[cells.size()].second > 0) {
                    cells.append(above[cells.size()].first);
                    --above[cells.size() - 1].second;
                }
            };
            for (const Cell &cell : row) {
                fillFromAbove();
                const QString text = cellText(decodeEntities(cell.text));
                for (int c = 0; c < cell.columns && cells.size() < ImportTable::MaxColumns; ++c) {
                    if (above.size() <= cells.size())
                        above.append({QString(), 0});
                    above[cells.size()] = {text, cell.rows - 1};
                    cells.append(text);
                }
            }
            fillFromAbove();
            grid.append(cells);
        }
        return grid;
    }
};

// A tag's attribute as a span: 1 when absent or not a number; at most the limits.
int spanOf(QStringView tag, QStringView attribute, int most)
{
    const qsizetype at = tag.indexOf(attribute, 0, Qt::CaseInsensitive);
    if (at < 0)
        return 1;
    qsizetype p = at + attribute.size();
    while (p < tag.size() && (tag[p].isSpace() || tag[p] == u'=' || tag[p] == u'"' || tag[p] == u'\''))
        ++p;
    int value = 0;
    while (p < tag.size() && tag[p].isDigit() && value <= most)
        value = value * 10 + tag[p++].digitValue();
    return std::clamp(value, 1, most);
}

} // namespace

QString ImportTable::columnName(int column)
{
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

void ImportTable::addRow(QStringList cells)
{
    if (m_rows.size() >= MaxRows) {
        m_truncated = true;
        return;
    }
    if (cells.size() > MaxColumns) {
        cells.resize(MaxColumns);
        m_truncated = true;
    }
    m_columns = std::max(m_columns, int(cells.size()));
    m_rows.append(std::move(cells));
}

void ImportTable::finish()
{
    // Blank rows at the end are no rows; those between rows keep the numbers a spreadsheet gives the rest.
    while (!m_rows.isEmpty() &&
           std::all_of(m_rows.back().cbegin(), m_rows.back().cend(), [](const QString &c) { return c.isEmpty(); }))
        m_rows.removeLast();
    m_columns = 0;
    for (const QStringList &row : std::as_const(m_rows))
        m_columns = std::max(m_columns, int(row.size()));
    for (QStringList &row : m_rows) {
        while (row.size() < m_columns)
            row.append(QString());
    }
}

ImportTable ImportTable::fromSeparated(QStringView text, QChar separator, Format format)
{
    ImportTable table;
    table.m_format = format;
    bool truncated = false;
    for (const QStringList &record : splitRecords(text, separator, MaxRows, &truncated)) {
        QStringList cells;
        for (const QString &field : record)
            cells.append(cellText(field));
        table.addRow(std::move(cells));
    }
    table.m_truncated = table.m_truncated || truncated;
    table.finish();
    return table;
}

ImportTable ImportTable::fromText(QStringView text)
{
    if (text.contains(u'\t'))
        return fromSeparated(text, u'\t', Format::Tsv);
    const int commas = splitScore(text, u',');
    const int semicolons = splitScore(text, u';');
    if (commas == 0 && semicolons == 0)
        return fromSeparated(text, QChar(0), Format::Lines);
    return fromSeparated(text, semicolons > commas ? u';' : u',', Format::Csv);
}

ImportTable ImportTable::fromBytes(const QByteArray &bytes)
{
    return fromText(TextDecoding::decode(bytes));
}

ImportTable ImportTable::fromHtml(QStringView html)
{
    std::vector<HtmlTable> open, done;
    const auto current = [&]() -> HtmlTable * { return open.empty() ? nullptr : &open.back(); };
    qsizetype textStart = 0;
    const auto flushText = [&](qsizetype end) {
        if (HtmlTable *table = current(); table != nullptr && end > textStart)
            table->text(html.sliced(textStart, end - textStart));
    };
    qsizetype i = 0;
    while (i < html.size()) {
        if (html[i] != u'<') {
            ++i;
            continue;
        }
        flushText(i);
        if (html.sliced(i).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? html.size() : end + 3;
            textStart = i;
            continue;
        }
        // The tag's end, past quoted attribute values that may hold a ">".
        qsizetype end = i + 1;
        QChar quote;
        while (end < html.size() && (!quote.isNull() || html[end] != u'>')) {
            if (quote.isNull() && (html[end] == u'"' || html[end] == u'\''))
                quote = html[end];
            else if (html[end] == quote)
                quote = QChar();
            ++end;
        }
        const QStringView tag = html.sliced(i + 1, std::min(end, html.size()) - i - 1);
        i = std::min(end + 1, html.size());
        textStart = i;
        const bool closing = tag.startsWith(u'/');
        qsizetype nameEnd = closing ? 1 : 0;
        while (nameEnd < tag.size() && tag[nameEnd].isLetterOrNumber())
            ++nameEnd;
        const QString name = tag.sliced(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)).toString().toLower();
        if (!closing && (name == u"script"_s || name == u"style"_s)) {
            const qsizetype close = html.indexOf(u"</"_s + name, i, Qt::CaseInsensitive);
            i = close < 0 ? html.size() : close;
            textStart = i;
            continue;
        }
        HtmlTable *table = current();
        if (name == u"table"_s) {
            if (!closing) {
                open.emplace_back();
            } else if (table != nullptr) {
                done.push_back(std::move(open.back()));
                open.pop_back();
            }
        } else if (table == nullptr) {
            continue;
        } else if (name == u"tr"_s) {
            if (closing) {
                table->endCell();
                table->inRow = false;
            } else {
                table->startRow();
            }
        } else if (name == u"td"_s || name == u"th"_s) {
            if (closing)
                table->endCell();
            else
                table->startCell(spanOf(tag, u"colspan", MaxColumns), spanOf(tag, u"rowspan", MaxRows));
        } else if (name == u"br"_s || name == u"p"_s || name == u"div"_s || name == u"li"_s) {
            table->text(u" ");
        }
    }
    flushText(html.size());
    // A page cut off inside a table still has that table.
    for (HtmlTable &table : open)
        done.push_back(std::move(table));

    ImportTable result;
    result.m_format = Format::Html;
    const auto most = std::max_element(
        done.begin(), done.end(), [](const HtmlTable &a, const HtmlTable &b) { return a.rows.size() < b.rows.size(); });
    if (most != done.end()) {
        for (QStringList &row : most->laidOut())
            result.addRow(std::move(row));
    }
    result.finish();
    return result;
}

} // namespace Plan
