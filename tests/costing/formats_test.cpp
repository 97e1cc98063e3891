#include "costing/formats.h"

#include <gtest/gtest.h>

#include <vector>

namespace costing {
namespace {

// Product 90 × 60 with gap 3 and margin 5; press sheets with gap 2 and margin 10.
PrintPart productPart() {
    PrintPart part = newPrintPart();
    part.LENIZD = 90;
    part.WIDIZD = 60;
    part.ZAZOR = 3;
    part.OTSTIZD = 5;
    part.ZAZORPECH = 2;
    part.OTSTPECH = 10;
    part.PREDREZ = 1;
    part.KOLPREDREZ = 9;
    part.TIPDOLYA = 1;
    part.DOLYA = 9;
    part.RASPOL = 2;
    part.TIPPREDREZ = 1;
    return part;
}

const std::vector<Format> kParentFormats{{"70x100", 1000, 700}, {"64x90", 900, 640}};
const std::vector<Format> kPressFormats{{"50x70", 700, 500}, {"32x45", 450, 320}};

OrderHeader orderOf(double tiraz) {
    OrderHeader order;
    order.TIRAZ = tiraz;
    return order;
}

TEST(AssessFormatPair, SheetsProductsAndWasteOfEachPair) {
    struct Case {
        std::size_t parent;
        std::size_t press;
        double pressSheets;
        double products;
        double waste;
    };
    const Case cases[] = {
        // 700 × 500 on 1000 × 700: 1 press sheet, 55 products; 350000 + 53000.
        {0, 0, 1, 55, 403000},
        // 450 × 320 on 1000 × 700: 4 press sheets, 21 products; 124000 + 30600.
        {0, 1, 4, 21, 154600},
        {1, 0, 1, 55, 279000},
        {1, 1, 2, 21, 318600},
    };
    const PrintPart part = productPart();
    for (const Case& c : cases) {
        const PairWaste result = assessFormatPair(part, ProductFamily::Label, {720, 520},
                                                  kParentFormats[c.parent], kPressFormats[c.press]);
        EXPECT_EQ(result.pressSheetsPerParent, c.pressSheets) << c.parent << "/" << c.press;
        EXPECT_EQ(result.productsPerPressSheet, c.products) << c.parent << "/" << c.press;
        EXPECT_EQ(result.waste, c.waste) << c.parent << "/" << c.press;
    }
    // On a press of 480 × 340 the 700 × 500 sheet does not go: both wastes count as none.
    const PairWaste tooLarge = assessFormatPair(part, ProductFamily::Label, {480, 340},
                                                kParentFormats[0], kPressFormats[0]);
    EXPECT_EQ(tooLarge.pressSheetsPerParent, 0);
    EXPECT_EQ(tooLarge.waste, 2000000000);
}

TEST(ChooseFormatsAuto, LeastWastePairIsWrittenAndLaidOut) {
    for (const MachineSize machine : {MachineSize{720, 520}, MachineSize{480, 340}}) {
        PrintPart part = productPart();
        const auto chosen = ChooseFormatsAuto(part, orderOf(1000), ProductFamily::Sheet, machine,
                                              kPressFormats, kParentFormats);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->parent, 0u);
        EXPECT_EQ(chosen->press, 1u);
        EXPECT_EQ(part.FORMATPREDREZ, "32x45");
        EXPECT_EQ(part.LENPREDREZ, 450);
        EXPECT_EQ(part.WIDPREDREZ, 320);
        EXPECT_EQ(part.FORMATLIST, "70x100");
        EXPECT_EQ(part.LENLIST, 1000);
        EXPECT_EQ(part.WIDLIST, 700);
        // Everything automatic again, and the layout run with it.
        EXPECT_EQ(part.PREDREZ, 0);
        EXPECT_EQ(part.TIPPREDREZ, 0);
        EXPECT_EQ(part.TIPDOLYA, 0);
        EXPECT_EQ(part.RASPOL, 0);
        EXPECT_EQ(part.KOLPREDREZ, 4);
        EXPECT_EQ(part.DOLYA, 21);
        EXPECT_EQ(part.KOLBUMLIST, 12);  // ⌈1000 / 84⌉
    }
}

TEST(ChooseFormatsAuto, WithoutAMachineEveryPressFormatFits) {
    // A product of 600 × 400 fits only the large press sheet, which a 480 × 340 press
    // cannot take.
    PrintPart onSmallPress = productPart();
    onSmallPress.LENIZD = 600;
    onSmallPress.WIDIZD = 400;
    PrintPart onAnyPress = onSmallPress;
    EXPECT_FALSE(ChooseFormatsAuto(onSmallPress, orderOf(100), ProductFamily::Sheet,
                                   MachineSize{480, 340}, kPressFormats, kParentFormats)
                     .has_value());
    const auto chosen = ChooseFormatsAuto(onAnyPress, orderOf(100), ProductFamily::Sheet,
                                          std::nullopt, kPressFormats, kParentFormats);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(onAnyPress.FORMATPREDREZ, "50x70");
}

TEST(ChooseFormatsAuto, EqualWasteKeepsThePairMetFirst) {
    const std::vector<Format> parents{{"first", 1000, 700}, {"second", 1000, 700}};
    const std::vector<Format> presses{{"a", 450, 320}, {"b", 450, 320}};
    PrintPart part = productPart();
    const auto chosen =
        ChooseFormatsAuto(part, orderOf(100), ProductFamily::Sheet, std::nullopt, presses, parents);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(part.FORMATLIST, "first");
    EXPECT_EQ(part.FORMATPREDREZ, "a");
}

TEST(ChooseFormatsAuto, ProductWithoutSizeMinimisesParentWasteAlone) {
    // A 600 × 400 product fits only the 700 × 500 press sheet; on 900 × 640 the two wastes
    // add to 226000 + 110000, the least. Without a product size only the parent waste
    // counts, and 450 × 320 four times on 1000 × 700 leaves the least: 124000.
    PrintPart part = productPart();
    part.LENIZD = 600;
    part.WIDIZD = 400;
    ChooseFormatsAuto(part, orderOf(100), ProductFamily::Sheet, MachineSize{720, 520},
                      kPressFormats, kParentFormats);
    EXPECT_EQ(part.FORMATLIST, "64x90");
    EXPECT_EQ(part.FORMATPREDREZ, "50x70");

    part.LENIZD = 0;
    ChooseFormatsAuto(part, orderOf(100), ProductFamily::Sheet, MachineSize{720, 520},
                      kPressFormats, kParentFormats);
    EXPECT_EQ(part.FORMATLIST, "70x100");
    EXPECT_EQ(part.FORMATPREDREZ, "32x45");
}

TEST(ChooseFormatsAuto, NoUsablePairWritesZeroSizes) {
    PrintPart part = productPart();
    part.FORMATLIST = "old";
    part.FORMATPREDREZ = "old";
    const std::vector<Format> tooSmall{{"tiny", 50, 40}};
    const auto chosen = ChooseFormatsAuto(part, orderOf(100), ProductFamily::Sheet, std::nullopt,
                                          tooSmall, kParentFormats);
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(part.LENPREDREZ, 0);
    EXPECT_EQ(part.WIDLIST, 0);
    EXPECT_EQ(part.FORMATLIST, "");
    EXPECT_EQ(part.FORMATPREDREZ, "");
    EXPECT_EQ(part.KOLBUMLIST, 0);
}

TEST(ChooseFormatsAuto, BookPlacesSpreads) {
    // Pages 90 × 60 as spreads 90 × 120 (DBLSIDE 0) fit the 450 × 320 sheet 8 times.
    PrintPart part = productPart();
    part.STRNALIST = 0;
    part.DBLSIDE = 0;
    part.VSTR = 32;
    const PairWaste spreads = assessFormatPair(part, ProductFamily::Book, kAnySheetPress,
                                               kParentFormats[0], kPressFormats[1]);
    // (445/93 = 4) × (315/123 = 2) = 8, or (445/123 = 3) × (315/93 = 3) = 9.
    EXPECT_EQ(spreads.productsPerPressSheet, 9);
    EXPECT_EQ(spreads.waste, 124000 + 144000 - 90 * 120 * 9);
}

TEST(LayoutPreview, RectanglesToScale) {
    struct Case {
        const char* what;
        ProductFamily family;
        double strnalist;
        double dblside;
        PreviewRectangle product;
    };
    // Parent 1000 × 700: 250 × 175, scale 112 for the 450 press sheet (112 × 79), 22 for
    // the 90 × 60 product.
    const Case cases[] = {
        {"single item", ProductFamily::Sheet, 0, 0, {22, 14}},
        {"book, one page per leaf", ProductFamily::Book, 1, 0, {22, 14}},
        {"book spread across the width", ProductFamily::Book, 0, 0, {22, 29}},
        {"book spread along the length", ProductFamily::Book, 0, 1, {44, 14}},
    };
    for (const Case& c : cases) {
        PrintPart part = productPart();
        part.LENLIST = 1000;
        part.WIDLIST = 700;
        part.LENPREDREZ = 450;
        part.WIDPREDREZ = 320;
        part.STRNALIST = c.strnalist;
        part.DBLSIDE = c.dblside;
        const LayoutPreview preview = layoutPreview(part, c.family);
        EXPECT_EQ(preview.parentSheet.height, 250) << c.what;
        EXPECT_EQ(preview.parentSheet.width, 175) << c.what;
        EXPECT_EQ(preview.pressSheet.height, 112) << c.what;
        EXPECT_EQ(preview.pressSheet.width, 79) << c.what;
        EXPECT_EQ(preview.product.height, c.product.height) << c.what;
        EXPECT_EQ(preview.product.width, c.product.width) << c.what;
    }
    PrintPart noParent = productPart();
    noParent.LENPREDREZ = 450;
    noParent.WIDPREDREZ = 320;
    const LayoutPreview empty = layoutPreview(noParent, ProductFamily::Sheet);
    EXPECT_EQ(empty.parentSheet.width, 0);
    EXPECT_EQ(empty.pressSheet.height, 0) << "without a parent sheet there is no scale";
    EXPECT_EQ(empty.product.height, 0);
}

}  // namespace
}  // namespace costing
