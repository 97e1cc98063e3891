#include "costing/make_ready.h"

#include <gtest/gtest.h>

#include <vector>

namespace costing {
namespace {

TEST(RoundedRun, NearestTenWithHalvesToTheEvenTen) {
    struct Case {
        double pressSheets;
        double run;
    };
    const Case cases[] = {
        {4046, 4050}, {995, 1000}, {985, 980}, {25, 20}, {35, 40}, {1004, 1000}, {0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundedRun(c.pressSheets), c.run) << c.pressSheets;
    }
}

// A leaflet 4+4 with own back plates (8 plates) whose layout gives as many press sheets as
// copies: one product per press sheet, one press sheet per parent sheet.
PrintPart leafletOnRun() {
    PrintPart part = newPrintPart();
    part.PREDREZ = 1;
    part.KOLPREDREZ = 1;
    part.TIPDOLYA = 1;
    part.DOLYA = 1;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 4;
    part.OBOROT = 1;
    part.TIPPLAST = 1;
    part.PRILADLISTPRINT = 999;
    return part;
}

OrderHeader orderOf(double tiraz) {
    OrderHeader order;
    order.TIRAZ = tiraz;
    return order;
}

TEST(CalcPressMakeReady, PercentageOfTheBandPlusSheetsPerPlate) {
    // 4046 press sheets → run 4050 in the band 0–5000: 3 % of 4046 = 121.38, plus 8 plates
    // × 15 sheets: Trunc(241.38).
    const PressWaste press{{{0, 5000, 3}}, 15};
    PrintPart part = leafletOnRun();
    CalcPressMakeReady(part, orderOf(4046), ProductFamily::Sheet, press);
    EXPECT_EQ(part.KOLLISTPECH, 4046);
    EXPECT_EQ(part.KOLPLAST, 8);
    EXPECT_EQ(part.PRILADLISTPRINT, 241);
}

TEST(CalcPressMakeReady, BandsBothInclusiveAndTheLastMatchDecides) {
    const PressWaste press{{{0, 1000, 10}, {1000, 5000, 2}}, 0};
    struct Case {
        double tiraz;
        double sheets;
    };
    // 1000 lies in both bands: 2 %. 996 rounds to 1000 as well. 5004 rounds to 5000 and is
    // still in the second band; 5005 rounds to 5000 (500.5 → 500); 5006 to 5010: no band.
    const Case cases[] = {{1000, 20}, {996, 19}, {990, 99}, {5004, 100}, {5005, 100}, {5006, 0}};
    for (const Case& c : cases) {
        PrintPart part = leafletOnRun();
        part.TIPPLAST = 0;
        CalcPressMakeReady(part, orderOf(c.tiraz), ProductFamily::Sheet, press);
        EXPECT_EQ(part.PRILADLISTPRINT, c.sheets) << c.tiraz;
    }
}

TEST(CalcPressMakeReady, MachineNotFoundGivesNoSheets) {
    PrintPart part = leafletOnRun();
    CalcPressMakeReady(part, orderOf(4046), ProductFamily::Sheet, std::nullopt);
    EXPECT_EQ(part.PRILADLISTPRINT, 0);
    EXPECT_EQ(part.KOLPLAST, 8) << "the plates are counted all the same";
}

TEST(CalcPressMakeReady, BookPlatesWithoutTheQuarter) {
    // 20 pages one per leaf, 8 per press sheet: 1.25 press sheets per copy. The make-ready
    // count is Trunc(1.25 × 8) = 10 plates; the calculation run would count 12.
    PrintPart part = leafletOnRun();
    part.VSTR = 20;
    part.STRNALIST = 1;
    part.DOLYA = 8;
    const PressWaste press{{{0, 100000, 0}}, 10};
    CalcPressMakeReady(part, orderOf(800), ProductFamily::Book, press);
    EXPECT_DOUBLE_EQ(part.KOLPOLOS, 1.25);
    EXPECT_EQ(part.KOLPLAST, 10);
    EXPECT_EQ(part.PRILADLISTPRINT, 100);
}

TEST(AddMakeReadyItem, FixedSheetsForShortRunsBandsForLongerOnes) {
    const MakeReadyNorm norm{"Фальцовка", 500, 50, {{0, 1000, 4}, {1000, 3000, 2}}};
    struct Case {
        double tiraz;
        std::optional<double> sheets;
    };
    const Case cases[] = {
        {500, 50},             // run 500 is not above DOOPR
        {504, 50},             // rounds to 500
        {510, 20},             // Trunc(4 % of 510 = 20.4)
        {1000, 20},            // both bands hold 1000: 2 %
        {2990, 59},            // Trunc(59.8)
        {4000, std::nullopt},  // no band holds it
    };
    for (const Case& c : cases) {
        PrintPart part = leafletOnRun();
        const MakeReadyItem item =
            AddMakeReadyItem(part, orderOf(c.tiraz), ProductFamily::Sheet, norm);
        EXPECT_EQ(item.NAME, "Фальцовка");
        ASSERT_EQ(item.KOLVO.isNull(), !c.sheets.has_value()) << c.tiraz;
        if (c.sheets) {
            EXPECT_EQ(item.KOLVO, *c.sheets) << c.tiraz;
        }
    }
}

TEST(TotalMakeReady, PressSheetsPlusItems) {
    PrintPart part;
    part.PRILADLISTPRINT = 241;
    const std::vector<MakeReadyItem> items{{"Фальцовка", 50}, {"Резка", 30}, {"Пусто", {}}};
    TotalMakeReady(part, items);
    EXPECT_EQ(part.ITOGOLISTPRILAD, 321);
    TotalMakeReady(part, {});
    EXPECT_EQ(part.ITOGOLISTPRILAD, 241);
}

}  // namespace
}  // namespace costing
