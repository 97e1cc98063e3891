#include "reports/text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace zel::reports {

namespace {

constexpr double kTitlePoints = 14;
constexpr double kSubtitlePoints = 12;
constexpr double kInfoPoints = 9;
constexpr double kTablePoints = 8;
constexpr double kHeadingPoints = 7.5;
constexpr double kTotalsPoints = 9;
// Lengths in screen pixels (1/96 inch); the text layout scales borders, cell padding and
// pictures to the device itself, block margins are scaled here.
constexpr double kImageMaxHeight = 110;
constexpr double kGap = 6;
constexpr double kBorder = 1;
constexpr double kCellPadding = 2;
const QColor kHeadingBackground(0xE8, 0xE8, 0xE8);

Qt::Alignment qtAlignment(Align align) {
    switch (align) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat charFormat(double pointSize, bool bold = false) {
    QTextCharFormat format;
    format.setFont(reportFont(pointSize, bold));
    return format;
}

int headingRowsOf(const Table& table) {
    if (!table.hasHeading()) {
        return 0;
    }
    return table.hasGroups() ? 2 : 1;
}

// Writes the document from top to bottom in one edit block, so that it is not laid out
// after each insertion.
class Writer {
  public:
    Writer(QTextDocument& document, double deviceScale)
        : document_(document), cursor_(&document), scale_(deviceScale) {
        cursor_.beginEditBlock();
    }

    void finish() { cursor_.endEditBlock(); }

    const QVector<TablePiece>& pieces() const { return pieces_; }

    void paragraph(const QString& text, const QTextCharFormat& chars, Qt::Alignment align,
                   double topMargin = 0, double bottomMargin = 0) {
        QTextBlockFormat block;
        block.setAlignment(align);
        block.setTopMargin(topMargin * scale_);
        block.setBottomMargin(bottomMargin * scale_);
        startBlock(block, chars);
        cursor_.insertText(text, chars);
    }

    void image(const QByteArray& bytes) {
        const QImage picture = QImage::fromData(bytes);
        if (picture.isNull()) {
            return;
        }
        const QUrl name(QStringLiteral("report-image:title"));
        document_.addResource(QTextDocument::ImageResource, name, picture);
        QTextImageFormat format;
        format.setName(name.toString());
        if (picture.height() > kImageMaxHeight) {
            format.setHeight(kImageMaxHeight);
            format.setWidth(picture.width() * kImageMaxHeight / picture.height());
        }
        QTextBlockFormat block;
        block.setBottomMargin(kGap * scale_);
        startBlock(block, QTextCharFormat());
        cursor_.insertImage(format);
    }

    void table(int index, const Table& table, const QVector<int>& breaks) {
        if (!table.caption.isEmpty()) {
            paragraph(table.caption, charFormat(kInfoPoints, true), Qt::AlignLeft, kGap);
        }
        if (!table.columns.isEmpty()) {
            QVector<int> starts = breaks;
            if (starts.isEmpty() || starts.first() != 0) {
                starts.prepend(0);
            }
            for (int piece = 0; piece < starts.size(); ++piece) {
                const int end = piece + 1 < starts.size() ? starts.at(piece + 1)
                                                          : static_cast<int>(table.rows.size());
                const bool newPage = piece > 0 || breaks.value(0, -1) == 0;
                const TablePiece printed =
                    tablePiece(index, table, starts.at(piece), end - starts.at(piece), newPage);
                pieces_ << printed;
            }
        }
        const QTextCharFormat chars = charFormat(kTotalsPoints, true);
        for (int line = 0; line < table.totals.size(); ++line) {
            paragraph(table.totals.at(line), chars, Qt::AlignLeft, line == 0 ? kGap : 0);
        }
    }

  private:
    // A new paragraph, or the empty one the cursor stands in (at the start of the
    // document and right after a table).
    void startBlock(const QTextBlockFormat& block, const QTextCharFormat& chars) {
        if (reuseBlock_) {
            cursor_.setBlockFormat(block);
            cursor_.setBlockCharFormat(chars);
            reuseBlock_ = false;
        } else {
            cursor_.insertBlock(block, chars);
        }
    }

    TablePiece tablePiece(int index, const Table& table, int firstRow, int rowCount, bool newPage) {
        TablePiece piece{index, firstRow, rowCount, headingRowsOf(table), newPage, nullptr};
        // The table goes in before the empty paragraph the cursor stands in.
        startBlock(QTextBlockFormat(), QTextCharFormat());

        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(kBorder);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(Qt::black);
        format.setCellPadding(kCellPadding);
        format.setCellSpacing(0);
        format.setMargin(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints(widths(table.columns));
        format.setHeaderRowCount(piece.headingRows);
        if (newPage) {
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        }
        piece.grid = cursor_.insertTable(piece.headingRows + rowCount,
                                         static_cast<int>(table.columns.size()), format);
        if (piece.headingRows == 2) {
            groupedHeading(*piece.grid, table.columns);
        } else if (piece.headingRows == 1) {
            for (int column = 0; column < table.columns.size(); ++column) {
                headingCell(*piece.grid, 0, column, table.columns.at(column).title);
            }
        }
        const QTextCharFormat chars = charFormat(kTablePoints);
        for (int row = 0; row < rowCount; ++row) {
            const QStringList& cells = table.rows.at(firstRow + row);
            for (int column = 0; column < table.columns.size(); ++column) {
                cell(*piece.grid, piece.headingRows + row, column, cells.value(column), chars,
                     qtAlignment(table.columns.at(column).align));
            }
        }
        cursor_.movePosition(QTextCursor::End);
        reuseBlock_ = true;
        return piece;
    }

    static QVector<QTextLength> widths(const QVector<Column>& columns) {
        double total = 0;
        for (const Column& column : columns) {
            total += column.width;
        }
        QVector<QTextLength> lengths;
        for (const Column& column : columns) {
            lengths << QTextLength(QTextLength::PercentageLength, total > 0
                                                                      ? 100.0 * column.width / total
                                                                      : 100.0 / columns.size());
        }
        return lengths;
    }

    static void cell(QTextTable& grid, int row, int column, const QString& text,
                     const QTextCharFormat& chars, Qt::Alignment align) {
        QTextCursor at = grid.cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(align);
        at.setBlockFormat(block);
        at.insertText(text, chars);
    }

    static void headingCell(QTextTable& grid, int row, int column, const QString& text) {
        QTextTableCell target = grid.cellAt(row, column);
        QTextTableCellFormat format = target.format().toTableCellFormat();
        format.setBackground(kHeadingBackground);
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        target.setFormat(format);
        cell(grid, row, column, text, charFormat(kHeadingPoints, true), Qt::AlignHCenter);
    }

    // Two heading rows: a grouped column has its group above its own title (one group
    // cell over the run of neighbours sharing it); any other column spans both rows.
    static void groupedHeading(QTextTable& grid, const QVector<Column>& columns) {
        int column = 0;
        while (column < columns.size()) {
            const QString group = columns.at(column).group;
            if (group.isEmpty()) {
                headingCell(grid, 0, column, columns.at(column).title);
                grid.mergeCells(0, column, 2, 1);
                ++column;
                continue;
            }
            int end = column;
            while (end < columns.size() && columns.at(end).group == group) {
                headingCell(grid, 1, end, columns.at(end).title);
                ++end;
            }
            headingCell(grid, 0, column, group);
            grid.mergeCells(0, column, 1, end - column);
            column = end;
        }
    }

    QTextDocument& document_;
    QTextCursor cursor_;
    double scale_;
    bool reuseBlock_ = true;
    QVector<TablePiece> pieces_;
};

}  // namespace

QFont reportFont(double pointSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

TextBody buildTextDocument(const ReportDocument& document, QPaintDevice& device,
                           const PageBreaks& breaks) {
    auto text = std::make_unique<QTextDocument>();
    text->setDocumentMargin(0);
    text->setDefaultFont(reportFont(kTablePoints));
    text->setUndoRedoEnabled(false);

    Writer writer(*text, device.logicalDpiY() / 96.0);
    if (!document.image.isEmpty()) {
        writer.image(document.image);
    }
    for (int line = 0; line < document.titleLines.size(); ++line) {
        const bool last = line + 1 == document.titleLines.size();
        writer.paragraph(document.titleLines.at(line),
                         charFormat(line == 0 ? kTitlePoints : kSubtitlePoints, true),
                         Qt::AlignHCenter, 0, last ? kGap : 0);
    }
    for (const QString& line : document.infoLines) {
        writer.paragraph(line, charFormat(kInfoPoints), Qt::AlignLeft);
    }
    for (int table = 0; table < document.tables.size(); ++table) {
        writer.table(table, document.tables.at(table), breaks.value(table));
    }
    writer.finish();
    // Measured once, when the whole text is in place.
    text->documentLayout()->setPaintDevice(&device);
    return TextBody{std::move(text), writer.pieces()};
}

}  // namespace zel::reports
