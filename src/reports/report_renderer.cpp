#include "reports/report_renderer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

#include "reports/pagination.h"
#include "reports/text_document.h"

namespace zel::reports {

namespace {

constexpr double kFurniturePoints = 7.5;
const QMarginsF kMarginsMm(12, 10, 10, 8);

// The body of one device: the text laid out in pages of the area that the header and
// the footer leave free, and the bands of the two.
struct Pages {
    TextBody text;
    QRectF header;
    QRectF body;
    QRectF footer;
    int count = 0;
};

bool hasFooter(const PageFurniture& page) {
    return page.pageNumbers || !page.organisation.isEmpty();
}

Pages layOut(const ReportDocument& document, QPagedPaintDevice& device) {
    Pages pages;
    const QFontMetricsF metrics(reportFont(kFurniturePoints), &device);
    const double band = metrics.height() * 2;
    const double headerBand = document.page.header.isEmpty() ? 0 : band;
    const double footerBand = hasFooter(document.page) ? band : 0;
    const double width = device.width();
    const double height = device.height();
    pages.header = QRectF(0, 0, width, headerBand);
    pages.body = QRectF(0, headerBand, width, height - headerBand - footerBand);
    pages.footer = QRectF(0, height - footerBand, width, footerBand);
    pages.text = paginate(document, device, pages.body.size());
    pages.count = pages.text.text->pageCount();
    return pages;
}

void paintFurniture(QPainter& painter, const Pages& pages, const PageFurniture& furniture,
                    int page) {
    painter.save();
    painter.setFont(reportFont(kFurniturePoints));
    painter.setPen(QPen(Qt::black, 0));
    if (!furniture.header.isEmpty()) {
        painter.drawText(pages.header, Qt::AlignLeft | Qt::AlignTop, furniture.header);
        painter.drawLine(pages.header.bottomLeft() - QPointF(0, pages.header.height() / 4),
                         pages.header.bottomRight() - QPointF(0, pages.header.height() / 4));
    }
    if (hasFooter(furniture)) {
        const double rule = pages.footer.top() + pages.footer.height() / 4;
        painter.drawLine(QPointF(pages.footer.left(), rule), QPointF(pages.footer.right(), rule));
        const QRectF text = pages.footer.adjusted(0, pages.footer.height() / 4, 0, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, furniture.organisation);
        if (furniture.pageNumbers) {
            painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                             pageNumberText(page + 1, pages.count));
        }
    }
    painter.restore();
}

void paintBody(QPainter& painter, const Pages& pages, int page) {
    painter.save();
    const QRectF slice(0, page * pages.body.height(), pages.body.width(), pages.body.height());
    painter.translate(pages.body.left(), pages.body.top() - slice.top());
    painter.setClipRect(slice);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = slice;
    context.palette.setColor(QPalette::Text, Qt::black);
    pages.text.text->documentLayout()->draw(&painter, context);
    painter.restore();
}

}  // namespace

QPageLayout ReportRenderer::pageLayout() const {
    return QPageLayout(QPageSize(QPageSize::A4), document_.orientation, kMarginsMm,
                       QPageLayout::Millimeter);
}

int ReportRenderer::pageCount(const QPageLayout& layout) const {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter measure(&sink);
    measure.setResolution(kResolution);
    measure.setPageLayout(layout);
    return layOut(document_, measure).count;
}

bool ReportRenderer::paint(QPagedPaintDevice& device) const {
    const Pages pages = layOut(document_, device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int page = 0; page < pages.count; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        paintBody(painter, pages, page);
        paintFurniture(painter, pages, document_.page, page);
    }
    return painter.end();
}

void ReportRenderer::preparePrinter(QPrinter& printer) const {
    printer.setPageLayout(pageLayout());
    printer.setDocName(document_.titleLines.value(0, document_.name));
}

bool ReportRenderer::printTo(QPrinter& printer) const {
    return paint(printer);
}

bool ReportRenderer::saveAsPdf(const QString& path) const {
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageLayout(pageLayout());
    writer.setTitle(document_.titleLines.value(0, document_.name));
    writer.setCreator(QStringLiteral("Zelvan 6.1"));
    return paint(writer);
}

}  // namespace zel::reports
