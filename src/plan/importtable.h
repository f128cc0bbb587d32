// SPDX-License-Identifier: GPL-3.0-or-later
// A table as churches are handed their lectionary: a CSV or tab-separated file, or a table copied from a
// spreadsheet or a web page (the clipboard's text/html or text/plain), read into rows of plain-text cells.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Plan {

class ImportTable {
public:
    enum class Format { Csv, Tsv, Html, Lines };

    // A table is a lectionary's few hundred rows: anything past these is left out, and said so.
    static constexpr int MaxRows = 10000;
    static constexpr int MaxColumns = 64;
    static constexpr qsizetype MaxCellChars = 4000;

    // Text as a file or the clipboard's text/plain holds it: tab-separated when a line outside quotes holds a tab,
    // else CSV with the separator (comma or semicolon) that splits the first records alike into the most fields;
    // one cell a line when neither splits anything. Quotes are read as RFC 4180 has them ("a ""b""", line breaks
    // inside quotes), in tab-separated text too, as spreadsheets copy a cell holding a line break.
    static ImportTable fromText(QStringView text);
    // A file's bytes, decoded as every text file of the program is.
    static ImportTable fromBytes(const QByteArray &bytes);
    // The table of the most rows in an HTML document or fragment: cells of <td> and <th>, spans (colspan, rowspan)
    // repeated into each cell they cover, tags dropped, <br> and block ends as blanks, entities decoded; scripts,
    // styles and comments left out.
    static ImportTable fromHtml(QStringView html);

    Format format() const { return m_format; }
    // Every row has columnCount() cells, padded with empty ones; each cell's blanks and line breaks are single
    // blanks, none at either end.
    const QList<QStringList> &rows() const { return m_rows; }
    int columnCount() const { return m_columns; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // Rows, columns or characters were left out at the limits above.
    bool isTruncated() const { return m_truncated; }

    // "A" … "Z", "AA" …: a column's name as spreadsheets give it, counted from 0.
    static QString columnName(int column);

private:
    static ImportTable fromSeparated(QStringView text, QChar separator, Format format);
    void addRow(QStringList cells);
    void finish();

    Format m_format = Format::Lines;
    QList<QStringList> m_rows;
    int m_columns = 0;
    bool m_truncated = false;
};

} // namespace Plan
