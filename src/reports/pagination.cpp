#include "reports/pagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace zel::reports {

namespace {

// Rebuilds after the planned breaks only when the planning missed a split row; each
// round moves one more row, so a few rounds are plenty.
constexpr int kCorrectionRounds = 4;
// Share of a page kept free at its foot, so that layout rounding never pushes a planned
// row over.
constexpr double kPageReserve = 0.004;

QRectF blockRect(const QTextDocument& text, const QTextBlock& block) {
    return text.documentLayout()->blockBoundingRect(block);
}

// Top of the first line of a row.
double rowTop(const QTextDocument& text, QTextTable& grid, int row) {
    return blockRect(text, grid.cellAt(row, 0).firstCursorPosition().block()).top();
}

// Foot of the lowest cell of a row.
double rowBottom(const QTextDocument& text, QTextTable& grid, int row) {
    double bottom = 0;
    for (int column = 0; column < grid.columns(); ++column) {
        const QTextTableCell cell = grid.cellAt(row, column);
        for (auto part = cell.begin(); !part.atEnd(); ++part) {
            if (part.currentBlock().isValid()) {
                bottom = std::max(bottom, blockRect(text, part.currentBlock()).bottom());
            }
        }
    }
    return bottom;
}

// One table as the body laid out without pages shows it: where it starts, how far below
// that its first row starts, and where each row starts (one more entry: the table's foot).
struct TableMeasure {
    int table = 0;
    double top = 0;
    double heading = 0;
    QVector<double> rowTops;
};

QVector<TableMeasure> measure(const TextBody& flat) {
    QVector<TableMeasure> tables;
    for (const TablePiece& piece : flat.pieces) {
        const QRectF frame = flat.text->documentLayout()->frameBoundingRect(piece.grid);
        TableMeasure table{piece.table, frame.top(), 0, {}};
        for (int row = 0; row < piece.rowCount; ++row) {
            table.rowTops << rowTop(*flat.text, *piece.grid, piece.headingRows + row);
        }
        table.heading = table.rowTops.value(0, frame.bottom()) - frame.top();
        table.rowTops << frame.bottom();
        tables << table;
    }
    return tables;
}

class Pages {
  public:
    explicit Pages(double height) : height_(height) {}
    double height() const { return height_; }
    int pageOf(double y) const { return static_cast<int>(std::floor(y / height_)); }
    double start(double y) const { return pageOf(y) * height_; }
    double end(double y) const { return start(y) + height_; }
    bool atTop(double y) const { return y - start(y) < height_ * kPageReserve; }
    bool fits(double top, double height) const {
        return top + height <= end(top) - height_ * kPageReserve;
    }

  private:
    double height_;
};

// Walks the rows as they will fall on the pages and breaks before each row that would
// run over the foot of its page. A piece that starts a page has its first row
// `continuation` below the top of the page. `shift` is how far the breaks so far have
// moved everything below them.
PageBreaks planBreaks(const QVector<TableMeasure>& tables, int tableCount, const Pages& pages,
                      double continuation) {
    PageBreaks breaks(tableCount);
    double shift = 0;
    for (const TableMeasure& table : tables) {
        const int rows = static_cast<int>(table.rowTops.size()) - 1;
        if (rows == 0) {
            continue;
        }
        const double top = table.top + shift;
        double y = top + table.heading;
        const double firstRow = table.rowTops.at(1) - table.rowTops.at(0);
        if (!pages.fits(top, table.heading + firstRow) && !pages.atTop(top)) {
            breaks[table.table] << 0;
            const double next = pages.end(top) + continuation;
            shift += next - y;
            y = next;
        }
        int rowsOnPage = 0;
        for (int row = 0; row < rows; ++row) {
            const double height = table.rowTops.at(row + 1) - table.rowTops.at(row);
            if (rowsOnPage > 0 && !pages.fits(y, height)) {
                breaks[table.table] << row;
                const double next = pages.end(y) + continuation;
                shift += next - y;
                y = next;
                rowsOnPage = 0;
            }
            y += height;
            ++rowsOnPage;
        }
    }
    return breaks;
}

// How far below the top of its page the first row of a piece that starts a page lies;
// 0 when no piece starts a page.
double continuationOf(const TextBody& body, const Pages& pages) {
    double offset = 0;
    for (const TablePiece& piece : body.pieces) {
        if (piece.startsPage && piece.rowCount > 0) {
            const double top = rowTop(*body.text, *piece.grid, piece.headingRows);
            offset = std::max(offset, top - pages.start(top));
        }
    }
    return offset;
}

// The first row that the laid-out pages still split and that is not the first row of
// its page, as (table, row); false when there is none.
bool findSplitRow(const TextBody& body, const Pages& pages, int& table, int& row) {
    for (const TablePiece& piece : body.pieces) {
        int page = -1;
        for (int index = 0; index < piece.rowCount; ++index) {
            const double top = rowTop(*body.text, *piece.grid, piece.headingRows + index);
            const double bottom = rowBottom(*body.text, *piece.grid, piece.headingRows + index);
            const bool firstOnPage = pages.pageOf(top) != page;
            page = pages.pageOf(top);
            if (!firstOnPage && pages.pageOf(bottom - 1) != page) {
                table = piece.table;
                row = piece.firstRow + index;
                return true;
            }
        }
    }
    return false;
}

TextBody laidOut(const ReportDocument& document, QPaintDevice& device, const QSizeF& pageSize,
                 const PageBreaks& breaks) {
    TextBody body = buildTextDocument(document, device, breaks);
    body.text->setPageSize(pageSize);
    return body;
}

}  // namespace

TextBody paginate(const ReportDocument& document, QPaintDevice& device, const QSizeF& pageSize) {
    const Pages pages(pageSize.height());
    const int tableCount = static_cast<int>(document.tables.size());
    const TextBody flat = buildTextDocument(document, device);
    flat.text->setTextWidth(pageSize.width());
    const QVector<TableMeasure> tables = measure(flat);

    // First guess: a continued table starts with its heading at the very top of the page.
    double continuation = 0;
    for (const TableMeasure& table : tables) {
        continuation = std::max(continuation, table.heading);
    }
    PageBreaks breaks = planBreaks(tables, tableCount, pages, continuation);
    TextBody body = laidOut(document, device, pageSize, breaks);
    const double measured = continuationOf(body, pages);
    if (measured > continuation) {
        breaks = planBreaks(tables, tableCount, pages, measured);
        body = laidOut(document, device, pageSize, breaks);
    }

    for (int round = 0; round < kCorrectionRounds; ++round) {
        int table = 0;
        int row = 0;
        if (!findSplitRow(body, pages, table, row)) {
            break;
        }
        QVector<int>& rows = breaks[table];
        rows.insert(std::lower_bound(rows.begin(), rows.end(), row), row);
        body = laidOut(document, device, pageSize, breaks);
    }
    return body;
}

}  // namespace zel::reports
