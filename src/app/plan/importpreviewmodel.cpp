// SPDX-License-Identifier: GPL-3.0-or-later
// Everything shown is worked out once per change of the columns, so that scrolling a long table costs nothing.
#include "app/plan/importpreviewmodel.h"

#include <QGuiApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

ImportPreviewModel::ImportPreviewModel(QObject *parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::setContent(const Plan::ImportTable &table, const Plan::ImportColumns &columns,
                                    const Plan::LectionaryImport &import)
{
    beginResetModel();
    m_table = table;
    const QString day = tr("day"), year = tr("year"), readings = tr("readings");
    //: A column of the imported table and what it is taken for: "B Sunday · day".
    const QString withRole = tr("%1 · %2");
    m_headers.clear();
    for (int c = 0; c < table.columnCount(); ++c) {
        QString header = Plan::ImportTable::columnName(c);
        if (import.hasHeadings() && !table.rows().front().at(c).isEmpty())
            header += u' ' + table.rows().front().at(c);
        const QString role = c == columns.day               ? day
                             : c == columns.year            ? year
                             : columns.readings.contains(c) ? readings
                                                            : QString();
        if (!role.isEmpty())
            header = withRole.arg(header, role);
        m_headers.append(header);
    }
    const qsizetype rows = table.rows().size();
    m_written = import.written();
    m_notes = QStringList(rows, QString());
    m_leftOut = QList<bool>(rows, false);
    for (qsizetype r = 0; r < rows; ++r)
        m_leftOut[r] = m_written.at(r).isEmpty();
    if (import.hasHeadings() && rows > 0)
        m_written[0] = tr("(the headings)");
    for (const Plan::ImportNote &note : import.notes()) {
        const qsizetype r = note.row - 1;
        m_notes[r] += (m_notes[r].isEmpty() ? QString() : u"\n"_s) + note.reason;
        // A row left out for one year may still give a line for another.
        if (note.leftOut && m_written.at(r).isEmpty())
            m_written[r] = note.reason;
    }
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows().size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_table.isEmpty() ? 0 : m_table.columnCount() + 1;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == writtenColumn())
            return QString(m_written.at(row)).replace(u'\n', u"  |  "_s);
        return m_table.rows().at(row).at(index.column());
    case Qt::ToolTipRole:
        if (index.column() == writtenColumn())
            return m_notes.at(row).isEmpty() ? m_written.at(row) : m_written.at(row) + u"\n"_s + m_notes.at(row);
        return m_notes.at(row).isEmpty() ? QVariant() : m_notes.at(row);
    case Qt::ForegroundRole:
        // Rows that give nothing are greyed, as disabled text is.
        if (m_leftOut.at(row))
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    return section == writtenColumn() ? tr("Written to Lectionary.txt") : m_headers.value(section);
}
