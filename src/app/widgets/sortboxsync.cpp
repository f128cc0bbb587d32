// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes' signals are held while they are set from the header: the order they would ask for is the one shown.
#include "app/widgets/sortboxsync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableView>

SortBoxSync::SortBoxSync(QTableView *table, QComboBox *sort, QCheckBox *descending, int offset)
    : QObject(table), m_table(table), m_sort(sort), m_descending(descending), m_offset(offset)
{
    connect(m_sort, &QComboBox::currentIndexChanged, this, &SortBoxSync::boxChanged);
    connect(m_descending, &QCheckBox::toggled, this, &SortBoxSync::boxChanged);
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &SortBoxSync::headerChanged);
}

void SortBoxSync::showHeaderOrder()
{
    const QHeaderView *header = m_table->horizontalHeader();
    headerChanged(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void SortBoxSync::boxChanged()
{
    m_table->sortByColumn(m_sort->currentIndex() - m_offset,
                          m_descending->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void SortBoxSync::headerChanged(int column, Qt::SortOrder order)
{
    const QSignalBlocker sortBlocker(m_sort);
    const QSignalBlocker orderBlocker(m_descending);
    m_sort->setCurrentIndex(column + m_offset);
    m_descending->setChecked(order == Qt::DescendingOrder);
}
