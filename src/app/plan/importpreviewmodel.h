// SPDX-License-Identifier: GPL-3.0-or-later
// The imported table as the import dialog previews it: the table's cells, each column headed by its letter, its
// heading and what the import takes it for, and a last column with the lines each row gives Lectionary.txt or why
// it gives none.
#pragma once

#include "plan/importtable.h"
#include "plan/lectionaryimport.h"

#include <QAbstractTableModel>
#include <QStringList>

class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImportPreviewModel(QObject *parent = nullptr);

    void setContent(const Plan::ImportTable &table, const Plan::ImportColumns &columns,
                    const Plan::LectionaryImport &import);
    // The column of the lines written, after the table's.
    int writtenColumn() const { return m_table.columnCount(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Plan::ImportTable m_table;
    QStringList m_headers;
    QStringList m_written; // per row: the lines given, else why none
    QStringList m_notes;   // per row: what was not read, for its tooltip
    QList<bool> m_leftOut; // per row: gives no line (the headings too)
};
