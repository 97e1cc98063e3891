#include <gtest/gtest.h>

#include "orders/order_heading.h"

namespace {

using zelvan::colourCount;
using zelvan::colourSummary;
using zelvan::oneLine;

TEST(OrderHeadingTest, TypedColoursThatAreNoWholeNumberCountAsNone) {
    EXPECT_EQ(colourCount(QStringLiteral("4")), 4);
    EXPECT_EQ(colourCount(QStringLiteral("0")), 0);
    EXPECT_EQ(colourCount(QString()), 0);
    EXPECT_EQ(colourCount(QVariant()), 0);
    EXPECT_EQ(colourCount(QStringLiteral("x")), 0);
    EXPECT_EQ(colourCount(QStringLiteral("+")), 0);
}

TEST(OrderHeadingTest, TheSummaryLeavesOutOnlyAnInnerBlockWithoutColours) {
    struct Case {
        const char* paint;
        const char* paint2;
        const char* summary;
    };
    const Case cases[] = {
        {"4+4", "0+0", "4+4"},      {"4+0", "0+0", "4+0"}, {"4+4", "1+1", "4+4; 1+1"},
        {"0+0", "2+0", "0+0; 2+0"}, {"0+0", "0+0", "0+0"}, {"4+0", "0+1", "4+0; 0+1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colourSummary(c.paint, c.paint2), QString::fromUtf8(c.summary))
            << c.paint << " " << c.paint2;
    }
}

TEST(OrderHeadingTest, NamesAreJoinedOnOneLineAndTrimmed) {
    struct Case {
        QString typed;
        QString stored;
    };
    const Case cases[] = {
        {QStringLiteral("Книга\r\nо вкусной\r\nпище"), QStringLiteral("Книга о вкусной пище")},
        {QStringLiteral("Книга\nо вкусной\nпище"), QStringLiteral("Книга о вкусной пище")},
        {QStringLiteral("  Буклет\r\n"), QStringLiteral("Буклет")},
        {QStringLiteral("\tКаталог\x01"), QStringLiteral("Каталог")},
        {QStringLiteral("Два\r\n\r\nабзаца"), QStringLiteral("Два  абзаца")},
        {QStringLiteral("\r\n"), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(oneLine(c.typed), c.stored) << c.typed.toStdString();
    }
}

}  // namespace
