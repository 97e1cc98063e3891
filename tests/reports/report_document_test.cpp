#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "reports/report_document.h"
#include "reports/text_document.h"

namespace {

using namespace zel::reports;

ReportDocument sample() {
    ReportDocument document;
    document.name = "RepSample";
    document.titleLines = {"Калькуляция", "Заказ № 17"};
    document.infoLines = {"Заказчик: ООО Ромашка"};
    Table table;
    table.caption = "Бумага";
    table.columns = {{"Наименование", {}, Align::Left, 4},
                     {"длина", "Формат", Align::Right, 1},
                     {"ширина", "Формат", Align::Right, 1},
                     {"Цена", {}, Align::Right, 2}};
    table.rows = {{"Мелованная 115", "640", "900", "12,50"}, {"Офсетная 80", "620", "940", "7,10"}};
    table.totals = {"Итого сумма: 19,60 руб."};
    document.tables << table;
    Table note;
    note.columns = {{"", {}, Align::Left, 1}, {"", {}, Align::Left, 2}};
    note.rows = {{"Срок", "5 дней"}};
    document.tables << note;
    document.page.header = "Типография";
    document.page.organisation = "ООО Печать";
    return document;
}

TEST(ReportDocument, PlainTextShowsTitleTablesTotalsAndFurniture) {
    EXPECT_EQ(sample().toPlainText().toStdString(),
              "Калькуляция\n"
              "Заказ № 17\n"
              "Заказчик: ООО Ромашка\n"
              "\n"
              "Бумага\n"
              "Наименование | Формат: длина | Формат: ширина | Цена\n"
              "Мелованная 115 | 640 | 900 | 12,50\n"
              "Офсетная 80 | 620 | 940 | 7,10\n"
              "Итого сумма: 19,60 руб.\n"
              "\n"
              "Срок | 5 дней\n"
              "\n"
              "Верхний колонтитул: Типография\n"
              "Нижний колонтитул: ООО Печать; Стр. N из M\n");
}

QVector<QTextTable*> tablesOf(QTextDocument& text) {
    QVector<QTextTable*> tables;
    for (QTextFrame* frame : text.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            tables << table;
        }
    }
    return tables;
}

QString cellText(QTextTable& table, int row, int column) {
    const QTextTableCell cell = table.cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

TEST(ReportDocument, GroupedColumnsGetTwoRepeatingHeadingRows) {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    const TextBody body = buildTextDocument(sample(), device);
    const QVector<QTextTable*> tables = tablesOf(*body.text);
    ASSERT_EQ(tables.size(), 2);

    QTextTable& grouped = *tables[0];
    EXPECT_EQ(grouped.format().headerRowCount(), 2);
    EXPECT_EQ(grouped.rows(), 4);
    EXPECT_EQ(cellText(grouped, 0, 0), "Наименование");
    EXPECT_EQ(grouped.cellAt(0, 0).rowSpan(), 2);
    EXPECT_EQ(cellText(grouped, 0, 1), "Формат");
    EXPECT_EQ(grouped.cellAt(0, 1).columnSpan(), 2);
    EXPECT_EQ(cellText(grouped, 1, 1), "длина");
    EXPECT_EQ(cellText(grouped, 1, 2), "ширина");
    EXPECT_EQ(cellText(grouped, 0, 3), "Цена");
    EXPECT_EQ(grouped.cellAt(0, 3).rowSpan(), 2);
    EXPECT_EQ(cellText(grouped, 2, 0), "Мелованная 115");
    EXPECT_EQ(cellText(grouped, 3, 3), "7,10");

    QTextTable& untitled = *tables[1];
    EXPECT_EQ(untitled.format().headerRowCount(), 0);
    EXPECT_EQ(untitled.rows(), 1);
    EXPECT_EQ(cellText(untitled, 0, 1), "5 дней");

    const QString all = body.text->toPlainText();
    EXPECT_TRUE(all.startsWith("Калькуляция"));
    EXPECT_TRUE(all.contains("Итого сумма: 19,60 руб."));
}

}  // namespace
