#include "costing/materials.h"

#include <gtest/gtest.h>

#include "costing/order.h"
#include "costing/print_part_run.h"

namespace costing {
namespace {

PrintPart formsPart(double left, double right, double oborot) {
    PrintPart part = newPrintPart();
    part.PAINTLEFT = left;
    part.PAINTRIGHT = right;
    part.OBOROT = oborot;
    part.TIPPHOTOV = 1;
    part.TIPPLAST = 1;
    part.CENASHTPHOTOV = 10;
    part.TIMEPHOTOV = 0.15;
    part.CENASHTPLAST = 25;
    part.TIMEPLAST = 0.1;
    return part;
}

TEST(CountFilmsAndPlates, FormsForTheColours) {
    struct Case {
        const char* what;
        ProductFamily family;
        double strnalist;
        double kolpolos;
        double left;
        double right;
        double oborot;
        double forms;
    };
    const Case cases[] = {
        {"leaflet 4+1, own back plates", ProductFamily::Sheet, 0, 0, 4, 1, 1, 5},
        {"leaflet 4+1, work-and-turn: Trunc(2.5) + 1", ProductFamily::Sheet, 0, 0, 4, 1, 0, 3},
        {"leaflet 4+4, work-and-turn", ProductFamily::Label, 0, 0, 4, 4, 0, 4},
        {"book 2 sheets 4+4, own back plates", ProductFamily::Book, 0, 2, 4, 4, 1, 16},
        {"book 2 sheets 4+4, work-and-turn", ProductFamily::Book, 0, 2, 4, 4, 0, 8},
        {"book 1.25 single pages: (1.25 + 0.25) × 8", ProductFamily::Book, 1, 1.25, 4, 4, 1, 12},
        {"book 1.5 single pages: no quarter", ProductFamily::Book, 1, 1.5, 4, 4, 1, 12},
        {"book 1.75 single pages: (1.75 + 0.25) × 8", ProductFamily::Book, 1, 1.75, 4, 4, 1, 16},
        {"book 1.25 spreads: no quarter", ProductFamily::Book, 0, 1.25, 4, 4, 1, 10},
        {"book 10 sheets 4+1 turn: 25, odd colours + 1", ProductFamily::Book, 0, 10, 4, 1, 0, 26},
        {"book 0.5 sheet, own plates: at least one per colour", ProductFamily::Book, 0, 0.5, 4, 0,
         1, 4},
        {"book 0.25 sheet turn 4+0: at least half the colours", ProductFamily::Book, 0, 0.25, 4, 0,
         0, 2},
        {"book 0.25 sheet turn 1+0: Trunc(0.5) then odd + 1", ProductFamily::Book, 0, 0.25, 1, 0, 0,
         1},
    };
    for (const Case& c : cases) {
        PrintPart part = formsPart(c.left, c.right, c.oborot);
        part.STRNALIST = c.strnalist;
        part.KOLPOLOS = c.kolpolos;
        CountFilmsAndPlates(part, c.family, QuarterSheet::CountUp);
        EXPECT_EQ(part.KOLPHOTOV, c.forms) << c.what;
        EXPECT_EQ(part.KOLPLAST, c.forms) << c.what;
        EXPECT_DOUBLE_EQ(part.CENAPHOTOV, 10 * c.forms) << c.what;
        EXPECT_DOUBLE_EQ(part.CENAPLAST, 25 * c.forms) << c.what;
    }
}

TEST(CountFilmsAndPlates, TypedCountStaysAndPricesFollowIt) {
    PrintPart part = formsPart(4, 4, 1);
    part.TIPCALCPLAST = 1;
    part.KOLPLAST = 7;
    CountFilmsAndPlates(part, ProductFamily::Sheet, QuarterSheet::CountUp);
    EXPECT_EQ(part.KOLPLAST, 7);
    EXPECT_DOUBLE_EQ(part.CENAPLAST, 175);
    EXPECT_DOUBLE_EQ(part.TIMEALLPLAST, 0.70);
    EXPECT_EQ(part.KOLPHOTOV, 8) << "films are still counted";
    // 8 films × 0.15 h = 1.2000000000000002 h, kept to cents.
    EXPECT_DOUBLE_EQ(part.TIMEALLPHOTOV, 1.20);
}

TEST(CountFilmsAndPlates, SwitchedOffGroupIsCleared) {
    PrintPart part = formsPart(4, 4, 1);
    part.TIPPHOTOV = 0;
    part.KODPHOTOV = 17;
    part.NAMEPHOTOV = "Плёнка";
    part.TIPCALCPHOTO = 1;
    part.KOLPHOTOV = 9;
    part.CENAPHOTOV = 90;
    part.TIMEALLPHOTOV = 1;
    CountFilmsAndPlates(part, ProductFamily::Sheet, QuarterSheet::CountUp);
    EXPECT_TRUE(part.KODPHOTOV.isNull());
    EXPECT_FALSE(part.NAMEPHOTOV.has_value());
    for (double value :
         {double(part.TIMEPHOTOV), double(part.CENASHTPHOTOV), double(part.TIMEALLPHOTOV),
          double(part.CENAPHOTOV), double(part.TIPCALCPHOTO), double(part.KOLPHOTOV)}) {
        EXPECT_EQ(value, 0);
    }
    EXPECT_EQ(part.KOLPLAST, 8) << "plates are counted on their own switch";
}

TEST(CountFilmsAndPlates, MakeReadyCountAddsNoQuarter) {
    PrintPart part = formsPart(4, 4, 1);
    part.STRNALIST = 1;
    part.KOLPOLOS = 1.25;
    CountFilmsAndPlates(part, ProductFamily::Book, QuarterSheet::AsIs);
    EXPECT_EQ(part.KOLPLAST, 10) << "Trunc(1.25 × 8)";
}

TEST(CalcInk, ImpressionsIncludeMakeReadyAndTheNormScalesToThePressSheet) {
    PrintPart part;
    part.PAINTPRINT = 4;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 1;
    part.KOLLISTPECH = 1000;
    part.ITOGOLISTPRILAD = 100;
    part.LENPREDREZ = 700;
    part.WIDPREDREZ = 500;
    part.NORMRASXPAINT = 1;
    part.PRLENPAINT = 1000;
    part.PRWIDPAINT = 700;
    part.CENAKGPAINT = 20;
    CalcInk(part);
    // 1100 sheets × 5 colours; 1 g per 0.7 m² scales to 0.5 g per 0.35 m² sheet: 2.75 kg.
    EXPECT_EQ(part.KOLPAINTOTT, 5500);
    EXPECT_DOUBLE_EQ(part.PAINTKG, 2.75);
    EXPECT_DOUBLE_EQ(part.CENAPAINT, 55);
}

TEST(CalcInk, PressWithoutInkingUnitsLaysNoInk) {
    PrintPart part;
    part.PAINTPRINT = 0;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 4;
    part.KOLLISTPECH = 1000;
    part.KOLPAINTOTT = 8000;
    part.PAINTKG = 3;
    part.CENAPAINT = 60;
    part.CENAKGPAINT = 20;
    CalcInk(part);
    EXPECT_EQ(part.KOLPAINTOTT, 0);
    EXPECT_EQ(part.PAINTKG, 0);
    EXPECT_EQ(part.CENAPAINT, 0);
}

TEST(CalcInk, WithoutAReferenceSheetTheImpressionsKeepTheirValue) {
    PrintPart part;
    part.PAINTPRINT = 4;
    part.PAINTLEFT = 4;
    part.KOLLISTPECH = 1000;
    part.KOLPAINTOTT = 123;
    part.PAINTKG = 3;
    part.CENAKGPAINT = 20;
    CalcInk(part);
    EXPECT_EQ(part.KOLPAINTOTT, 123);
    EXPECT_EQ(part.PAINTKG, 0);
    EXPECT_EQ(part.CENAPAINT, 0);
}

TEST(CalcVarnishMaterial, VarnishedSidesOfTheRunWithoutMakeReady) {
    PrintPart part;
    part.LAKIR = 1;
    part.TIPLAKIR = 1;
    part.KOLLISTPECH = 1000;
    part.ITOGOLISTPRILAD = 300;
    part.LENPREDREZ = 700;
    part.WIDPREDREZ = 500;
    part.NORMRASXLAK = 2;
    part.PRLENLAK = 1000;
    part.PRWIDLAK = 700;
    part.CENAKGLAK = 10;
    CalcVarnishMaterial(part);
    // 2 sides × 1000 sheets × 1 g per press sheet.
    EXPECT_DOUBLE_EQ(part.LAKKG, 2.00);
    EXPECT_DOUBLE_EQ(part.CENALAK, 20);
}

TEST(CalcMaterialTotals, AuxiliaryMaterialsAsAPercentage) {
    PrintPart part;
    part.CENABUM = 1000;
    part.CENAPAINT = 200;
    part.CENALAK = 0;
    part.VSPOMMATER = 5;
    CalcMaterialTotals(part);
    EXPECT_DOUBLE_EQ(part.COSTOSNMATER, 1200);
    EXPECT_DOUBLE_EQ(part.COSTVSPOMMATER, 60.00);
    EXPECT_DOUBLE_EQ(part.COSTITOGOMATER, 1260);
}

TEST(CalcPrintPart, BookFormsUseExactSheetsPerCopyThenItIsKeptToThreeDecimals) {
    // 6249 pages in spreads of 625 per press sheet: 6249 / 2500 = 2.4996 sheets per copy.
    // Plates for 4+0 with own back plates: Trunc(2.4996 × 4) = 9 (from 2.5 it would be 10).
    PrintPart part = newPrintPart();
    part.VSTR = 6249;
    part.STRNALIST = 0;
    part.TIPDOLYA = 1;
    part.DOLYA = 625;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 0;
    part.OBOROT = 1;
    part.TIPPLAST = 1;
    OrderHeader order;
    order.TIRAZ = 100;
    CalcPrintPart(part, order, Settings{}, ProductFamily::Book);
    EXPECT_EQ(part.KOLPLAST, 9);
    EXPECT_DOUBLE_EQ(part.KOLPOLOS, 2.5);

    part.VSTR = 5864;  // 2.3456 sheets per copy
    CalcPrintPart(part, order, Settings{}, ProductFamily::Book);
    EXPECT_DOUBLE_EQ(part.KOLPOLOS, 2.346);
}

}  // namespace
}  // namespace costing
