// A whole book order worked out by hand: a cover and a block, run 1000, every finishing
// operation of the shop switched on in at least one of them, pre-press and post-press works.

#include <gtest/gtest.h>

#include <vector>

#include "costing/order_totals.h"
#include "costing/print_part_run.h"

namespace costing {
namespace {

Settings shopSettings() {
    Settings settings;
    settings.NDS = 12;
    settings.TIPNDS = 0;
    settings.SOCOTCH = 20;
    settings.ENRGCOST = 5;
    settings.TIP_CALCFOLG = 0;
    settings.COSTRENT = 100;
    settings.TIPRENTAB = 0;
    return settings;
}

OrderHeader bookOrder() {
    OrderHeader order;
    order.TIPPROD = 0;
    order.TIRAZ = 1000;
    order.RENT = 20;
    order.KURS = 50;
    return order;
}

// Both parts: pages 290 × 200 in spreads 290 × 400 on press sheets 700 × 500 cut two from a
// parent sheet 1000 × 700 (no margins: along 1 × 1, across 1 × 2 = 2).
// Spreads on the press sheet, margin 10: C = 690, D = 490; along Trunc(690/290) = 2 ×
// Trunc(490/400) = 1, across 1 × 1: DOLYA 2. Waste of a press sheet 350000 − 2 × 116000.
PrintPart bookPart(const char* name, double pages) {
    PrintPart part = newPrintPart();
    part.NAMETIP = name;
    part.VSTR = pages;
    part.STRNALIST = 0;
    part.DBLSIDE = 0;
    part.LENIZD = 290;
    part.WIDIZD = 200;
    part.LENPREDREZ = 700;
    part.WIDPREDREZ = 500;
    part.LENLIST = 1000;
    part.WIDLIST = 700;
    part.OTSTPECH = 0;
    part.ZAZORPECH = 0;
    part.OTSTIZD = 10;
    part.ZAZOR = 0;
    part.NORMRASXPAINT = 1.4;
    part.PRLENPAINT = 1000;
    part.PRWIDPAINT = 700;
    part.CENAKGPAINT = 40;
    part.VSPOMMATER = 5;
    return part;
}

// The cover: 4 pages, 4+0, every operation on.
PrintPart cover() {
    PrintPart part = bookPart("Обложка", 4);
    part.ITOGOLISTPRILAD = 60;
    part.PLOTNLIST = 250;
    part.EDIZMLIST = 0;
    part.CENALIST = 2;
    part.PAINTLEFT = 4;
    part.PAINTRIGHT = 0;
    part.OBOROT = 1;
    part.TIPPHOTOV = 1;
    part.TIMEPHOTOV = 0.1;
    part.CENASHTPHOTOV = 15;
    part.TIPPLAST = 1;
    part.TIMEPLAST = 0.05;
    part.CENASHTPLAST = 30;
    // Four-colour press.
    part.PAINTPRINT = 4;
    part.SPEEDPRINT = 5000;
    part.MAXSPEEDPRINT = 10000;
    part.PRILAD1PRINT = 0.5;
    part.PRILAD2PRINT = 0.3;
    part.KOEFPRINT = 1;
    part.COSTHOURPRINT = 1000;
    part.TRUDVSPOMPRINT = 10;
    part.AMORTPRINT = 0.05;
    part.POWERPRINT = 20;
    part.CHIMVCHAS = 10;
    part.TIPNAKL = 1;
    part.NAKLRASX = 200;
    // Varnish, one side, by time.
    part.LAKIR = 1;
    part.TIPLAKIR = 0;
    part.NORMRASXLAK = 2;
    part.PRLENLAK = 1000;
    part.PRWIDLAK = 700;
    part.CENAKGLAK = 30;
    part.TIPCALCLAKIR = 0;
    part.SPEEDLAKIR = 2000;
    part.PRILADLAKIR = 0.25;
    part.CENALAKIR = 400;
    part.NAKLLAKIR = 40;
    // Lamination, two sides, by sheets.
    part.PRIPR = 1;
    part.TIPPRIPR = 1;
    part.TIPCALCPRIPR = 1;
    part.PRILADPRIPR = 50;
    part.CENAPRIPR = 0.3;
    part.NAKLPRIPR = 0.02;
    // Folding by time.
    part.TIPFALTS = 1;
    part.TIPCALCFALTS = 0;
    part.SPEEDFALTS = 5000;
    part.PRILADFALTS = 0.2;
    part.CENAFALTS = 300;
    part.NAKLFALTS = 30;
    // Cutting by copies, with hours left from an earlier calculation by time.
    part.TIPREZKA = 1;
    part.TIPCALCREZKA = 2;
    part.PRILADREZKA = 20;
    part.CENAREZKA = 0.05;
    part.NAKLREZKA = 0.01;
    part.KOLHOURREZKA = 5;
    // Die-cutting by sheets, two passes.
    part.TIPVYS = 1;
    part.PROGONVYS = 2;
    part.TIPCALCVYS = 1;
    part.PRILADVYS = 30;
    part.CENAVYS = 0.1;
    part.NAKLVYS = 0.05;
    // Gluing by time.
    part.TIPSKLEIKA = 1;
    part.TIPCALCSKLEIKA = 0;
    part.SPEEDSKLEIKA = 1000;
    part.PRILADSKLEIKA = 0.5;
    part.CENASKLEIKA = 200;
    part.NAKLSKLEIKA = 20;
    // Stitching by copies.
    part.TIPSHIVKA = 1;
    part.TIPCALCSHIVKA = 2;
    part.PRILADSHIVKA = 10;
    part.CENASHIVKA = 0.2;
    part.NAKLSHIVKA = 0.05;
    // Collating by time.
    part.TIPLISTPOD = 1;
    part.TIPCALCLISTPOD = 0;
    part.SPEEDLISTPOD = 2500;
    part.PRILADLISTPOD = 0.2;
    part.CENALISTPOD = 250;
    part.NAKLLISTPOD = 25;
    // Embossing by time priced per hour, pieces 200 × 150, clichés 100 × 50, foil in rolls,
    // congreve.
    part.TIPTISN = 1;
    part.TIPCALCTISN = 0;
    part.TISNLISTCHAS = 0;
    part.SPEEDTISN = 3000;
    part.PRILADTISN = 0.5;
    part.KOLPRILADTISN = 2;
    part.CENATISN = 100;
    part.NAKLTISN = 10;
    part.LENTISN = 200;
    part.WIDTISN = 150;
    part.TIPKLISH = 1;
    part.LENKLISH = 100;
    part.WIDKLISH = 50;
    part.KOLKLSH = 2;
    part.CENASHTKLISHE = 0.01;
    part.TIPFOLG = 1;
    part.LENFOLG = 120000;
    part.WIDFOLG = 640;
    part.TEXNOTXTISN = 5;
    part.CENASHTFOLG = 1000;
    part.TIPKONGR = 1;
    part.KOLKONGR = 2;
    part.CENASHTKONGR = 45;
    // A cutting die typed in by mistake: a book has none.
    part.TIPSHTAMP = 1;
    part.CENASHTAMP = 999;
    part.TIMESHTAMP = 3;
    return part;
}

// The block: 64 pages, 1+1 in work-and-turn on a two-colour press; no films; folding,
// stitching and collating on, the other operations off with leftovers of earlier choices.
PrintPart block() {
    PrintPart part = bookPart("Блок", 64);
    part.ITOGOLISTPRILAD = 200;
    part.PLOTNLIST = 80;
    part.EDIZMLIST = 1;
    part.CENALIST = 1.5;
    part.PAINTLEFT = 1;
    part.PAINTRIGHT = 1;
    part.OBOROT = 0;
    part.TIPPHOTOV = 0;
    part.KODPHOTOV = 5;
    part.NAMEPHOTOV = "Плёнка";
    part.TIPPLAST = 1;
    part.TIMEPLAST = 0.05;
    part.CENASHTPLAST = 30;
    part.PAINTPRINT = 2;
    part.SPEEDPRINT = 8000;
    part.MAXSPEEDPRINT = 10000;
    part.PRILAD1PRINT = 0.4;
    part.PRILAD2PRINT = 0.1;
    part.KOEFPRINT = 1.1;
    part.COSTHOURPRINT = 800;
    part.TRUDVSPOMPRINT = 5;
    part.AMORTPRINT = 0.02;
    part.POWERPRINT = 15;
    part.CHIMVCHAS = 8;
    part.TIPNAKL = 0;
    part.NAKLRASX = 15;
    part.LAKIR = 0;
    part.KODLAK = 12;
    part.NAMELAK = "Лак";
    part.NORMRASXLAK = 2;
    part.PRLENLAK = 1000;
    part.PRWIDLAK = 700;
    part.CENAKGLAK = 30;
    part.PRIPR = 0;
    part.TIPPRIPR = 1;
    part.TIPREZKA = 0;
    part.TIPVYS = 0;
    part.PROGONVYS = 3;
    part.TIPSKLEIKA = 0;
    part.TIPFALTS = 1;
    part.TIPCALCFALTS = 0;
    part.SPEEDFALTS = 5000;
    part.PRILADFALTS = 0.5;
    part.CENAFALTS = 300;
    part.NAKLFALTS = 30;
    part.TIPSHIVKA = 1;
    part.TIPCALCSHIVKA = 0;
    part.SPEEDSHIVKA = 1000;
    part.PRILADSHIVKA = 0.5;
    part.CENASHIVKA = 200;
    part.NAKLSHIVKA = 20;
    part.TIPLISTPOD = 1;
    part.TIPCALCLISTPOD = 2;
    part.PRILADLISTPOD = 50;
    part.CENALISTPOD = 0.5;
    part.NAKLLISTPOD = 0.1;
    part.KOLHOURLISTPOD = 3;
    part.TIPTISN = 0;
    part.KOLKLSH = 5;
    return part;
}

class BookOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        parts = {cover(), block()};
        CalcPrintParts(parts, order, settings, ProductFamily::Book);
        // One pre-press and two post-press works, 1000 copies each; the pre-press lines
        // get their totals when their window is left, before the calculation.
        prepress.resize(1);
        prepress[0].KOLVO = 1000;
        prepress[0].TIMEOPER = 0.001;
        prepress[0].CENA = 0.5;
        CalcWorkLineTotals(prepress[0]);
        postpress.resize(2);
        postpress[0].KOLVO = 1000;
        postpress[0].TIMEOPER = 0.002;
        postpress[0].CENA = 0.3;
        postpress[1].KOLVO = 1000;
        postpress[1].TIMEOPER = 0.0005;
        postpress[1].CENA = 0.1;
        CalcOrderTotals(order, parts, 0, prepress, postpress, settings, ProductFamily::Book);
    }

    Settings settings = shopSettings();
    OrderHeader order = bookOrder();
    std::vector<PrintPart> parts;
    std::vector<Work> prepress;
    std::vector<Work> postpress;
};

TEST_F(BookOrder, CoverLayoutPaperFormsAndInk) {
    const PrintPart& p = parts[0];
    EXPECT_EQ(p.KOLPREDREZ, 2);
    EXPECT_EQ(p.DOLYA, 2);
    EXPECT_DOUBLE_EQ(p.KOLPOLOS, 0.5);  // 4 pages / (2 spreads × 4)
    EXPECT_EQ(p.KOLBUMLIST, 250);       // ⌈0.5 × 1000 / 2⌉
    EXPECT_EQ(p.KOLLISTPECH, 500);
    // 250 + 60 / 2 = 280 parent sheets × 0.7 m² × 250 g = 49 kg at 2 a kilogram.
    EXPECT_DOUBLE_EQ(p.KOLBUMKG, 49.00);
    EXPECT_DOUBLE_EQ(p.CENABUM, 98.00);
    EXPECT_DOUBLE_EQ(p.OTXPECH, 0);
    EXPECT_DOUBLE_EQ(p.OTXIZD, 118000);
    // Own back plates: Trunc(0.5 × 4) = 2, raised to one per colour: 4 films and 4 plates.
    EXPECT_EQ(p.KOLPHOTOV, 4);
    EXPECT_DOUBLE_EQ(p.CENAPHOTOV, 60);
    EXPECT_DOUBLE_EQ(p.TIMEALLPHOTOV, 0.40);
    EXPECT_EQ(p.KOLPLAST, 4);
    EXPECT_DOUBLE_EQ(p.CENAPLAST, 120);
    EXPECT_DOUBLE_EQ(p.TIMEALLPLAST, 0.20);
    // 560 press sheets with make-ready × 4 colours; 1.4 g per 0.7 m² is 0.7 g per press
    // sheet: 2240 × 0.0007 = 1.568 → 1.57 kg at 40.
    EXPECT_EQ(p.KOLPAINTOTT, 2240);
    EXPECT_DOUBLE_EQ(p.PAINTKG, 1.57);
    EXPECT_DOUBLE_EQ(p.CENAPAINT, 62.8);
}

TEST_F(BookOrder, CoverPress) {
    const PrintPart& p = parts[0];
    // One pass of 560 sheets; make-ready 0.8 h for half a press sheet per copy:
    // 0.8 × 0.5 + 560 / 5000 = 0.512 → 0.51 h.
    EXPECT_EQ(p.LISTPROGON, 560);
    EXPECT_DOUBLE_EQ(p.KOLHOURPRINT, 0.51);
    EXPECT_DOUBLE_EQ(p.COSTTRUDPRINT, 510.00);
    EXPECT_DOUBLE_EQ(p.COSTVSPOMRAB, 51.00);
    EXPECT_DOUBLE_EQ(p.COSTOTCHISL, 112.20);  // 20 % of 561
    EXPECT_DOUBLE_EQ(p.COSTTRUDITOG, 673.20);
    EXPECT_DOUBLE_EQ(p.COSTAMORT, 28.00);   // 0.05 × 560
    EXPECT_DOUBLE_EQ(p.COSTENERGY, 25.50);  // 5000 × 5 × 20 × 0.51 / 10000
    EXPECT_DOUBLE_EQ(p.COSTCHIM, 5.10);
    EXPECT_DOUBLE_EQ(p.COSTNAKLRASX, 102.00);  // 200 an hour
}

TEST_F(BookOrder, CoverVarnishMaterialsAndFinishing) {
    const PrintPart& p = parts[0];
    // Varnish: one side of 500 sheets at 1 g a press sheet = 0.5 kg at 30.
    EXPECT_DOUBLE_EQ(p.LAKKG, 0.50);
    EXPECT_DOUBLE_EQ(p.CENALAK, 15);
    // Materials: 15 + 62.8 + 98 = 175.8, auxiliary 5 % = 8.79.
    EXPECT_DOUBLE_EQ(p.COSTOSNMATER, 175.8);
    EXPECT_DOUBLE_EQ(p.COSTVSPOMMATER, 8.79);
    EXPECT_DOUBLE_EQ(p.COSTITOGOMATER, 184.59);

    struct Operation {
        const char* name;
        double hours;
        double cost;
        double overheadCost;
    };
    const Operation expected[] = {
        // 0.25 + 500 / 2000 = 0.5 h at 400 and 40.
        {"varnishing", 0.50, 200.00, 20.00},
        // 50 + 0.3 × 1000 sides, overhead 0.02 × 1000.
        {"lamination", 0, 350.00, 20.00},
        // 0.2 + 500 / 5000 = 0.3 h at 300 and 30.
        {"folding", 0.30, 90.00, 9.00},
        // 20 + 0.05 × 1000 copies; the old 5 hours are gone.
        {"cutting", 0, 70.00, 10.00},
        // (30 + 0.1 × 500) × 2 passes; 0.05 × 500 × 2.
        {"die-cutting", 0, 160.00, 50.00},
        // 0.5 + 500 / 1000 = 1 h at 200 and 20.
        {"gluing", 1.00, 200.00, 20.00},
        // 10 + 0.2 × 1000 copies; 0.05 × 1000.
        {"stitching", 0, 210.00, 50.00},
        // 0.2 + 500 / 2500 = 0.4 h at 250 and 25.
        {"collating", 0.40, 100.00, 10.00},
    };
    const double actual[][3] = {
        {p.KOLHOURLAKIR, p.COSTLAKIR, p.COSTNAKLLAKIR},
        {p.KOLHOURPRIPR, p.COSTPRIPR, p.COSTNAKLPRIPR},
        {p.KOLHOURFALTS, p.COSTFALTS, p.COSTNAKLFALTS},
        {p.KOLHOURREZKA, p.COSTREZKA, p.COSTNAKLREZKA},
        {p.KOLHOURVYS, p.COSTVYS, p.COSTNAKLVYS},
        {p.KOLHOURSKLEIKA, p.COSTSKLEIKA, p.COSTNAKLSKLEIKA},
        {p.KOLHOURSHIVKA, p.COSTSHIVKA, p.COSTNAKLSHIVKA},
        {p.KOLHOURLISTPOD, p.COSTLISTPOD, p.COSTNAKLLISTPOD},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_DOUBLE_EQ(actual[i][0], expected[i].hours) << expected[i].name;
        EXPECT_DOUBLE_EQ(actual[i][1], expected[i].cost) << expected[i].name;
        EXPECT_DOUBLE_EQ(actual[i][2], expected[i].overheadCost) << expected[i].name;
    }
}

TEST_F(BookOrder, CoverEmbossingAndNoCuttingDie) {
    const PrintPart& p = parts[0];
    // Pieces 200 × 150 on 700 × 500: along 3 × 3 = 9, across Trunc(700/150) = 4 × 2 = 8.
    EXPECT_EQ(p.DOLYATISN, 9);
    // Clichés 100 × 50 on a piece: along 2 × 3 = 6, across 1 × 4 = 4.
    EXPECT_EQ(p.PROGONTISN, 6);
    EXPECT_DOUBLE_EQ(p.CENAKLISH, 100.00);  // 0.01 × 50 × 100 × 2 clichés
    // 500 × 9 × 200 × 150 = 135 000 000 mm² over rolls of 76 800 000: 1.7578125 → 1.76,
    // plus 5 % = 1.848 → 1.85 rolls at 1000.
    EXPECT_DOUBLE_EQ(p.KOLRULFOLG, 1.85);
    EXPECT_DOUBLE_EQ(p.CENAFOLG, 1850.00);
    EXPECT_DOUBLE_EQ(p.CENAKONGR, 90);
    // 6 × 500 × 9 = 27000 impressions: 0.5 × 2 + 27000 / 3000 = 10 h at 100 and 10.
    EXPECT_DOUBLE_EQ(p.KOLHOURTISN, 10.00);
    EXPECT_DOUBLE_EQ(p.COSTTISN, 1000.00);
    EXPECT_DOUBLE_EQ(p.COSTNAKLTISN, 100.00);
    EXPECT_EQ(p.TIPSHTAMP, 0);
    EXPECT_EQ(p.CENASHTAMP, 0);
    EXPECT_EQ(p.TIMESHTAMP, 0);
    EXPECT_EQ(p.VSTR, 4) << "a book keeps its pages";
}

TEST_F(BookOrder, Block) {
    const PrintPart& p = parts[1];
    EXPECT_DOUBLE_EQ(p.KOLPOLOS, 8);  // 64 / (2 × 4)
    EXPECT_EQ(p.KOLBUMLIST, 4000);    // 8 × 1000 / 2
    EXPECT_EQ(p.KOLLISTPECH, 8000);
    // 4000 + 200 / 2 = 4100 parent sheets × 0.7 m² × 80 g = 229.6 kg; 1.5 a sheet.
    EXPECT_DOUBLE_EQ(p.KOLBUMKG, 229.60);
    EXPECT_DOUBLE_EQ(p.CENABUM, 6150.00);
    // No films: cleared. Plates in work-and-turn: Trunc(8 × 2 / 2) = 8.
    EXPECT_TRUE(p.KODPHOTOV.isNull());
    EXPECT_FALSE(p.NAMEPHOTOV.has_value());
    EXPECT_EQ(p.KOLPHOTOV, 0);
    EXPECT_EQ(p.KOLPLAST, 8);
    EXPECT_DOUBLE_EQ(p.CENAPLAST, 240);
    EXPECT_DOUBLE_EQ(p.TIMEALLPLAST, 0.40);
    // 8200 sheets × 2 colours × 0.0007 kg = 11.48 kg at 40.
    EXPECT_EQ(p.KOLPAINTOTT, 16400);
    EXPECT_DOUBLE_EQ(p.PAINTKG, 11.48);
    EXPECT_DOUBLE_EQ(p.CENAPAINT, 459.2);
    // One pass per side on the two-colour press: 16400 passes; work-and-turn halves the
    // make-ready: 0.5 h × 8 sheets × 1 + 16400 / 8000 = 6.05 h.
    EXPECT_EQ(p.LISTPROGON, 16400);
    EXPECT_DOUBLE_EQ(p.KOLHOURPRINT, 6.05);
    EXPECT_DOUBLE_EQ(p.COSTTRUDPRINT, 5324.00);  // 1.1 × 800 × 6.05
    EXPECT_DOUBLE_EQ(p.COSTVSPOMRAB, 266.20);
    EXPECT_DOUBLE_EQ(p.COSTOTCHISL, 1118.04);  // 20 % of 5590.20
    EXPECT_DOUBLE_EQ(p.COSTTRUDITOG, 6708.24);
    EXPECT_DOUBLE_EQ(p.COSTAMORT, 328.00);
    EXPECT_DOUBLE_EQ(p.COSTENERGY, 363.00);  // 8000 × 5 × 15 × 6.05 / 10000
    EXPECT_DOUBLE_EQ(p.COSTCHIM, 48.40);
    EXPECT_DOUBLE_EQ(p.COSTNAKLRASX, 798.60);  // 15 % of 5324
    // Varnishing off: no varnish, its material cleared.
    EXPECT_EQ(p.LAKKG, 0);
    EXPECT_EQ(p.CENALAK, 0);
    EXPECT_TRUE(p.KODLAK.isNull());
    EXPECT_EQ(p.CENAKGLAK, 0);
    EXPECT_DOUBLE_EQ(p.COSTOSNMATER, 6609.2);
    EXPECT_DOUBLE_EQ(p.COSTVSPOMMATER, 330.46);
    // Folding 0.5 + 8000 / 5000 = 2.1 h; stitching 0.5 + 8000 / 1000 = 8.5 h; collating
    // 50 + 0.5 × 1000 copies, its old hours gone.
    EXPECT_DOUBLE_EQ(p.KOLHOURFALTS, 2.10);
    EXPECT_DOUBLE_EQ(p.COSTFALTS, 630.00);
    EXPECT_DOUBLE_EQ(p.COSTNAKLFALTS, 63.00);
    EXPECT_DOUBLE_EQ(p.KOLHOURSHIVKA, 8.50);
    EXPECT_DOUBLE_EQ(p.COSTSHIVKA, 1700.00);
    EXPECT_DOUBLE_EQ(p.COSTNAKLSHIVKA, 170.00);
    EXPECT_EQ(p.KOLHOURLISTPOD, 0);
    EXPECT_DOUBLE_EQ(p.COSTLISTPOD, 550.00);
    EXPECT_DOUBLE_EQ(p.COSTNAKLLISTPOD, 100.00);
    // Switched-off operations and embossing are reset.
    EXPECT_EQ(p.TIPPRIPR, 0);
    EXPECT_EQ(p.PROGONVYS, 1);
    EXPECT_EQ(p.KOLKLSH, 1);
    EXPECT_EQ(p.COSTTISN, 0);
}

TEST_F(BookOrder, OrderTotals) {
    // Cover: 60 + 120 + 175.8 + 8.79 + 673.2 + 28 + 25.5 + 102 + 5.1 (press and materials)
    // + 200 + 350 + 90 + 70 + 100 + 160 + 200 + 210 + 1000 (operations)
    // + 20 + 20 + 9 + 10 + 10 + 50 + 20 + 50 + 100 (their overheads)
    // + 100 + 90 + 1850 (clichés, congreve, foil) = 5907.39.
    // Block: 240 + 6609.2 + 330.46 + 6708.24 + 328 + 363 + 798.6 + 48.4
    // + 630 + 550 + 1700 + 63 + 100 + 170 = 18638.90.
    EXPECT_NEAR(order.COSTPRINT, 24546.29, 1e-9);
    // Hours: cover 0.51 + 0.5 + 0.3 + 1 + 0.4 + 0.4 + 0.2 + 10 = 13.31;
    // block 6.05 + 2.1 + 8.5 + 0.4 = 17.05.
    EXPECT_NEAR(order.TIMEPRINT, 30.36, 1e-9);
    EXPECT_DOUBLE_EQ(prepress[0].ALLTIME, 1.00);
    EXPECT_DOUBLE_EQ(prepress[0].ALLCENA, 500.00);
    EXPECT_DOUBLE_EQ(postpress[0].ALLTIME, 2.00);
    EXPECT_DOUBLE_EQ(postpress[0].ALLCENA, 300.00);
    EXPECT_DOUBLE_EQ(postpress[1].ALLTIME, 0.50);
    EXPECT_DOUBLE_EQ(postpress[1].ALLCENA, 100.00);
    EXPECT_DOUBLE_EQ(order.COSTDOPECH, 500);
    EXPECT_DOUBLE_EQ(order.TIMEDOPECH, 1.00);
    EXPECT_DOUBLE_EQ(order.COSTPOSTPECH, 400);
    EXPECT_DOUBLE_EQ(order.TIMEPOSTPECH, 2.50);
    // 33.86 hours at 100 rent.
    EXPECT_NEAR(order.COSTRENT, 3386, 1e-9);
    EXPECT_NEAR(order.SEBES, 25446.29, 1e-9);
    EXPECT_DOUBLE_EQ(order.RENTCENA, 5089.26);  // 20 % = 5089.258
    EXPECT_DOUBLE_EQ(order.NDSCENA, 3053.55);   // 12 % of the cost price = 3053.5548
    EXPECT_NEAR(order.STOIM, 33589.10, 1e-9);
    EXPECT_DOUBLE_EQ(order.STOIMDOPVAL, 671.78);  // at 50
    EXPECT_DOUBLE_EQ(order.EXEMP, 33.59);
    EXPECT_DOUBLE_EQ(order.EXEMPDOPVAL, 0.67);
}

}  // namespace
}  // namespace costing
