#include "costing/order_totals.h"

#include <gtest/gtest.h>

#include <vector>

namespace costing {
namespace {

Settings vatAndProfit(double tiprentab, double tipnds) {
    Settings settings;
    settings.TIPRENTAB = tiprentab;
    settings.NDS = 12;
    settings.TIPNDS = tipnds;
    return settings;
}

// A print part whose whole printing cost is the given amount (films only).
PrintPart partCosting(double amount, double hours = 0) {
    PrintPart part;
    part.CENAPHOTOV = amount;
    part.KOLHOURPRINT = hours;
    return part;
}

TEST(CalcOrderTotals, ProfitVatAndPriceFromTheCostPrice) {
    struct Case {
        double tipnds;
        double vat;
        double price;
    };
    // Cost price 10000, profit 20 %: 2000. VAT 12 % of 12000 or of 10000.
    for (const Case c : {Case{1, 1440.00, 13440}, Case{0, 1200.00, 13200}}) {
        OrderHeader order;
        order.RENT = 20;
        order.TIRAZ = 3000;
        const std::vector<PrintPart> parts{partCosting(10000)};
        CalcOrderTotals(order, parts, 0, {}, {}, vatAndProfit(0, c.tipnds), ProductFamily::Sheet);
        EXPECT_DOUBLE_EQ(order.SEBES, 10000);
        EXPECT_DOUBLE_EQ(order.RENTCENA, 2000.00);
        EXPECT_DOUBLE_EQ(order.NDSCENA, c.vat);
        EXPECT_DOUBLE_EQ(order.STOIM, c.price);
    }
}

TEST(CalcOrderTotals, PricePerCopyAndInTheAdditionalCurrency) {
    struct Case {
        double kurs;
        double tiraz;
        double exemp;
        double stoimDopVal;
        double exempDopVal;
    };
    const Case cases[] = {
        // 13440 / 3000 = 4.48; no rate, no currency prices.
        {0, 3000, 4.48, 0, 0},
        // 13440 / 64 = 210.00 in the currency, 0.07 a copy.
        {64, 3000, 4.48, 210.00, 0.07},
        // No run, no prices per copy.
        {64, 0, 0, 210.00, 0},
    };
    for (const Case& c : cases) {
        OrderHeader order;
        order.RENT = 20;
        order.TIRAZ = c.tiraz;
        order.KURS = c.kurs;
        const std::vector<PrintPart> parts{partCosting(10000)};
        CalcOrderTotals(order, parts, 0, {}, {}, vatAndProfit(0, 1), ProductFamily::Label);
        ASSERT_DOUBLE_EQ(order.STOIM, 13440);
        EXPECT_DOUBLE_EQ(order.EXEMP, c.exemp);
        EXPECT_DOUBLE_EQ(order.STOIMDOPVAL, c.stoimDopVal);
        EXPECT_DOUBLE_EQ(order.EXEMPDOPVAL, c.exempDopVal);
    }
}

TEST(CalcOrderTotals, ProfitPerHourAndTheRentBesideIt) {
    // 1.5 printing hours + 1.25 pre-press + 0.75 post-press = 3.5 h.
    std::vector<Work> prepress(1);
    prepress[0].ALLTIME = 1.25;
    prepress[0].ALLCENA = 100;
    std::vector<Work> postpress(1);
    postpress[0].KOLVO = 3;
    postpress[0].TIMEOPER = 0.25;
    postpress[0].CENA = 12.5;
    const std::vector<PrintPart> parts{partCosting(999, 1.5)};
    for (double rentPerHour : {0.0, 80.0}) {
        OrderHeader order;
        order.RENT = 500;
        order.TIRAZ = 100;
        Settings settings = vatAndProfit(1, 0);
        settings.NDS = 0;
        settings.COSTRENT = rentPerHour;
        CalcOrderTotals(order, parts, 0, prepress, postpress, settings, ProductFamily::Book);
        EXPECT_DOUBLE_EQ(order.RENTCENA, 1750.00) << "500 an hour for 3.5 h";
        EXPECT_DOUBLE_EQ(order.COSTRENT, rentPerHour * 3.5);
        EXPECT_DOUBLE_EQ(order.SEBES, 100 + 999 + 37.5) << "the rent is no part of the cost";
        EXPECT_DOUBLE_EQ(order.STOIM, 1136.5 + 1750);
    }
}

TEST(CalcOrderTotals, PostPressLineTotalsAndHoursKeptToCentsAlongTheWay) {
    std::vector<Work> postpress(3);
    for (Work& work : postpress) {
        work.KOLVO = 3;
        work.TIMEOPER = 0.25;
        work.CENA = 12.5;
    }
    // Pre-press lines are taken as they are, and their hours are kept to cents after every
    // line: 0.333 → 0.33, then 0.33 + 0.333 = 0.663 → 0.66 (summed first it would be 0.67).
    std::vector<Work> prepress(2);
    prepress[0].ALLTIME = 0.333;
    prepress[1].ALLTIME = 0.333;
    prepress[0].ALLCENA = 10.005;
    prepress[1].ALLCENA = 20;
    OrderHeader order;
    CalcOrderTotals(order, {}, 0, prepress, postpress, Settings{}, ProductFamily::Book);
    for (const Work& work : postpress) {
        EXPECT_DOUBLE_EQ(work.ALLTIME, 0.75);
        EXPECT_DOUBLE_EQ(work.ALLCENA, 37.50);
    }
    EXPECT_DOUBLE_EQ(order.TIMEPOSTPECH, 2.25);
    EXPECT_DOUBLE_EQ(order.COSTPOSTPECH, 112.5);
    EXPECT_DOUBLE_EQ(order.TIMEDOPECH, 0.66);
    EXPECT_DOUBLE_EQ(order.COSTDOPECH, 30.005) << "money is summed unrounded";
    EXPECT_TRUE(prepress[0].KOLVO.isNull()) << "pre-press lines are not recomputed";
}

TEST(CalcOrderTotals, WhichPrintPartsCount) {
    const std::vector<PrintPart> parts{partCosting(1000, 1), partCosting(300, 2)};
    struct Case {
        ProductFamily family;
        std::size_t current;
        double cost;
        double hours;
    };
    const Case cases[] = {
        {ProductFamily::Book, 1, 1300, 3},
        {ProductFamily::Label, 0, 1300, 3},
        // Sheet and box windows hold one print part: only the current one counts.
        {ProductFamily::Sheet, 0, 1000, 1},
        {ProductFamily::Box, 1, 300, 2},
    };
    for (const Case& c : cases) {
        OrderHeader order;
        CalcOrderTotals(order, parts, c.current, {}, {}, Settings{}, c.family);
        EXPECT_DOUBLE_EQ(order.COSTPRINT, c.cost) << int(c.family);
        EXPECT_DOUBLE_EQ(order.TIMEPRINT, c.hours) << int(c.family);
    }
}

TEST(CalcOrderTotals, EveryCostAndHourColumnOfAPrintPartCounts) {
    // Each cost column holds a distinct power of two, so a missing or doubled column shows
    // in the sum.
    PrintPart part;
    Number PrintPart::*const costs[] = {
        &PrintPart::CENAPHOTOV,      &PrintPart::CENAPLAST,       &PrintPart::COSTOSNMATER,
        &PrintPart::COSTVSPOMMATER,  &PrintPart::COSTTRUDITOG,    &PrintPart::COSTAMORT,
        &PrintPart::COSTENERGY,      &PrintPart::COSTNAKLRASX,    &PrintPart::COSTCHIM,
        &PrintPart::COSTLAKIR,       &PrintPart::COSTPRIPR,       &PrintPart::COSTFALTS,
        &PrintPart::COSTREZKA,       &PrintPart::COSTLISTPOD,     &PrintPart::COSTVYS,
        &PrintPart::COSTSKLEIKA,     &PrintPart::COSTSHIVKA,      &PrintPart::COSTTISN,
        &PrintPart::COSTNAKLLAKIR,   &PrintPart::COSTNAKLPRIPR,   &PrintPart::COSTNAKLFALTS,
        &PrintPart::COSTNAKLREZKA,   &PrintPart::COSTNAKLLISTPOD, &PrintPart::COSTNAKLVYS,
        &PrintPart::COSTNAKLSKLEIKA, &PrintPart::COSTNAKLSHIVKA,  &PrintPart::COSTNAKLTISN,
        &PrintPart::CENAKLISH,       &PrintPart::CENAKONGR,       &PrintPart::CENAFOLG,
        &PrintPart::CENASHTAMP,
    };
    double expectedCost = 0;
    double power = 1;
    for (auto column : costs) {
        part.*column = power;
        expectedCost += power;
        power *= 2;
    }
    Number PrintPart::*const hours[] = {
        &PrintPart::KOLHOURPRINT,   &PrintPart::KOLHOURLAKIR,  &PrintPart::KOLHOURPRIPR,
        &PrintPart::KOLHOURFALTS,   &PrintPart::KOLHOURREZKA,  &PrintPart::KOLHOURVYS,
        &PrintPart::KOLHOURSKLEIKA, &PrintPart::KOLHOURSHIVKA, &PrintPart::KOLHOURLISTPOD,
        &PrintPart::TIMEALLPHOTOV,  &PrintPart::TIMEALLPLAST,  &PrintPart::KOLHOURTISN,
        &PrintPart::TIMESHTAMP,
    };
    double expectedHours = 0;
    power = 1;
    for (auto column : hours) {
        part.*column = power;
        expectedHours += power;
        power *= 2;
    }
    // Columns that are not costs stay out of the sum.
    part.CENABUM = 1e9;
    part.COSTITOGOMATER = 1e9;
    part.COSTTRUDPRINT = 1e9;
    const std::vector<PrintPart> parts{part};
    OrderHeader order;
    CalcOrderTotals(order, parts, 0, {}, {}, Settings{}, ProductFamily::Book);
    EXPECT_EQ(order.COSTPRINT, expectedCost);
    EXPECT_EQ(order.TIMEPRINT, expectedHours);
}

TEST(RecalcProfit, NewRateFromTheStoredCostAndHours) {
    OrderHeader order;
    order.SEBES = 10000;
    order.TIMEDOPECH = 1;
    order.TIMEPRINT = 2;
    order.TIMEPOSTPECH = 0.5;
    order.TIRAZ = 3000;
    order.RENT = 20;
    RecalcProfit(order, vatAndProfit(0, 1));
    EXPECT_DOUBLE_EQ(order.STOIM, 13440);
    EXPECT_DOUBLE_EQ(order.EXEMP, 4.48);

    order.RENT = 500;
    RecalcProfit(order, vatAndProfit(1, 0));
    EXPECT_DOUBLE_EQ(order.RENTCENA, 1750.00);
    EXPECT_DOUBLE_EQ(order.NDSCENA, 1200.00);
    EXPECT_DOUBLE_EQ(order.STOIM, 12950);
    EXPECT_DOUBLE_EQ(order.SEBES, 10000) << "the cost price stays";
    EXPECT_DOUBLE_EQ(order.TIMEPRINT, 2) << "the hours stay";
}

TEST(CalcWorkLineTotals, CopiesTimesTimeAndPrice) {
    Work work;
    work.KOLVO = 5000;
    work.TIMEOPER = 0.0012;
    work.CENA = 0.035;
    CalcWorkLineTotals(work);
    EXPECT_DOUBLE_EQ(work.ALLTIME, 6.00);
    EXPECT_DOUBLE_EQ(work.ALLCENA, 175.00);
}

}  // namespace
}  // namespace costing
