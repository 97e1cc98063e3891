#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/fb/statement.h"
#include "main/dm.h"
#include "pdf_text.h"
#include "reports/order_list.h"
#include "reports/report_renderer.h"
#include "support/temp_database.h"

namespace {

using zel::reports::buildOrderList;
using zel::reports::ReportDocument;
using zel::reports::ReportRenderer;
using zelvan::TDM;

const QString kNbsp = QStringLiteral("\u00A0");

// Numbers as the printout groups them: "_" stands for the non-breaking space between
// the thousands.
QString grouped(QString text) {
    return text.replace(QLatin1Char('_'), kNbsp);
}

// Page text with the non-breaking spaces read as ordinary ones.
QString plainSpaces(QString text) {
    return text.replace(kNbsp, QStringLiteral(" "));
}

class OrderListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
        execute("update OBSH set NAMEORG = 'ООО \"Печатный двор\"', OSNVAL = 'руб.'");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, RENT, "
            "TIRAZ, LEN, WID, PAINT, PAINTPREDL, STOIM, EXEMP, KODMANAGER) values (1, 0, "
            "'2024-03-05 14:30:00', '17', 'ООО Ромашка', 'Петрова А.И.', '222-33-44', "
            "'Буклет А4', 25, 15000, 210, 297, '4+4', '4+4; 1+1', 12345.6, 0.82304, 2)");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, RENT, "
            "TIRAZ, LEN, WID, PAINT, PAINTPREDL, STOIM, EXEMP, KODMANAGER) values (2, 0, "
            "'2024-03-01 00:00:00', '18', 'ИП Сидоров', 'Сидоров П.П.', '8-900-000-00-00', "
            "'  Каталог \"Осень\"  ', 12.5, 500, 148, 210, '1+0', '1+0', 1000, 2, 2)");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEORG, KODMANAGER) "
            "values (3, 0, '2024-03-07 09:00:00', 'АО Без расчета', 2)");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEORG, NAMEIZD, TIRAZ, LEN, WID, PAINT, "
            "PAINTPREDL, STOIM, EXEMP, KODMANAGER) values (4, 1, '2024-02-20 10:00:00', "
            "'ЗАО Смета', 'Календарь', 1000, 420, 297, '4+0', '4+0; 2+2', 500.25, 0.5, 2)");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEORG, STOIM, KODMANAGER) "
            "values (5, 2, '2023-01-01 10:00:00', 'Архивный', 99, 2)");
        dm.transaction().commit();
        dm.transaction().start();
        dm.DSetObsh->open();
    }

    void execute(const QString& sql) { fb::Statement(dm.transaction(), sql).execute(); }

    void showList(int list) {
        dm.DSetZakaz->setSelectSql(
            QStringLiteral("select * from ZAKAZ where kod_archiv=%1 order by data").arg(list));
        dm.DSetZakaz->open();
    }

    zel::testing::TempDatabase database;
    TDM dm;
};

TEST_F(OrderListTest, CurrentOrdersPrintEveryOrderInTheOrderShownWithCountAndSum) {
    showList(0);
    const ReportDocument document = buildOrderList(*dm.DSetZakaz, *dm.DSetObsh, false);

    EXPECT_EQ(document.name, "RepTek");
    EXPECT_EQ(document.page.organisation, "ООО \"Печатный двор\"");
    EXPECT_TRUE(document.page.pageNumbers);
    EXPECT_EQ(document.orientation, QPageLayout::Landscape);
    const QString expected = grouped(
        "Текущие заказы\n"
        "\n"
        "Дата | № Заказа | Организация | Конт. лицо | Телефоны | Название издания | Рентабе-льность"
        " | Тираж | Формат издания: длина | Формат издания: ширина | Красоч-ность | Стоимость"
        " | За экземпляр\n"
        "01.03.2024 | 18 | ИП Сидоров | Сидоров П.П. | 8-900-000-00-00 | Каталог \"Осень\" | 12,5"
        " | 500 | 148 | 210 | 1+0 | 1_000,00 | 2,00\n"
        "05.03.2024 | 17 | ООО Ромашка | Петрова А.И. | 222-33-44 | Буклет А4 | 25 | 15_000 | 210"
        " | 297 | 4+4; 1+1 | 12_345,60 | 0,82\n"
        "07.03.2024 |  | АО Без расчета |  |  |  |  |  |  |  |  |  | \n"
        "Всего заказов: 3\n"
        "На сумму: 13_345,60 руб.\n"
        "\n"
        "Нижний колонтитул: ООО \"Печатный двор\"; Стр. N из M\n");
    EXPECT_EQ(document.toPlainText().toStdString(), expected.toStdString());
}

TEST_F(OrderListTest, EstimatesHaveTheirOwnTitleAndPrintTheColoursOfTheMainPart) {
    showList(1);
    const ReportDocument document = buildOrderList(*dm.DSetZakaz, *dm.DSetObsh, true);

    EXPECT_EQ(document.name, "RepRasch");
    EXPECT_EQ(document.titleLines, QStringList{"Расчетные заказы"});
    ASSERT_EQ(document.tables.size(), 1);
    ASSERT_EQ(document.tables[0].rows.size(), 1);
    const QStringList row = document.tables[0].rows[0];
    EXPECT_EQ(row.value(2), "ЗАО Смета");
    EXPECT_EQ(row.value(10), "4+0");
    EXPECT_EQ(row.value(11), "500,25");
    EXPECT_EQ(document.tables[0].totals,
              QStringList({"Всего заказов: 1", "На сумму: 500,25 руб."}));
}

TEST_F(OrderListTest, ReadsALazilyFetchedListToTheEndAndLeavesTheCurrentOrderAlone) {
    dm.DSetZakaz->setBatchSize(1);
    showList(0);
    dm.DSetZakaz->moveTo(1);
    ASSERT_LT(dm.DSetZakaz->fetchedCount(), 3);

    const ReportDocument document = buildOrderList(*dm.DSetZakaz, *dm.DSetObsh, false);

    EXPECT_EQ(document.tables[0].rows.size(), 3);
    EXPECT_EQ(document.tables[0].totals.value(0), "Всего заказов: 3");
    EXPECT_EQ(dm.DSetZakaz->currentRow(), 1);
    EXPECT_EQ(dm.DSetZakaz->asInt("KOD"), 1);
}

TEST_F(OrderListTest, AnEmptyListPrintsItsHeadingsAndZeroTotals) {
    showList(7);
    const ReportDocument document = buildOrderList(*dm.DSetZakaz, *dm.DSetObsh, false);

    ASSERT_EQ(document.tables.size(), 1);
    EXPECT_TRUE(document.tables[0].rows.isEmpty());
    EXPECT_EQ(document.tables[0].columns.size(), 13);
    EXPECT_EQ(document.tables[0].totals, QStringList({"Всего заказов: 0", "На сумму: 0,00 руб."}));
    EXPECT_EQ(ReportRenderer(document).pageCount(), 1);
}

class LongOrderListTest : public OrderListTest {
  protected:
    void SetUp() override {
        OrderListTest::SetUp();
        fb::Statement insert(
            dm.transaction(),
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, NAMEIZD, "
            "TIRAZ, PAINTPREDL, STOIM, EXEMP, KODMANAGER) values (:KOD, 0, "
            "'2024-04-01 10:00:00', :NUM, 'ООО Клиент', 'Иванов И.И.', "
            "'Листовка рекламная', 1000, '4+0', 100, 0.1, 2)");
        for (int order = 100; order < 397; ++order) {
            insert.setParameter("KOD", order);
            insert.setParameter("NUM", QString::number(order));
            insert.execute();
        }
        dm.transaction().commit();
        dm.transaction().start();
        dm.DSetObsh->open();
        showList(0);
    }
};

TEST_F(LongOrderListTest, RunsOverSeveralPagesWithTheHeadingsOnEachPage) {
    const ReportDocument document = buildOrderList(*dm.DSetZakaz, *dm.DSetObsh, false);
    ASSERT_EQ(document.tables[0].rows.size(), 300);
    const int pages = ReportRenderer(document).pageCount();
    EXPECT_GT(pages, 2);

    ReportDocument shorter = document;
    shorter.tables[0].rows.resize(60);
    EXPECT_LT(ReportRenderer(shorter).pageCount(), pages);

    QTemporaryDir folder;
    const QString path = folder.filePath("list.pdf");
    ASSERT_TRUE(ReportRenderer(document).saveAsPdf(path));
    EXPECT_EQ(zel::reports::testing::pdfPageCount(path), pages);
    const QStringList texts = zel::reports::testing::pdfPages(path);
    ASSERT_EQ(texts.size(), pages);
    EXPECT_TRUE(texts.first().contains("Текущие заказы"));
    EXPECT_TRUE(texts.last().contains("Всего заказов: 300"));
    EXPECT_TRUE(plainSpaces(texts.last()).contains("На сумму: 43 045,60 руб."));
    for (int page = 0; page < pages; ++page) {
        SCOPED_TRACE(page + 1);
        const QString& text = texts.at(page);
        // Headings may wrap inside their cells: look for single words.
        for (const char* heading : {"Организация", "Телефоны", "Формат", "ширина", "экземпляр"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
        }
        EXPECT_TRUE(text.contains("ООО \"Печатный двор\""));
        EXPECT_TRUE(text.contains(QStringLiteral("Стр. %1 из %2").arg(page + 1).arg(pages)));
    }
}

}  // namespace
