#include "costing/finishing.h"

#include <gtest/gtest.h>

namespace costing {
namespace {

OrderHeader orderOf(double tiraz) {
    OrderHeader order;
    order.TIRAZ = tiraz;
    return order;
}

// Folding of 4000 press sheets: half an hour of make-ready, 2000 sheets an hour.
PrintPart foldingPart(double calcType, double makeReady, double price) {
    PrintPart part = newPrintPart();
    part.KOLLISTPECH = 4000;
    part.TIPFALTS = 1;
    part.KODFALTS = 5;
    part.NAMEFALTS = "Фальцевальная";
    part.SPEEDFALTS = 2000;
    part.PRILADFALTS = makeReady;
    part.CENAFALTS = price;
    part.NAKLFALTS = calcType == 0 ? 50 : 0.02;
    part.TIPCALCFALTS = calcType;
    return part;
}

TEST(CalcFinishing, FoldingByTimeSheetsAndCopies) {
    struct Case {
        const char* what;
        double calcType;
        double makeReady;
        double price;
        double hours;
        double cost;
        double overheadCost;
    };
    const Case cases[] = {
        // 0.5 + 4000 / 2000 = 2.5 h at 300 and 50 an hour.
        {"by time", 0, 0.5, 300, 2.50, 750.00, 125.00},
        // 100 + 0.1 × 4000 sheets; overhead 0.02 × 4000.
        {"by sheets", 1, 100, 0.1, 0, 500.00, 80.00},
        // 100 + 0.1 × 1000 copies; overhead 0.02 × 1000.
        {"by copies", 2, 100, 0.1, 0, 200.00, 20.00},
    };
    for (const Case& c : cases) {
        PrintPart part = foldingPart(c.calcType, c.makeReady, c.price);
        part.KOLHOURFALTS = 9;  // hours of an earlier calculation by time
        CalcFinishing(part, orderOf(1000), FinishingOperation::Folding);
        EXPECT_DOUBLE_EQ(part.KOLHOURFALTS, c.hours) << c.what;
        EXPECT_DOUBLE_EQ(part.COSTFALTS, c.cost) << c.what;
        EXPECT_DOUBLE_EQ(part.COSTNAKLFALTS, c.overheadCost) << c.what;
    }
}

TEST(CalcFinishing, NoSpeedNoHoursAndUnknownTypeComputesNothing) {
    PrintPart part = foldingPart(0, 0.5, 300);
    part.SPEEDFALTS = 0;
    CalcFinishing(part, orderOf(1000), FinishingOperation::Folding);
    EXPECT_EQ(part.KOLHOURFALTS, 0);
    EXPECT_EQ(part.COSTFALTS, 0);
    EXPECT_EQ(part.COSTNAKLFALTS, 0);

    PrintPart unknown = foldingPart(5, 0.5, 300);
    unknown.KOLHOURFALTS = 3;
    unknown.COSTFALTS = 33;
    CalcFinishing(unknown, orderOf(1000), FinishingOperation::Folding);
    EXPECT_EQ(unknown.KOLHOURFALTS, 3);
    EXPECT_EQ(unknown.COSTFALTS, 33);
    EXPECT_TRUE(unknown.COSTNAKLFALTS.isNull());
}

TEST(CalcFinishing, SwitchedOffOperationIsCleared) {
    PrintPart part = foldingPart(1, 100, 0.1);
    part.TIPFALTS = 0;
    part.KOLHOURFALTS = 2;
    part.COSTFALTS = 500;
    part.COSTNAKLFALTS = 80;
    CalcFinishing(part, orderOf(1000), FinishingOperation::Folding);
    EXPECT_TRUE(part.KODFALTS.isNull());
    EXPECT_FALSE(part.NAMEFALTS.has_value());
    for (const Number* column :
         {&part.SPEEDFALTS, &part.PRILADFALTS, &part.CENAFALTS, &part.KOLHOURFALTS, &part.COSTFALTS,
          &part.COSTNAKLFALTS, &part.NAKLFALTS, &part.TIPCALCFALTS}) {
        EXPECT_FALSE(column->isNull());
        EXPECT_EQ(*column, 0);
    }
}

TEST(CalcFinishing, TwoSidedVarnishingDoublesSheetsAndCopies) {
    struct Case {
        double calcType;
        double sides;
        double cost;
    };
    // 100 make-ready + 0.1 per varnished side: 1000 sheets or 500 copies per side.
    const Case cases[] = {{1, 0, 200}, {1, 1, 300}, {2, 0, 150}, {2, 1, 200}};
    for (const Case& c : cases) {
        PrintPart part = newPrintPart();
        part.KOLLISTPECH = 1000;
        part.LAKIR = 1;
        part.TIPLAKIR = c.sides;
        part.PRILADLAKIR = 100;
        part.CENALAKIR = 0.1;
        part.TIPCALCLAKIR = c.calcType;
        CalcFinishing(part, orderOf(500), FinishingOperation::Varnishing);
        EXPECT_DOUBLE_EQ(part.COSTLAKIR, c.cost) << c.calcType << "/" << c.sides;
    }
}

TEST(CalcFinishing, VarnishingByTimeCountsBothSidesOnTheMachine) {
    PrintPart part = newPrintPart();
    part.KOLLISTPECH = 3000;
    part.LAKIR = 1;
    part.TIPLAKIR = 1;
    part.PRILADLAKIR = 0.5;
    part.SPEEDLAKIR = 3000;
    part.CENALAKIR = 100;
    part.TIPCALCLAKIR = 0;
    CalcFinishing(part, orderOf(500), FinishingOperation::Varnishing);
    EXPECT_DOUBLE_EQ(part.KOLHOURLAKIR, 2.50);  // 0.5 + 6000 / 3000
    EXPECT_DOUBLE_EQ(part.COSTLAKIR, 250.00);
}

TEST(CalcFinishing, SwitchingVarnishingOffEmptiesTheVarnish) {
    PrintPart part = newPrintPart();
    part.LAKIR = 0;
    part.TIPLAKIR = 1;
    part.KODLAK = 12;
    part.NAMELAK = "Лак ВД";
    part.NORMRASXLAK = 2;
    part.PRLENLAK = 1000;
    part.PRWIDLAK = 700;
    part.CENAKGLAK = 30;
    CalcFinishing(part, orderOf(500), FinishingOperation::Varnishing);
    EXPECT_EQ(part.TIPLAKIR, 0);
    EXPECT_TRUE(part.KODLAK.isNull());
    EXPECT_FALSE(part.NAMELAK.has_value());
    EXPECT_EQ(part.NORMRASXLAK, 0);
    EXPECT_EQ(part.PRLENLAK, 0);
    EXPECT_EQ(part.PRWIDLAK, 0);
    EXPECT_EQ(part.CENAKGLAK, 0);

    PrintPart lamination = newPrintPart();
    lamination.PRIPR = 0;
    lamination.TIPPRIPR = 1;
    CalcFinishing(lamination, orderOf(500), FinishingOperation::Lamination);
    EXPECT_EQ(lamination.TIPPRIPR, 0);
}

TEST(CalcFinishing, DieCuttingRepeatsForEveryPass) {
    struct Case {
        double calcType;
        double hours;
        double cost;
        double overheadCost;
    };
    // One pass: by time 0.5 + 2000/4000 = 1 h at 200 and 20 an hour; by sheets
    // 50 + 0.05 × 2000 = 150, overhead 0.01 × 2000 = 20. Three passes triple them all.
    const Case cases[] = {{0, 3.00, 600.00, 60.00}, {1, 0, 450.00, 60.00}};
    for (const Case& c : cases) {
        PrintPart part = newPrintPart();
        part.KOLLISTPECH = 2000;
        part.TIPVYS = 1;
        part.PROGONVYS = 3;
        part.TIPCALCVYS = c.calcType;
        part.SPEEDVYS = 4000;
        part.PRILADVYS = c.calcType == 0 ? 0.5 : 50;
        part.CENAVYS = c.calcType == 0 ? 200 : 0.05;
        part.NAKLVYS = c.calcType == 0 ? 20 : 0.01;
        CalcFinishing(part, orderOf(1000), FinishingOperation::DieCutting);
        EXPECT_DOUBLE_EQ(part.KOLHOURVYS, c.hours) << c.calcType;
        EXPECT_DOUBLE_EQ(part.COSTVYS, c.cost) << c.calcType;
        EXPECT_DOUBLE_EQ(part.COSTNAKLVYS, c.overheadCost) << c.calcType;
    }
    PrintPart off = newPrintPart();
    off.TIPVYS = 0;
    off.PROGONVYS = 3;
    CalcFinishing(off, orderOf(1000), FinishingOperation::DieCutting);
    EXPECT_EQ(off.PROGONVYS, 1);
}

TEST(CalcFinishing, EveryOperationUsesItsOwnColumns) {
    // Same figures for the six single-sided operations: 1 + 1000/1000 hours at 100 an hour.
    struct Operation {
        FinishingOperation operation;
        Number PrintPart::*switchOn;
        Number PrintPart::*speed;
        Number PrintPart::*makeReady;
        Number PrintPart::*price;
        Number PrintPart::*cost;
    };
    const Operation operations[] = {
        {FinishingOperation::Folding, &PrintPart::TIPFALTS, &PrintPart::SPEEDFALTS,
         &PrintPart::PRILADFALTS, &PrintPart::CENAFALTS, &PrintPart::COSTFALTS},
        {FinishingOperation::Cutting, &PrintPart::TIPREZKA, &PrintPart::SPEEDREZKA,
         &PrintPart::PRILADREZKA, &PrintPart::CENAREZKA, &PrintPart::COSTREZKA},
        {FinishingOperation::DieCutting, &PrintPart::TIPVYS, &PrintPart::SPEEDVYS,
         &PrintPart::PRILADVYS, &PrintPart::CENAVYS, &PrintPart::COSTVYS},
        {FinishingOperation::Gluing, &PrintPart::TIPSKLEIKA, &PrintPart::SPEEDSKLEIKA,
         &PrintPart::PRILADSKLEIKA, &PrintPart::CENASKLEIKA, &PrintPart::COSTSKLEIKA},
        {FinishingOperation::Stitching, &PrintPart::TIPSHIVKA, &PrintPart::SPEEDSHIVKA,
         &PrintPart::PRILADSHIVKA, &PrintPart::CENASHIVKA, &PrintPart::COSTSHIVKA},
        {FinishingOperation::Collating, &PrintPart::TIPLISTPOD, &PrintPart::SPEEDLISTPOD,
         &PrintPart::PRILADLISTPOD, &PrintPart::CENALISTPOD, &PrintPart::COSTLISTPOD},
    };
    for (const Operation& op : operations) {
        PrintPart part = newPrintPart();
        part.KOLLISTPECH = 1000;
        part.*op.switchOn = 1;
        part.*op.speed = 1000;
        part.*op.makeReady = 1;
        part.*op.price = 100;
        CalcFinishing(part, orderOf(1000), op.operation);
        EXPECT_DOUBLE_EQ(part.*op.cost, 200.00) << int(op.operation);
    }
}

// Embossing of 100 × 100 pieces on a 450 × 320 press sheet with 50 × 40 clichés.
PrintPart embossingPart() {
    PrintPart part = newPrintPart();
    part.TIPTISN = 1;
    part.LENPREDREZ = 450;
    part.WIDPREDREZ = 320;
    part.KOLPREDREZ = 2;
    part.KOLLISTPECH = 1000;
    part.LENTISN = 100;
    part.WIDTISN = 100;
    part.LENKLISH = 50;
    part.WIDKLISH = 40;
    part.KOLKLSH = 2;
    part.CENASHTKLISHE = 0.05;
    part.TIPDOLYATISN = 0;
    part.RASPOLTISN = 0;
    return part;
}

TEST(CalcEmbossing, PiecesPerSheetImpressionsPerPieceAndClichés) {
    PrintPart part = embossingPart();
    CalcEmbossing(part, orderOf(1000), Settings{});
    EXPECT_EQ(part.DOLYATISN, 12);             // 4 × 3 either way
    EXPECT_EQ(part.PROGONTISN, 4);             // 2 × 2 either way
    EXPECT_DOUBLE_EQ(part.CENAKLISH, 200.00);  // 0.05 × 40 × 50 × 2

    PrintPart typed = embossingPart();
    typed.TIPDOLYATISN = 1;
    typed.DOLYATISN = 7;
    typed.RASPOLTISN = 1;
    typed.PROGONTISN = 3;
    CalcEmbossing(typed, orderOf(1000), Settings{});
    EXPECT_EQ(typed.DOLYATISN, 7);
    EXPECT_EQ(typed.PROGONTISN, 3);

    PrintPart noCliche = embossingPart();
    noCliche.RASPOLTISN = 1;
    noCliche.PROGONTISN = 3;
    noCliche.WIDKLISH = 0;
    CalcEmbossing(noCliche, orderOf(1000), Settings{});
    EXPECT_EQ(noCliche.PROGONTISN, 0) << "without a cliché size there is nothing to press";
}

TEST(CalcEmbossing, FoilInRollsOrSquareMetresWithWaste) {
    struct Case {
        double calcfolg;
        double foil;
        double cost;
    };
    // 1000 sheets × 12 pieces × 100 × 100 mm = 120 000 000 mm².
    // Rolls of 100 000 × 620 mm: 1.935… → 1.94, plus 10 % → 2.134 → 2.13, at 500 a roll.
    // Square metres: 120, plus 10 % → 132.00, at 500 a square metre.
    for (const Case c : {Case{0, 2.13, 1065.00}, Case{1, 132.00, 66000}}) {
        PrintPart part = embossingPart();
        part.TIPFOLG = 1;
        part.LENFOLG = 100000;
        part.WIDFOLG = 620;
        part.TEXNOTXTISN = 10;
        part.CENASHTFOLG = 500;
        Settings settings;
        settings.TIP_CALCFOLG = c.calcfolg;
        CalcEmbossing(part, orderOf(1000), settings);
        EXPECT_DOUBLE_EQ(part.KOLRULFOLG, c.foil) << c.calcfolg;
        EXPECT_DOUBLE_EQ(part.CENAFOLG, c.cost) << c.calcfolg;
    }
    PrintPart noFoil = embossingPart();
    noFoil.TIPFOLG = 0;
    noFoil.KOLRULFOLG = 3;
    noFoil.CENAFOLG = 30;
    CalcEmbossing(noFoil, orderOf(1000), Settings{});
    EXPECT_EQ(noFoil.KOLRULFOLG, 0);
    EXPECT_EQ(noFoil.CENAFOLG, 0);
}

TEST(CalcEmbossing, CongreveOnlyWhenSwitchedOn) {
    for (double on : {0.0, 1.0}) {
        PrintPart part = embossingPart();
        part.TIPKONGR = on;
        part.KOLKONGR = 2;
        part.CENASHTKONGR = 45;
        CalcEmbossing(part, orderOf(1000), Settings{});
        EXPECT_DOUBLE_EQ(part.CENAKONGR, on * 90);
    }
}

TEST(CalcEmbossing, MachineByTimeSheetsAndCopies) {
    struct Case {
        const char* what;
        double calcType;
        double perImpression;
        double speed;
        double kolpredrez;
        double hours;
        double cost;
        double overheadCost;
    };
    // 4 impressions × 1000 sheets × 12 pieces = 48 000 impressions; make-ready 0.5 h twice.
    const Case cases[] = {
        // 1 + 48000 / 8000 = 7 h; 20 an hour; overhead 5 an hour.
        {"by time, priced per hour", 0, 0, 8000, 2, 7.00, 140.00, 35.00},
        // Priced per impression: 0.01 × 48000 whatever the hours.
        {"by time, priced per impression", 0, 1, 8000, 2, 7.00, 480.00, 35.00},
        {"by time per impression, no press sheets", 0, 1, 8000, 0, 7.00, 0, 35.00},
        // No speed: no hours, no cost and no overhead.
        {"by time without speed", 0, 0, 0, 2, 0, 0, 0},
        // Make-ready 1 + 0.01 × 48000; overhead 0.001 × 48000.
        {"by sheets", 1, 0, 8000, 2, 0, 481.00, 48.00},
        {"by sheets, no press sheets", 1, 0, 8000, 0, 0, 0, 0},
        // 1 + 0.01 × 4 × 1000 copies; overhead 0.001 × 1000.
        {"by copies", 2, 0, 8000, 2, 0, 41.00, 1.00},
    };
    for (const Case& c : cases) {
        PrintPart part = embossingPart();
        part.TIPCALCTISN = c.calcType;
        part.TISNLISTCHAS = c.perImpression;
        part.SPEEDTISN = c.speed;
        part.KOLPREDREZ = c.kolpredrez;
        part.PRILADTISN = 0.5;
        part.KOLPRILADTISN = 2;
        const bool perHour = c.calcType == 0 && c.perImpression == 0;
        part.CENATISN = perHour ? 20 : 0.01;
        part.NAKLTISN = c.calcType == 0 ? 5 : 0.001;
        part.KOLHOURTISN = 9;  // from an earlier calculation
        part.COSTNAKLTISN = 99;
        CalcEmbossing(part, orderOf(1000), Settings{});
        EXPECT_DOUBLE_EQ(part.KOLHOURTISN, c.hours) << c.what;
        EXPECT_DOUBLE_EQ(part.COSTTISN, c.cost) << c.what;
        EXPECT_DOUBLE_EQ(part.COSTNAKLTISN, c.overheadCost) << c.what;
    }
}

TEST(CalcEmbossing, SwitchedOffResetsEverything) {
    PrintPart part = embossingPart();
    part.TIPTISN = 0;
    part.KODTISN = 3;
    part.NAMETISN = "Тиснильный пресс";
    part.FORMATTISN = "10x10";
    part.NAMEKLISH = "Клише";
    part.NAMEKONGR = "Конгрев";
    part.NAMEFOLG = "Фольга";
    part.KODKLISH = 4;
    part.KOLKLSH = 5;
    part.TIPFOLG = 1;
    part.CENAFOLG = 100;
    part.KOLPRILADTISN = 2;
    CalcEmbossing(part, orderOf(1000), Settings{});
    EXPECT_TRUE(part.KODTISN.isNull());
    for (const Text* name :
         {&part.NAMETISN, &part.FORMATTISN, &part.NAMEKLISH, &part.NAMEKONGR, &part.NAMEFOLG}) {
        EXPECT_FALSE(name->has_value());
    }
    EXPECT_EQ(part.KODKLISH, 0);
    EXPECT_FALSE(part.KODKLISH.isNull()) << "the material codes become 0, not empty";
    EXPECT_EQ(part.LENKLISH, 0);
    EXPECT_EQ(part.LENTISN, 0);
    EXPECT_EQ(part.TIPFOLG, 0);
    EXPECT_EQ(part.CENAFOLG, 0);
    EXPECT_EQ(part.DOLYATISN, 0);
    EXPECT_EQ(part.KOLKLSH, 1);
    EXPECT_EQ(part.KOLPRILADTISN, 2) << "the number of make-readies is not reset";
}

// A part with a cutting die, collating and a page count, as typed before the clean-up.
PrintPart partWithEverything() {
    PrintPart part = newPrintPart();
    part.VSTR = 48;
    part.KOLPOLOS = 3;
    part.TIPSHTAMP = 1;
    part.CENASHTAMP = 900;
    part.LENSHTAMP = 500;
    part.WIDSHTAMP = 400;
    part.TIMESHTAMP = 2;
    part.TIPLISTPOD = 1;
    part.KODLISTPOD = 8;
    part.NAMELISTPOD = "Листоподборочная";
    part.COSTLISTPOD = 120;
    part.KOLHOURLISTPOD = 1;
    part.COSTNAKLLISTPOD = 12;
    return part;
}

TEST(CleanUpForFamily, WhatEachFamilyKeeps) {
    struct Case {
        ProductFamily family;
        double tipshtamp;
        bool keepsPages;
        bool keepsDie;
        bool keepsCollating;
        double collatingOverhead;
    };
    const Case cases[] = {
        {ProductFamily::Book, 1, true, false, true, 12},
        {ProductFamily::Sheet, 1, false, false, false, 12},
        {ProductFamily::Label, 1, false, false, false, 12},
        {ProductFamily::Box, 1, false, true, false, 0},
        {ProductFamily::Box, 0, false, false, false, 0},
    };
    for (const Case& c : cases) {
        PrintPart part = partWithEverything();
        part.TIPSHTAMP = c.tipshtamp;
        CleanUpForFamily(part, c.family);
        const int family = int(c.family);
        EXPECT_EQ(part.VSTR, c.keepsPages ? 48 : 0) << family;
        EXPECT_EQ(part.KOLPOLOS, c.keepsPages ? 3 : 0) << family;
        EXPECT_EQ(part.CENASHTAMP, c.keepsDie ? 900 : 0) << family;
        EXPECT_EQ(part.TIMESHTAMP, c.keepsDie ? 2 : 0) << family;
        EXPECT_EQ(part.LENSHTAMP, c.keepsDie ? 500 : 0) << family;
        EXPECT_EQ(part.TIPSHTAMP, c.family == ProductFamily::Box ? c.tipshtamp : 0) << family;
        EXPECT_EQ(part.TIPLISTPOD, c.keepsCollating ? 1 : 0) << family;
        EXPECT_EQ(part.COSTLISTPOD, c.keepsCollating ? 120 : 0) << family;
        EXPECT_EQ(part.KODLISTPOD.isNull(), !c.keepsCollating) << family;
        EXPECT_EQ(part.COSTNAKLLISTPOD, c.collatingOverhead) << family;
    }
}

}  // namespace
}  // namespace costing
