#include "costing/layout.h"

#include <gtest/gtest.h>

namespace costing {
namespace {

OrderHeader orderOf(double tiraz) {
    OrderHeader order;
    order.TIRAZ = tiraz;
    return order;
}

// Parent sheet 1000 × 700 with margin 10 and gap 5; press sheet 450 × 320 with margin 5 and
// gap 2; product 100 × 70; all automatic.
PrintPart leafletPart() {
    PrintPart part = newPrintPart();
    part.LENLIST = 1000;
    part.WIDLIST = 700;
    part.OTSTPECH = 10;
    part.ZAZORPECH = 5;
    part.LENPREDREZ = 450;
    part.WIDPREDREZ = 320;
    part.OTSTIZD = 5;
    part.ZAZOR = 2;
    part.LENIZD = 100;
    part.WIDIZD = 70;
    part.PREDREZ = 0;
    part.TIPPREDREZ = 0;
    part.TIPDOLYA = 0;
    part.RASPOL = 0;
    return part;
}

TEST(CalcLayout, PressSheetsPerParentSheetByOrientation) {
    // A = 990, B = 690, p = 455, q = 325: along = 2 × 2 = 4, across = Trunc(690/455) ×
    // Trunc(990/325) = 1 × 3 = 3.
    struct Case {
        double tippredrez;
        double expected;
    };
    for (const Case c : {Case{0, 4}, Case{1, 4}, Case{2, 3}}) {
        PrintPart part = leafletPart();
        part.TIPPREDREZ = c.tippredrez;
        CalcLayout(part, orderOf(1000), ProductFamily::Sheet);
        EXPECT_EQ(part.KOLPREDREZ, c.expected) << "TIPPREDREZ " << c.tippredrez;
    }
}

TEST(CalcLayout, ProductsPerPressSheetByOrientation) {
    // C = 445, D = 315, r = 102, s = 72: along = 4 × 4 = 16, across = 6 × 3 = 18.
    struct Case {
        double raspol;
        double expected;
    };
    for (const Case c : {Case{0, 18}, Case{1, 16}, Case{2, 18}}) {
        PrintPart part = leafletPart();
        part.RASPOL = c.raspol;
        CalcLayout(part, orderOf(1000), ProductFamily::Label);
        EXPECT_EQ(part.DOLYA, c.expected) << "RASPOL " << c.raspol;
    }
}

TEST(CalcLayout, PaperForTheRunOfALeaflet) {
    PrintPart part = leafletPart();
    part.ITOGOLISTPRILAD = 20;
    part.PLOTNLIST = 80;
    part.CENALIST = 100;
    part.EDIZMLIST = 0;
    CalcLayout(part, orderOf(1000), ProductFamily::Sheet);
    // 72 leaflets per parent sheet: ⌈1000 / 72⌉ = 14 parent sheets, 56 press sheets.
    EXPECT_EQ(part.KOLBUMLIST, 14);
    EXPECT_EQ(part.KOLLISTPECH, 56);
    // 14 + 20 / 4 = 19 parent sheets × 0.7 m² × 80 g = 1.064 kg.
    EXPECT_DOUBLE_EQ(BigListCalc(part), 19.0);
    EXPECT_DOUBLE_EQ(part.KOLBUMKG, 1.06);
    EXPECT_DOUBLE_EQ(part.CENABUM, 106.00);
    EXPECT_DOUBLE_EQ(part.OTXPECH, 124000.00);
    EXPECT_DOUBLE_EQ(part.OTXIZD, 18000.00);
    EXPECT_EQ(part.KOLPOLOS, 0);

    part.EDIZMLIST = 1;
    part.CENALIST = 5.5;
    CalcLayout(part, orderOf(1000), ProductFamily::Sheet);
    EXPECT_DOUBLE_EQ(part.CENABUM, 104.50) << "19 sheets at 5.5 each";
}

TEST(CalcLayout, AnExactQuotientAddsNoSheet) {
    PrintPart part = leafletPart();
    part.PREDREZ = 1;
    part.KOLPREDREZ = 4;
    part.TIPDOLYA = 1;
    part.DOLYA = 10;
    CalcLayout(part, orderOf(1000), ProductFamily::Sheet);
    EXPECT_EQ(part.KOLBUMLIST, 25);
    EXPECT_EQ(part.KOLLISTPECH, 100);
}

TEST(CalcLayout, TypedCountsStayAndClearTheAutomaticSettings) {
    PrintPart part = leafletPart();
    part.PREDREZ = 1;
    part.KOLPREDREZ = 6;
    part.TIPPREDREZ = 2;
    part.TIPDOLYA = 1;
    part.DOLYA = 9;
    part.RASPOL = 1;
    CalcLayout(part, orderOf(1000), ProductFamily::Sheet);
    EXPECT_EQ(part.KOLPREDREZ, 6);
    EXPECT_EQ(part.TIPPREDREZ, 0);
    EXPECT_EQ(part.ZAZORPECH, 0);
    EXPECT_EQ(part.OTSTPECH, 0);
    EXPECT_EQ(part.DOLYA, 9);
    EXPECT_EQ(part.RASPOL, 0);
    EXPECT_EQ(part.ZAZOR, 0);
    EXPECT_EQ(part.OTSTIZD, 0) << "a leaflet typed by hand has no trim margin";

    PrintPart book = leafletPart();
    book.TIPDOLYA = 1;
    book.DOLYA = 8;
    CalcLayout(book, orderOf(500), ProductFamily::Book);
    EXPECT_EQ(book.OTSTIZD, 5) << "a book keeps its trim margin";
    EXPECT_EQ(book.ZAZOR, 0);
}

TEST(CalcLayout, BookPressSheetsPerCopyAndPaper) {
    struct Case {
        double strnalist;
        double kolpolos;
        double kolbumlist;
    };
    // 64 pages, 8 units per press sheet, run 500, 2 press sheets per parent sheet.
    // Spreads: 64 / (8 × 4) = 2 press sheets per copy, ⌈2 × 500 / 2⌉ = 500 parent sheets.
    // Single pages: 64 / (8 × 2) = 4 per copy, 1000 parent sheets.
    for (const Case c : {Case{0, 2, 500}, Case{1, 4, 1000}}) {
        PrintPart part = leafletPart();
        part.VSTR = 64;
        part.STRNALIST = c.strnalist;
        part.TIPDOLYA = 1;
        part.DOLYA = 8;
        part.PREDREZ = 1;
        part.KOLPREDREZ = 2;
        CalcLayout(part, orderOf(500), ProductFamily::Book);
        EXPECT_EQ(part.KOLPOLOS, c.kolpolos);
        EXPECT_EQ(part.KOLBUMLIST, c.kolbumlist);
        EXPECT_EQ(part.KOLLISTPECH, 2 * c.kolbumlist);
    }
}

TEST(CalcLayout, BookSpreadDoublesTheSideDblsideNames) {
    // Press sheet 450 × 320 without margins or gaps, page 100 × 70.
    struct Case {
        double strnalist;
        double dblside;
        double dolya;
        double otxizd;
    };
    const Case cases[] = {
        // Single pages 100 × 70: best of 4 × 4 and 6 × 3 = 18; waste 144000 − 18 × 7000.
        {1, 0, 18, 18000},
        // Spread 100 × 140: 4 × 2 = 8 or Trunc(450/140) × Trunc(320/100) = 3 × 3 = 9.
        {0, 0, 9, 144000 - 9 * 7000 * 2},
        // Spread 200 × 70: 2 × 4 = 8 or 6 × 1 = 6.
        {0, 1, 8, 144000 - 8 * 7000 * 2},
    };
    for (const Case& c : cases) {
        PrintPart part = leafletPart();
        part.OTSTIZD = 0;
        part.ZAZOR = 0;
        part.STRNALIST = c.strnalist;
        part.DBLSIDE = c.dblside;
        part.VSTR = 16;
        CalcLayout(part, orderOf(100), ProductFamily::Book);
        EXPECT_EQ(part.DOLYA, c.dolya) << c.strnalist << "/" << c.dblside;
        EXPECT_DOUBLE_EQ(part.OTXIZD, c.otxizd) << c.strnalist << "/" << c.dblside;
    }
}

TEST(CalcLayout, SheetsThatDoNotFitGiveZeroPaper) {
    struct Case {
        const char* what;
        ProductFamily family;
        void (*arrange)(PrintPart&);
    };
    const Case cases[] = {
        {"no press-sheet size", ProductFamily::Sheet, [](PrintPart& p) { p.WIDPREDREZ = 0; }},
        {"no product size", ProductFamily::Box, [](PrintPart& p) { p.LENIZD = 0; }},
        {"press sheet larger than the parent sheet", ProductFamily::Sheet,
         [](PrintPart& p) { p.LENPREDREZ = 1200; }},
        // A book whose press sheet does not fit buys no paper, like the other families.
        {"book press sheet larger than the parent sheet", ProductFamily::Book,
         [](PrintPart& p) { p.LENPREDREZ = 1200; }},
        // Margin 1500 on 1000 × 700: Trunc(-500/455) = -1 and Trunc(-800/325) = -2 would
        // multiply to 2 press sheets; each factor counts as 0 instead.
        {"margin wider than the parent sheet", ProductFamily::Sheet,
         [](PrintPart& p) { p.OTSTPECH = 1500; }},
        {"book with a margin wider than the parent sheet", ProductFamily::Book,
         [](PrintPart& p) { p.OTSTPECH = 1500; }},
    };
    for (const Case& c : cases) {
        PrintPart part = leafletPart();
        part.VSTR = 16;
        part.KOLLISTPECH = 77;
        part.KOLBUMKG = 5;
        part.CENABUM = 50;
        part.CENALIST = 100;
        part.PLOTNLIST = 80;
        c.arrange(part);
        CalcLayout(part, orderOf(1000), c.family);
        EXPECT_GE(part.KOLPREDREZ, 0) << c.what;
        EXPECT_EQ(part.KOLPREDREZ * part.DOLYA, 0) << c.what;
        EXPECT_EQ(part.KOLBUMLIST, 0) << c.what;
        EXPECT_EQ(part.KOLBUMKG, 0) << c.what;
        EXPECT_EQ(part.CENABUM, 0) << c.what;
        EXPECT_EQ(part.KOLLISTPECH, 77) << c.what << ": press sheets keep their value";
    }
}

TEST(CalcLayout, MarginWiderThanThePressSheetCountsNoProducts) {
    // Margin 700 on 450 × 320 with product 100 × 70: Trunc(-250/102) = -2 and
    // Trunc(-380/72) = -5 would give 10 products.
    PrintPart part = leafletPart();
    part.OTSTIZD = 700;
    CalcLayout(part, orderOf(1000), ProductFamily::Sheet);
    EXPECT_EQ(part.DOLYA, 0);
}

TEST(PiecesThatFit, TruncatesAndNeverGoesNegative) {
    EXPECT_EQ(piecesThatFit(990, 455), 2);
    EXPECT_EQ(piecesThatFit(910, 455), 2);
    EXPECT_EQ(piecesThatFit(-500, 455), 0);
    EXPECT_EQ(piecesThatFit(300, 0), 0);
}

}  // namespace
}  // namespace costing
