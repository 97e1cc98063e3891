#include <gtest/gtest.h>

#include <QDateTime>

#include "reports/report_format.h"

namespace {

using namespace zel::reports;

struct FormatCase {
    const char* what;
    QString shown;
    QString expected;
};

TEST(ReportFormat, NumbersDatesAndNullsReadAsOnARussianDocument) {
    const QString nbsp = QStringLiteral("\u00A0");
    const FormatCase cases[] = {
        {"money gets two decimals", formatMoney(1234.5), "1" + nbsp + "234,50"},
        {"money rounds to cents", formatMoney(0.82304), "0,82"},
        {"millions are grouped", formatMoney(QVariant(2500000.0)),
         "2" + nbsp + "500" + nbsp + "000,00"},
        {"a tiny negative amount is zero", formatMoney(-0.001), "0,00"},
        {"a negative amount keeps its sign", formatMoney(-12.5), "-12,50"},
        {"null money is an empty cell", formatMoney(QVariant()), ""},
        {"counts are grouped", formatCount(QVariant(15000)), "15" + nbsp + "000"},
        {"null count is an empty cell", formatCount(QVariant()), ""},
        {"trailing zeros go", formatNumber(QVariant(12.50)), "12,5"},
        {"whole numbers have no comma", formatNumber(QVariant(25.0)), "25"},
        {"numbers round to the decimals asked", formatNumber(QVariant(3.14159), 3), "3,142"},
        {"a date with a time prints the day",
         formatDate(QDateTime(QDate(2024, 3, 5), QTime(14, 30))), "05.03.2024"},
        {"a plain date", formatDate(QDate(2024, 12, 31)), "31.12.2024"},
        {"null date is an empty cell", formatDate(QVariant()), ""},
    };
    for (const FormatCase& example : cases) {
        EXPECT_EQ(example.shown.toStdString(), example.expected.toStdString()) << example.what;
    }
}

}  // namespace
