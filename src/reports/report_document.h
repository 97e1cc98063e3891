#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zel::reports {

enum class Align { Left, Center, Right };

// One column of a printed table. A column with a `group` shares an upper heading cell
// with its neighbours of the same group ("Формат издания" over "длина" and "ширина");
// a column without one has a single heading that spans both heading rows.
struct Column {
    QString title;
    QString group;
    Align align = Align::Left;
    double width = 1.0;  // relative to the other columns of the table
};

// A table of cell texts, with an optional caption above it and the totals lines printed
// right after it. A table whose columns all lack a title prints without a heading.
struct Table {
    QString caption;
    QVector<Column> columns;
    QVector<QStringList> rows;
    QStringList totals;

    bool hasHeading() const;
    bool hasGroups() const;
};

// What each page carries besides its share of the body: an optional header line, and a
// footer with the page number ("Стр. N из M") and the organisation's name.
struct PageFurniture {
    QString header;
    QString organisation;
    bool pageNumbers = true;
};

// A printed document as plain data: the builders fill it from the datasets, the renderer
// lays it out on pages, and tests read it directly.
struct ReportDocument {
    QString name;            // the document's own name, e.g. "RepTek"
    QStringList titleLines;  // large, centred, the first one the largest
    QStringList infoLines;   // smaller lines under the title
    QByteArray image;        // picture above the title (emblem, process picture); may be empty
    QVector<Table> tables;
    PageFurniture page;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    // The text of the document without layout: title, info lines, each table as lines of
    // cells joined by " | " (grouped headings read "group: title"), its totals, and the
    // page furniture. Stable enough to compare against a golden text.
    QString toPlainText() const;
};

// The text of a page's number as the footer prints it.
QString pageNumberText(int page, int pageCount);

}  // namespace zel::reports
