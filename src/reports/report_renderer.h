#pragma once

#include <QPageLayout>
#include <QString>

#include "reports/report_document.h"

class QPagedPaintDevice;
class QPrinter;

namespace zel::reports {

// Lays a document out on pages and paints it: the body flows from page to page with the
// table headings repeated at the top of each page; every page gets the optional header
// line at the top and the footer (organisation on the left, "Стр. N из M" on the right).
class ReportRenderer {
  public:
    // Device pixels per inch of the PDF files and of page counting.
    static constexpr int kResolution = 1200;

    explicit ReportRenderer(ReportDocument document) : document_(std::move(document)) {}

    // The document's own page: A4 in the document's orientation, with the margins.
    QPageLayout pageLayout() const;

    // Number of pages on the document's own page, or on `layout`.
    int pageCount() const { return pageCount(pageLayout()); }
    int pageCount(const QPageLayout& layout) const;

    // Paints every page onto `device` with the device's current page layout. False when
    // the device cannot be painted on (a file that cannot be written, a printer error).
    bool paint(QPagedPaintDevice& device) const;

    // Gives the printer the document's own page layout (before a preview or a print dialog).
    void preparePrinter(QPrinter& printer) const;
    // Prints on the printer's current page layout.
    bool printTo(QPrinter& printer) const;
    // Writes the document as a PDF file on its own page layout.
    bool saveAsPdf(const QString& path) const;

  private:
    ReportDocument document_;
};

}  // namespace zel::reports
