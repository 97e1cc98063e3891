#pragma once

#include <QFont>
#include <QVector>
#include <memory>

#include "reports/report_document.h"

class QPaintDevice;
class QTextDocument;
class QTextTable;

namespace zel::reports {

// The fonts of the printed documents: DejaVu Sans (it carries Cyrillic and is embedded
// into PDF files as text), in point sizes so that they come out the same on any device.
QFont reportFont(double pointSize, bool bold = false);

// For each table of a document, the rows (indices into Table::rows, ascending) that
// start a new page; row 0 moves the whole table to a new page.
using PageBreaks = QVector<QVector<int>>;

// One printed piece of a table: its heading rows followed by the rows
// [firstRow, firstRow + rowCount) of table number `table`.
struct TablePiece {
    int table = 0;
    int firstRow = 0;
    int rowCount = 0;
    int headingRows = 0;
    bool startsPage = false;
    QTextTable* grid = nullptr;
};

struct TextBody {
    std::unique_ptr<QTextDocument> text;
    QVector<TablePiece> pieces;
};

// The flowing body of a document (title block, tables with their headings and totals)
// as a QTextDocument measured against `device`. Each table is cut at its page breaks
// into pieces that each start on a new page with the heading; heading rows are also
// marked to repeat should a piece still run over a page.
TextBody buildTextDocument(const ReportDocument& document, QPaintDevice& device,
                           const PageBreaks& breaks = {});

}  // namespace zel::reports
