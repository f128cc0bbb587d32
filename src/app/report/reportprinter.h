// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report as a document on pages: a title, the chart, then the table over as many pages as it needs with
// its header row on each, and the page numbers at the foot. Print and PDF export both draw it.
#pragma once

#include "app/report/reportchart.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <functional>

class QPageLayout;
class QPagedPaintDevice;

class ReportPrinter {
    Q_DECLARE_TR_FUNCTIONS(ReportPrinter)

public:
    struct Document {
        QString title;
        QStringList notes; // lines under the title: the range, the counts, the filter
        QStringList headers;
        QList<QStringList> rows;
        QList<int> numericColumns; // aligned on the right
        // The columns that share the width the others leave, in step with their widest texts, elided where they must
        // be.
        QList<int> wideColumns{1};
        ReportChart::Data chart;
    };

    explicit ReportPrinter(Document document) : m_document(std::move(document)) {}

    // Told after each page is drawn, with the pages drawn and the pages in all; false stops the drawing there.
    using PageDone = std::function<bool(int done, int pages)>;

    // Draws the document on device from its first page on; false when the device cannot be painted on (a PDF
    // file that cannot be created) or pageDone stopped it.
    bool print(QPagedPaintDevice &device, const PageDone &pageDone = {}) const;
    // The document as a PDF file's bytes, on pages of layout at resolution dots per inch, made in memory; empty
    // when it could not be made whole or pageDone stopped it.
    QByteArray pdf(const QPageLayout &layout, int resolution, const QString &docName,
                   const PageDone &pageDone = {}) const;
    // The pages the document takes on device, as print numbers them.
    int pageCount(const QPagedPaintDevice &device) const;

private:
    struct Pages;
    Pages paginate(const QPagedPaintDevice &device) const;

    Document m_document;
};
