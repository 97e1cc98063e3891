#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace costing {

enum class ColumnType { Integer, SmallInt, Double, Varchar };

// One column of the print-part table ZAKPRINT.
struct PrintPartColumn {
    std::string_view name;  // column name in capitals, e.g. "KOLPREDREZ"
    ColumnType type;
    int length;                       // varchar length, 0 for the other types
    std::optional<int> defaultValue;  // value of the column in a new row, if it has one
};

// All 252 columns of ZAKPRINT in table order. The database schema creates the table from
// this list and the costing record is indexed by it.
std::span<const PrintPartColumn> printPartColumns();

}  // namespace costing
