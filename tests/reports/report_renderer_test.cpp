#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QTemporaryDir>

#include "pdf_text.h"
#include "reports/report_renderer.h"

namespace {

using namespace zel::reports;
using zel::reports::testing::pdfImageCount;
using zel::reports::testing::pdfPageCount;
using zel::reports::testing::pdfPages;

QString rowLabel(int row) {
    return QStringLiteral("Строка-%1").arg(row, 3, 10, QLatin1Char('0'));
}

ReportDocument listOf(int rows) {
    ReportDocument document;
    document.name = "RepTest";
    document.titleLines = {"Список материалов"};
    document.page.header = "Заказ № 17";
    document.page.organisation = "ООО Печать";
    Table table;
    table.columns = {{"Наименование", {}, Align::Left, 3}, {"Кол-во", {}, Align::Right, 1}};
    for (int row = 0; row < rows; ++row) {
        table.rows << QStringList{rowLabel(row), QString::number(row)};
    }
    table.totals = {"Всего строк: " + QString::number(rows)};
    document.tables << table;
    return document;
}

TEST(ReportRenderer, PageCountGrowsWithTheRowsAndShrinksWithThePage) {
    int previous = 0;
    for (int rows : {10, 120, 240, 480}) {
        const int pages = ReportRenderer(listOf(rows)).pageCount();
        EXPECT_GT(pages, previous) << rows << " rows";
        previous = pages;
    }
    EXPECT_EQ(ReportRenderer(listOf(10)).pageCount(), 1);

    ReportDocument document = listOf(240);
    const ReportRenderer renderer(document);
    const QPageLayout a4 = renderer.pageLayout();
    QPageLayout a5 = a4;
    a5.setPageSize(QPageSize(QPageSize::A5));
    EXPECT_GT(renderer.pageCount(a5), renderer.pageCount(a4));

    ReportDocument landscape = document;
    landscape.orientation = QPageLayout::Landscape;
    EXPECT_EQ(ReportRenderer(landscape).pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(ReportRenderer(landscape).pageCount(), renderer.pageCount());
}

TEST(ReportRenderer, PdfHoldsEveryRowOnceAndTheFurnitureOnEveryPage) {
    const ReportDocument document = listOf(250);
    const ReportRenderer renderer(document);
    QTemporaryDir folder;
    const QString path = folder.filePath("list.pdf");
    ASSERT_TRUE(renderer.saveAsPdf(path));

    const int pages = renderer.pageCount();
    ASSERT_GT(pages, 1);
    EXPECT_EQ(pdfPageCount(path), pages);
    const QStringList texts = pdfPages(path);
    ASSERT_EQ(texts.size(), pages);
    EXPECT_TRUE(texts.first().contains("Список материалов"));
    EXPECT_TRUE(texts.last().contains("Всего строк: 250"));
    for (int page = 0; page < pages; ++page) {
        SCOPED_TRACE(page + 1);
        EXPECT_TRUE(texts[page].contains("Заказ № 17"));
        EXPECT_TRUE(texts[page].contains("ООО Печать"));
        EXPECT_TRUE(texts[page].contains(QStringLiteral("Стр. %1 из %2").arg(page + 1).arg(pages)));
        EXPECT_TRUE(texts[page].contains("Наименование"));
    }
    const QString all = texts.join(QLatin1Char('\n'));
    for (int row = 0; row < 250; ++row) {
        EXPECT_EQ(all.count(rowLabel(row)), 1) << rowLabel(row).toStdString();
    }
}

TEST(ReportRenderer, ARowOfSeveralLinesIsNeverSplitBetweenPages) {
    ReportDocument document = listOf(0);
    Table& table = document.tables[0];
    table.columns[0].width = 3;
    table.columns[1].width = 12;
    for (int row = 0; row < 120; ++row) {
        // The narrow first column wraps this into two to five lines.
        const QString number = QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0'));
        const QString words = QStringLiteral(" слово слово слово").repeated(1 + row % 4);
        table.rows << QStringList{QStringLiteral("начало%1%2 конец%1").arg(number, words), number};
    }
    const ReportRenderer renderer(document);
    QTemporaryDir folder;
    const QString path = folder.filePath("rows.pdf");
    ASSERT_TRUE(renderer.saveAsPdf(path));
    const QStringList texts = pdfPages(path);
    ASSERT_GT(texts.size(), 1);
    ASSERT_EQ(texts.size(), renderer.pageCount());
    for (int row = 0; row < 120; ++row) {
        const QString number = QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0'));
        const QString start = QStringLiteral("начало") + number;
        const QString end = QStringLiteral("конец") + number;
        int startPage = -1;
        int endPage = -1;
        for (int page = 0; page < texts.size(); ++page) {
            if (texts[page].contains(start)) {
                startPage = page;
            }
            if (texts[page].contains(end)) {
                endPage = page;
            }
        }
        ASSERT_GE(startPage, 0) << row;
        EXPECT_EQ(startPage, endPage) << "row " << row;
    }
}

QByteArray pngOf(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

TEST(ReportRenderer, ThePictureOfTheTitleBlockIsPrintedAndUnreadableBytesAreLeftOut) {
    QTemporaryDir folder;
    ReportDocument document = listOf(3);
    document.image = pngOf(300, 600);
    const QString withPicture = folder.filePath("picture.pdf");
    ASSERT_TRUE(ReportRenderer(document).saveAsPdf(withPicture));
    EXPECT_EQ(pdfImageCount(withPicture), 1);

    document.image = QByteArray("not a picture");
    const QString withoutPicture = folder.filePath("nopicture.pdf");
    ASSERT_TRUE(ReportRenderer(document).saveAsPdf(withoutPicture));
    EXPECT_EQ(pdfImageCount(withoutPicture), 0);
    EXPECT_TRUE(pdfPages(withoutPicture).value(0).contains("Список материалов"));
}

TEST(ReportRenderer, AFileThatCannotBeWrittenIsAFailure) {
    QTemporaryDir folder;
    EXPECT_FALSE(ReportRenderer(listOf(3)).saveAsPdf(folder.filePath("missing/folder/list.pdf")));
}

}  // namespace
