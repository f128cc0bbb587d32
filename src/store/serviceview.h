// SPDX-License-Identifier: GPL-3.0-or-later
// One service of a loaded service log: its head entry with the continuation entries after it, its head line, its
// date and its lines across those entries, so that no reader walks the entries and slots by hand. A hymn of a
// hymnal spans its entries the same way, and HymnView reads its lines through this view.
#pragma once

#include "store/entrystore.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class ServiceView {
public:
    // How a head line's date is read: the search's rule (Search::headDate), handed in from above the store.
    using DateReader = std::optional<QDate> (*)(const QString &head);

    // One stored line of the service.
    struct Line {
        const QString &tag; // the line's first word; empty for a line of one word, " " for one that began blank
        const QString &text;
    };

    // Where the lines end; an iterator is compared with it alone.
    struct LinesEnd {};

    class LineIterator {
    public:
        Line operator*() const { return {m_log->tag(m_entry, m_slot), m_log->text(m_entry, m_slot)}; }
        LineIterator &operator++()
        {
            ++m_slot;
            settle();
            return *this;
        }
        bool operator==(LinesEnd) const { return m_entry >= m_end; }

    private:
        friend class ServiceView;
        LineIterator(const EntryStore *log, int entry, int end) : m_log(log), m_entry(entry), m_slot(1), m_end(end)
        {
            settle();
        }
        // On to the next entry once the slots of one are used up; an entry may have none.
        void settle()
        {
            while (m_entry < m_end && m_slot > m_log->lineCount(m_entry)) {
                ++m_entry;
                m_slot = 1;
            }
        }

        const EntryStore *m_log;
        int m_entry, m_slot, m_end;
    };

    struct Lines {
        LineIterator first;
        LineIterator begin() const { return first; }
        LinesEnd end() const { return {}; }
    };

    // The service whose head entry is entry (not a continuation), dated date. The view reads the store, which
    // must outlive it and stay as it is.
    ServiceView(const EntryStore &log, int entry, QDate date = QDate());

    // Every service of log in file order, each dated by readDate (null where its head line is not a date); none
    // for a hymnal.
    static std::vector<ServiceView> servicesOf(const EntryStore &log, DateReader readDate);

    const QString &head() const { return m_log->head(m_entry); }
    QDate date() const { return m_date; }
    // The head entry, and the entry after the service's last continuation.
    int entry() const { return m_entry; }
    int nextEntry() const { return m_next; }
    // The lines in file order, through every continuation entry.
    Lines lines() const { return {{m_log, m_entry, m_next}}; }

private:
    const EntryStore *m_log;
    int m_entry;
    int m_next;
    QDate m_date;
};
