#include <gtest/gtest.h>

#include "core/fb/statement.h"
#include "main/dm.h"
#include "support/temp_database.h"

namespace {

using zel::Dataset;
using zelvan::TDM;

class DmTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEIZD, KODMANAGER, PLEFT, PRIGHT, PAINT) "
            "values (11, 0, '2026-12-01 10:00:00', 'Каталог', 2, 4, 0, '5+5')");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEIZD, KODMANAGER, PLEFT, PRIGHT, PAINT) "
            "values (12, 0, '2026-12-02 10:00:00', '  Буклет' || ascii_char(13) || ascii_char(10), "
            "2, 4, 0, '5+5')");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, KODMANAGER, PLEFT, PRIGHT) "
            "values (13, 2, '2026-10-02 10:00:00', 2, 4, 0)");
        execute("insert into MACHINE (KOD, TIP, NAME) values (501, 0, 'GTO 52')");
        execute("insert into PRILADKA (KOD, NAME) values (601, 'Резка')");
        dm.transaction().commit();
        dm.transaction().start();
    }

    void execute(const QString& sql) { fb::Statement(dm.transaction(), sql).execute(); }

    zel::testing::TempDatabase database;
    TDM dm;
};

TEST_F(DmTest, EveryDatasetExistsUnderItsNameAndItsStatementRuns) {
    const QStringList names = {
        "DSetZakaz",      "DSetArchiv",   "DSetPredl",     "DSetNumZak",    "DSetZakDop",
        "DSetZakPos",     "DSetZakPrint", "DSetZakPrilad", "DSetSumPrilad", "DSetZakMat",
        "DSetZakProcAll", "DSetZakProc1", "DSetZakProc2",  "DSetZakProc3",  "DSetZakProc4",
        "DSetZakProc5",   "DSetZakProc6", "DSetZakProc7",  "DSetZakProc8",  "DSetUsers",
        "DSetAdmin",      "DSetMan",      "DSetTechn",     "DSetObsh",      "DSetMach",
        "DSetPripr",      "DSetLak",      "DSetFalts",     "DSetRezka",     "DSetListPod",
        "DSetTisn",       "DSetVys",      "DSetSkl",       "DSetShv",       "DSetTipPech",
        "DSetNakl",       "DSetPrilad",   "DSetPriladka",  "DSetProc",      "DSetDoPech",
        "DSetPosPech",    "DSetGotIzd",   "DSetPredrez",   "DSetBig",       "DSetClients",
        "DSetProduct",    "DSetTipMater", "DSetMaterials"};
    EXPECT_EQ(dm.datasets().size(), names.size());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        Dataset& dataset = dm.dataset(name);
        if (dataset.master() != nullptr) {
            dataset.master()->open();
        }
        EXPECT_NO_THROW(dataset.open());
        EXPECT_TRUE(dataset.isActive());
    }
    EXPECT_EQ(dm.DSetSumPrilad->fieldNames(), QStringList({"SUM"}));
    EXPECT_EQ(dm.DSetNumZak->fieldNames(), QStringList({"NUM"}));
}

TEST_F(DmTest, OnlyTheDatasetsWithUpdateStatementsAreEditable) {
    for (Dataset* readOnly : {dm.DSetUsers, dm.DSetNumZak, dm.DSetSumPrilad, dm.DSetPripr,
                              dm.DSetLak, dm.DSetShv, dm.DSetPredrez, dm.DSetBig, dm.DSetTipMater,
                              dm.DSetMaterials, dm.DSetZakProc[0], dm.DSetZakProc[7]}) {
        EXPECT_FALSE(readOnly->isEditable()) << readOnly->name().toStdString();
    }
    for (Dataset* editable : {dm.DSetZakaz, dm.DSetArchiv, dm.DSetPredl, dm.DSetObsh, dm.DSetAdmin,
                              dm.DSetMach, dm.DSetGotIzd, dm.DSetClients, dm.DSetProduct}) {
        EXPECT_TRUE(editable->isEditable()) << editable->name().toStdString();
    }
}

struct DefaultCase {
    const char* dataset;
    const char* column;
    int expected;
};

TEST_F(DmTest, NewRowsGetTheirParentAndKindFromTheDataModule) {
    dm.DSetZakaz->open();
    ASSERT_TRUE(dm.DSetZakaz->locate("KOD", 12));
    dm.DSetMach->open();
    dm.DSetPriladka->open();
    dm.DSetZakPrint->open();
    dm.DSetZakPrint->append();
    dm.DSetZakPrint->post();
    const int printPart = dm.DSetZakPrint->asInt("KOD");
    dm.machinePageIndex = 6;
    dm.formatPageIndex = 2;

    const DefaultCase cases[] = {
        {"DSetZakDop", "KOD_ZAKAZ", 12},
        {"DSetZakDop", "TIP", 0},
        {"DSetZakPos", "KOD_ZAKAZ", 12},
        {"DSetZakPos", "TIP", 1},
        {"DSetZakPrint", "KOD_ZAKAZ", 12},
        {"DSetZakMat", "KOD_ZAKAZ", 12},
        {"DSetZakProcAll", "KOD_ZAKAZ", 12},
        {"DSetZakPrilad", "KOD_ZAKPRINT", printPart},
        {"DSetAdmin", "TIP_USER", 0},
        {"DSetMan", "TIP_USER", 1},
        {"DSetTechn", "TIP_USER", 2},
        {"DSetMach", "TIP", 6},
        {"DSetTipPech", "KOD_MACH", 501},
        {"DSetNakl", "KOD_MACH", 501},
        {"DSetPrilad", "KOD_MACH", 501},
        {"DSetProc", "KOD_PRILADKA", 601},
        {"DSetDoPech", "TIP", 0},
        {"DSetPosPech", "TIP", 1},
        {"DSetGotIzd", "KOD_TIP", 2},
    };
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(std::string(c.dataset) + "." + c.column);
        Dataset& dataset = dm.dataset(c.dataset);
        dataset.open();
        dataset.append();
        EXPECT_EQ(dataset.asInt(c.column), c.expected);
        EXPECT_GT(dataset.asInt(dataset.updateTable()->key), 0);
        dataset.cancel();
    }
}

TEST_F(DmTest, SheetCountsOfAPrintPartAreComputed) {
    execute(
        "insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, KOLPREDREZ, KOLBUMLIST, ITOGOLISTPRILAD, "
        "KOLLISTPECH) "
        "values (1, 11, 0, 0, 500, 30, 1999.995)");
    execute(
        "insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, KOLPREDREZ, KOLBUMLIST, ITOGOLISTPRILAD, "
        "KOLLISTPECH) "
        "values (2, 11, 1, 4, 500, 30, 1.845)");
    dm.refresh(11, {dm.DSetZakPrint});
    EXPECT_EQ(dm.DSetZakPrint->asDouble("BigListCalc"), 530.0);
    EXPECT_EQ(dm.DSetZakPrint->asInt("KOLPREDREZ"), 1);  // 0 counts as 1, and shows so
    EXPECT_EQ(dm.DSetZakPrint->asDouble("PechListCalc"), 2029.99);
    dm.DSetZakPrint->next();
    EXPECT_EQ(dm.DSetZakPrint->asDouble("BigListCalc"), 507.5);
    EXPECT_EQ(dm.DSetZakPrint->asDouble("PechListCalc"), 31.84);  // 31.845 → 31.84 to the cent
    dm.DSetZakPrint->setValue("ITOGOLISTPRILAD", 10);
    EXPECT_EQ(dm.DSetZakPrint->asDouble("BigListCalc"), 502.5);
    EXPECT_EQ(dm.DSetZakPrint->asDouble("PechListCalc"), 11.85);
}

TEST_F(DmTest, ListsShowColoursAsNumbersAndEditionNamesTrimmed) {
    dm.DSetArchiv->open();
    EXPECT_EQ(dm.DSetArchiv->asString("PAINT"), "4+0");
    dm.DSetPredl->open();
    EXPECT_EQ(dm.DSetPredl->asString("PAINT"), "4+0");
    dm.DSetZakaz->open();
    ASSERT_TRUE(dm.DSetZakaz->locate("KOD", 12));
    EXPECT_EQ(dm.DSetZakaz->displayText(dm.DSetZakaz->currentRow(), "NAMEIZD"),
              QString::fromUtf8("Буклет"));
    EXPECT_EQ(dm.DSetZakaz->asString("PAINT"), "5+5");  // the order list shows what is stored
}

TEST_F(DmTest, DetailsFollowTheCurrentOrderAndPrintPart) {
    execute("insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP) values (1, 11, 0, 'Обложка')");
    execute("insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP) values (2, 12, 0, 'Листовка')");
    execute("insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (1, 2, 'Резка', 12)");
    execute(
        "insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (2, 2, 'Фальцовка', 8)");
    dm.refresh(11, {dm.DSetZakPrint, dm.DSetZakPrilad, dm.DSetSumPrilad});
    EXPECT_EQ(dm.DSetZakPrint->asString("NAMETIP"), QString::fromUtf8("Обложка"));
    EXPECT_TRUE(dm.DSetZakPrilad->isEmpty());
    EXPECT_FALSE(dm.DSetSumPrilad->value("SUM").isValid());
    dm.DSetZakaz->next();
    EXPECT_EQ(dm.DSetZakPrint->asString("NAMETIP"), QString::fromUtf8("Листовка"));
    EXPECT_EQ(dm.DSetZakPrilad->recordCount(), 2);
    EXPECT_EQ(dm.DSetSumPrilad->asDouble("SUM"), 20.0);
}

TEST_F(DmTest, ARowPostedOnOneWorkstationIsSeenByAnotherAfterBothRefreshCycles) {
    TDM other;
    other.connectTo(database.path());
    other.refresh(QVariant());
    dm.refresh(QVariant());
    const int before = other.DSetZakaz->recordCount();

    dm.DSetZakaz->append();
    dm.DSetZakaz->setValue("KOD_ARCHIV", 0);
    dm.DSetZakaz->setValue("NAMEORG", QString::fromUtf8("Новый клиент"));
    dm.DSetZakaz->post();
    const QVariant added = dm.DSetZakaz->value("KOD");

    other.refresh(QVariant());
    EXPECT_EQ(other.DSetZakaz->recordCount(), before);  // not committed yet

    dm.refresh(added);  // commits
    EXPECT_EQ(dm.DSetZakaz->value("KOD"), added);
    EXPECT_EQ(other.DSetZakaz->recordCount(), before);  // the other snapshot is still the old one

    other.refresh(added);
    EXPECT_EQ(other.DSetZakaz->recordCount(), before + 1);
    EXPECT_EQ(other.DSetZakaz->asString("NAMEORG"), QString::fromUtf8("Новый клиент"));

    // An order deleted elsewhere is simply not found again: the list stays where it is.
    dm.DSetZakaz->remove();
    dm.refresh(QVariant());
    other.refresh(added);
    EXPECT_NE(other.DSetZakaz->value("KOD"), added);
    EXPECT_EQ(other.DSetZakaz->recordCount(), before);
}

TEST_F(DmTest, TheRefreshCycleDiscardsOnlyTheUnpostedRow) {
    dm.refresh(11);
    dm.DSetZakaz->setValue("NOTE", QString::fromUtf8("сохранено"));
    dm.DSetZakaz->post();
    dm.DSetZakaz->next();
    dm.DSetZakaz->setValue("NOTE", QString::fromUtf8("не сохранено"));
    dm.refresh(11);
    EXPECT_EQ(dm.DSetZakaz->asString("NOTE"), QString::fromUtf8("сохранено"));
    ASSERT_TRUE(dm.DSetZakaz->locate("KOD", 12));
    EXPECT_EQ(dm.DSetZakaz->asString("NOTE"), QString());
}

}  // namespace
