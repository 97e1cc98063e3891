#include "costing/press.h"

#include <gtest/gtest.h>

#include <vector>

namespace costing {
namespace {

TEST(PressPasses, ColoursOverInkingUnitsRoundedUp) {
    struct Case {
        double colours;
        double units;
        double passes;
    };
    const Case cases[] = {
        {4, 4, 1}, {5, 4, 2}, {1, 4, 1}, {0, 4, 0}, {4, 2, 2}, {3, 2, 2}, {4, 0, 0}, {8, 4, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pressPasses(c.colours, c.units), c.passes) << c.colours << "/" << c.units;
    }
}

// A leaflet 4+4 on a four-unit press: 1100 press sheets with make-ready, 5000 sheets an
// hour, half an hour of make-ready and a quarter of wash-up per make-ready.
PrintPart pressPart() {
    PrintPart part;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 4;
    part.PAINTPRINT = 4;
    part.OBOROT = 1;
    part.KOLLISTPECH = 1000;
    part.ITOGOLISTPRILAD = 100;
    part.SPEEDPRINT = 5000;
    part.MAXSPEEDPRINT = 10000;
    part.PRILAD1PRINT = 0.5;
    part.PRILAD2PRINT = 0.25;
    part.KOEFPRINT = 1.2;
    part.COSTHOURPRINT = 1000;
    part.TRUDVSPOMPRINT = 10;
    part.AMORTPRINT = 0.1;
    part.POWERPRINT = 20;
    part.CHIMVCHAS = 15;
    part.TIPNAKL = 0;
    part.NAKLRASX = 25;
    return part;
}

Settings pressSettings() {
    Settings settings;
    settings.SOCOTCH = 21;
    settings.ENRGCOST = 4;
    return settings;
}

TEST(CalcPress, PassesAndHoursOfALeaflet) {
    struct Case {
        double oborot;
        double hours;
    };
    // Two passes of 1100 sheets: 2200 passes, 0.44 h of printing; make-ready 0.75 h twice
    // with own back plates, once in work-and-turn.
    for (const Case c : {Case{1, 1.94}, Case{0, 1.19}}) {
        PrintPart part = pressPart();
        part.OBOROT = c.oborot;
        CalcPress(part, pressSettings(), ProductFamily::Sheet);
        EXPECT_EQ(part.LISTPROGON, 2200);
        EXPECT_DOUBLE_EQ(part.KOLHOURPRINT, c.hours) << "OBOROT " << c.oborot;
    }
}

TEST(CalcPress, CostsFollowTheHours) {
    PrintPart part = pressPart();
    CalcPress(part, pressSettings(), ProductFamily::Sheet);
    ASSERT_DOUBLE_EQ(part.KOLHOURPRINT, 1.94);
    EXPECT_DOUBLE_EQ(part.COSTTRUDPRINT, 2328.00);  // 1.2 × 1000 × 1.94
    EXPECT_DOUBLE_EQ(part.COSTVSPOMRAB, 232.80);    // 10 %
    EXPECT_DOUBLE_EQ(part.COSTOTCHISL, 537.77);     // 21 % of 2560.80 = 537.768
    EXPECT_DOUBLE_EQ(part.COSTTRUDITOG, 3098.57);
    EXPECT_DOUBLE_EQ(part.COSTAMORT, 220.00);     // 0.1 × 2200 passes
    EXPECT_DOUBLE_EQ(part.COSTENERGY, 77.60);     // 5000 × 4 × 20 × 1.94 / 10000
    EXPECT_DOUBLE_EQ(part.COSTCHIM, 29.10);       // 15 × 1.94
    EXPECT_DOUBLE_EQ(part.COSTNAKLRASX, 582.00);  // 25 % of 2328
}

TEST(CalcPress, OverheadModes) {
    struct Case {
        double tipnakl;
        double expected;
    };
    // Per hour: 300 × 1.94; fixed: 500 whatever the hours; unknown mode: unchanged.
    const Case cases[] = {{1, 582.00}, {2, 500}, {7, 42}};
    for (const Case& c : cases) {
        PrintPart part = pressPart();
        part.TIPNAKL = c.tipnakl;
        part.NAKLRASX = c.tipnakl == 1 ? 300 : 500;
        part.COSTNAKLRASX = 42;
        CalcPress(part, pressSettings(), ProductFamily::Sheet);
        EXPECT_DOUBLE_EQ(part.COSTNAKLRASX, c.expected) << "TIPNAKL " << c.tipnakl;
    }
    PrintPart unknownMode = pressPart();
    unknownMode.TIPNAKL = 7;
    CalcPress(unknownMode, pressSettings(), ProductFamily::Sheet);
    EXPECT_TRUE(unknownMode.COSTNAKLRASX.isNull()) << "an empty overhead cost stays empty";
}

TEST(CalcPress, PressWithoutSpeedStillCountsItsPasses) {
    PrintPart part = pressPart();
    part.SPEEDPRINT = 0;
    part.LISTPROGON = 99999;  // from an earlier calculation
    part.KOLHOURPRINT = 7;
    CalcPress(part, pressSettings(), ProductFamily::Sheet);
    EXPECT_EQ(part.KOLHOURPRINT, 0);
    EXPECT_EQ(part.LISTPROGON, 2200);
    EXPECT_DOUBLE_EQ(part.COSTAMORT, 220.00) << "amortisation charges this run's passes";
    EXPECT_EQ(part.COSTTRUDPRINT, 0);
    EXPECT_EQ(part.COSTENERGY, 0);
}

TEST(CalcPress, WithoutMaximumSpeedNoEnergyIsCharged) {
    PrintPart part = pressPart();
    part.MAXSPEEDPRINT = 0;
    CalcPress(part, pressSettings(), ProductFamily::Sheet);
    EXPECT_EQ(part.COSTENERGY, 0);
}

TEST(CalcPress, BookIsMadeReadyForEveryPressSheetOfACopy) {
    struct Case {
        double tipcalcphoto;
        double tipcalcplast;
        double hours;
    };
    // 2.4 press sheets per copy, work-and-turn 4+4 (m' = 1): 0.75 × 2.4 + 0.44 = 2.24;
    // with both form counts typed the make-ready is counted once: 0.75 + 0.44.
    const Case cases[] = {{0, 0, 2.24}, {1, 0, 2.24}, {0, 1, 2.24}, {1, 1, 1.19}};
    for (const Case& c : cases) {
        PrintPart part = pressPart();
        part.OBOROT = 0;
        part.KOLPOLOS = 2.4;
        part.TIPCALCPHOTO = c.tipcalcphoto;
        part.TIPCALCPLAST = c.tipcalcplast;
        CalcPress(part, pressSettings(), ProductFamily::Book);
        EXPECT_DOUBLE_EQ(part.KOLHOURPRINT, c.hours) << c.tipcalcphoto << "/" << c.tipcalcplast;
    }
}

// A leaflet of run N printed 4+0 on a four-unit press, one per press sheet and one press
// sheet per parent sheet: the layout gives N press sheets and N sheet passes.
PrintPart passesPart() {
    PrintPart part = newPrintPart();
    part.PREDREZ = 1;
    part.KOLPREDREZ = 1;
    part.TIPDOLYA = 1;
    part.DOLYA = 1;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 0;
    part.PAINTPRINT = 4;
    part.NAKLRASX = 111;
    return part;
}

TEST(CalcNaklRasx, BandThatHoldsTheSheetPassesGivesTheRate) {
    const std::vector<OverheadBand> bands{{0, 1000, 300}, {1000, 5000, 200}};
    struct Case {
        double passes;
        double rate;
    };
    // Lower bound inclusive, upper exclusive; no band keeps the earlier rate.
    const Case cases[] = {{1000, 200}, {999, 300}, {5000, 111}, {4999, 200}};
    for (const Case& c : cases) {
        PrintPart part = passesPart();
        OrderHeader order;
        order.TIRAZ = c.passes;
        CalcNaklRasx(part, order, ProductFamily::Sheet, bands);
        EXPECT_EQ(part.LISTPROGON, c.passes);
        EXPECT_EQ(part.NAKLRASX, c.rate) << c.passes << " passes";
    }
}

TEST(CalcNaklRasx, LastOverlappingBandWinsAndTurningIsNotHalved) {
    const std::vector<OverheadBand> overlapping{{0, 3000, 300}, {2000, 5000, 200}};
    PrintPart part = passesPart();
    OrderHeader order;
    order.TIRAZ = 2500;
    CalcNaklRasx(part, order, ProductFamily::Sheet, overlapping);
    EXPECT_EQ(part.NAKLRASX, 200);

    // 4+4 in work-and-turn: 1250 sheets pass twice, 2500 passes.
    PrintPart turned = passesPart();
    turned.PAINTRIGHT = 4;
    turned.OBOROT = 0;
    order.TIRAZ = 1250;
    CalcNaklRasx(turned, order, ProductFamily::Sheet, overlapping);
    EXPECT_EQ(turned.LISTPROGON, 2500);
    EXPECT_EQ(turned.NAKLRASX, 200);
}

TEST(CalcNaklRasx, MachineNotFoundKeepsTheRate) {
    PrintPart part = passesPart();
    OrderHeader order;
    order.TIRAZ = 100;
    CalcNaklRasx(part, order, ProductFamily::Sheet, {});
    EXPECT_EQ(part.NAKLRASX, 111);
    EXPECT_EQ(part.LISTPROGON, 100);
}

}  // namespace
}  // namespace costing
