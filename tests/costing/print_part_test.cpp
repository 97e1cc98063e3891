#include "costing/print_part.h"

#include <gtest/gtest.h>

namespace costing {
namespace {

TEST(PrintPart, DefaultRecordHasEveryColumnEmpty) {
    const PrintPart part;
    EXPECT_TRUE(part.VSTR.isNull());
    EXPECT_TRUE(part.KOLPREDREZ.isNull());
    EXPECT_FALSE(part.NAMETIP.has_value());
    EXPECT_EQ(double(part.KOLPREDREZ), 0.0) << "an empty column reads as 0";
}

TEST(PrintPart, NewRowGetsTheTableDefaults) {
    const PrintPart part = newPrintPart();
    EXPECT_EQ(part.VSTR, 4);
    EXPECT_EQ(part.KOLPREDREZ, 1);
    EXPECT_EQ(part.KOLKLSH, 1);
    EXPECT_EQ(part.PROGONVYS, 1);
    for (const Number* aSwitch :
         {&part.LAKIR, &part.PRIPR, &part.TIPFALTS, &part.TIPREZKA, &part.TIPVYS, &part.TIPSKLEIKA,
          &part.TIPSHIVKA, &part.TIPLISTPOD, &part.TIPTISN, &part.TIPKLISH, &part.TIPKONGR,
          &part.TIPFOLG, &part.TIPPHOTOV, &part.TIPPLAST, &part.TIPSHTAMP}) {
        EXPECT_FALSE(aSwitch->isNull());
        EXPECT_EQ(*aSwitch, 0);
    }
    EXPECT_TRUE(part.DOLYA.isNull());
    EXPECT_TRUE(part.TIPCALCTISN.isNull());
}

TEST(PrintPart, MembersFollowTheColumnList) {
    const auto columns = printPartColumns();
    const auto members = printPartMembers();
    ASSERT_EQ(columns.size(), members.size());
    PrintPart part;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool isText = std::holds_alternative<Text PrintPart::*>(members[i]);
        EXPECT_EQ(isText, columns[i].type == ColumnType::Varchar) << columns[i].name;
        EXPECT_EQ(printPartColumnIndex(columns[i].name), i) << columns[i].name;
    }
    // Writing through the map reaches the member of the same name.
    const auto at = printPartColumnIndex("KOLPREDREZ");
    ASSERT_TRUE(at.has_value());
    part.*std::get<Number PrintPart::*>(members[*at]) = 6;
    EXPECT_EQ(part.KOLPREDREZ, 6);
    EXPECT_FALSE(printPartColumnIndex("KOLPREDREZZ").has_value());
}

TEST(ComputedFields, PressAndParentSheetsIncludingMakeReady) {
    struct Case {
        double kolbumlist;
        double kollistpech;
        double itogolistprilad;
        double kolpredrez;
        double pechList;
        double bigList;
    };
    const Case cases[] = {
        // KOLPREDREZ 0 divides by 1: 500 + 30.
        {500, 2000, 30, 0, 2030, 530},
        {500, 2000, 30, 4, 2030, 507.5},
        // 14 parent sheets cut in 4, with 20 make-ready press sheets: 14 + 5.
        {14, 56, 20, 4, 76, 19},
        // The make-ready share is kept to cents: 10 / 3 = 3.33.
        {100, 300, 10, 3, 310, 103.33},
    };
    for (const Case& c : cases) {
        PrintPart part;
        part.KOLBUMLIST = c.kolbumlist;
        part.KOLLISTPECH = c.kollistpech;
        part.ITOGOLISTPRILAD = c.itogolistprilad;
        part.KOLPREDREZ = c.kolpredrez;
        EXPECT_DOUBLE_EQ(PechListCalc(part), c.pechList);
        EXPECT_DOUBLE_EQ(BigListCalc(part), c.bigList);
        EXPECT_EQ(part.KOLPREDREZ, c.kolpredrez) << "the computed field leaves KOLPREDREZ alone";
    }
}

}  // namespace
}  // namespace costing
