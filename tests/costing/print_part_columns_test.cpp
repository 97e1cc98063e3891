#include "costing/print_part_columns.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace costing {
namespace {

const PrintPartColumn* findColumn(std::string_view name) {
    for (const auto& column : printPartColumns()) {
        if (column.name == name) {
            return &column;
        }
    }
    return nullptr;
}

TEST(PrintPartColumns, HasExactly252UniqueNames) {
    std::set<std::string_view> names;
    for (const auto& column : printPartColumns()) {
        names.insert(column.name);
    }
    EXPECT_EQ(printPartColumns().size(), 252u);
    EXPECT_EQ(names.size(), 252u);
}

TEST(PrintPartColumns, KeepsTableOrderFromTheKeyToTheCuttingDie) {
    const auto columns = printPartColumns();
    EXPECT_EQ(columns.front().name, "KOD");
    EXPECT_EQ(columns[1].name, "KOD_ZAKAZ");
    EXPECT_EQ(columns.back().name, "TIMESHTAMP");
}

TEST(PrintPartColumns, NewRowDefaults) {
    struct Case {
        std::string_view name;
        std::optional<int> defaultValue;
    };
    const Case cases[] = {
        {"VSTR", 4},
        {"KOLPREDREZ", 1},
        {"KOLKLSH", 1},
        {"PROGONVYS", 1},
        {"LAKIR", 0},
        {"PRIPR", 0},
        {"TIPFALTS", 0},
        {"TIPREZKA", 0},
        {"TIPVYS", 0},
        {"TIPSKLEIKA", 0},
        {"TIPSHIVKA", 0},
        {"TIPLISTPOD", 0},
        {"TIPTISN", 0},
        {"TIPKLISH", 0},
        {"TIPKONGR", 0},
        {"TIPFOLG", 0},
        {"TIPPHOTOV", 0},
        {"TIPPLAST", 0},
        {"TIPSHTAMP", 0},
        {"TIPCALCVYS", 0},
        {"TIPLAKIR", 0},
        {"TISNLISTCHAS", 0},
        {"KOLLISTPECH", std::nullopt},
        {"TIPCALCTISN", std::nullopt},
        {"DOLYA", std::nullopt},
        {"KOD", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto* column = findColumn(c.name);
        ASSERT_NE(column, nullptr) << c.name;
        EXPECT_EQ(column->defaultValue, c.defaultValue) << c.name;
    }
}

TEST(PrintPartColumns, TypesAndLengths) {
    struct Case {
        std::string_view name;
        ColumnType type;
        int length;
    };
    const Case cases[] = {
        {"KOD", ColumnType::Integer, 0},         {"TIP", ColumnType::SmallInt, 0},
        {"NAMETIP", ColumnType::Varchar, 32},    {"POSTAVBUM", ColumnType::Varchar, 128},
        {"NAMEPAINT", ColumnType::Varchar, 64},  {"KOLBUMLIST", ColumnType::Integer, 0},
        {"KOLLISTPECH", ColumnType::Double, 0},  {"KODFALTS", ColumnType::Integer, 0},
        {"NAMESHIVKA", ColumnType::Varchar, 64}, {"SPEEDLISTPOD", ColumnType::Double, 0},
        {"PROGONVYS", ColumnType::SmallInt, 0},  {"KOLPHOTOV", ColumnType::SmallInt, 0},
        {"PROGONTISN", ColumnType::Double, 0},   {"COSTNAKLREZKA", ColumnType::Double, 0},
    };
    for (const auto& c : cases) {
        const auto* column = findColumn(c.name);
        ASSERT_NE(column, nullptr) << c.name;
        EXPECT_EQ(column->type, c.type) << c.name;
        EXPECT_EQ(column->length, c.length) << c.name;
    }
}

}  // namespace
}  // namespace costing
