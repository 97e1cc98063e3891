#include "costing/print_part_columns.h"

#include <array>

namespace costing {

namespace {

constexpr std::array kColumns{
#define PRINT_PART_COLUMN(NAME, Type, length) \
    PrintPartColumn{#NAME, ColumnType::Type, length, std::nullopt},
#define PRINT_PART_COLUMN_WITH_DEFAULT(NAME, Type, value) \
    PrintPartColumn{#NAME, ColumnType::Type, 0, value},
#include "costing/print_part_columns.def"
#undef PRINT_PART_COLUMN
#undef PRINT_PART_COLUMN_WITH_DEFAULT
};

static_assert(kColumns.size() == 252, "ZAKPRINT has 252 columns");

}  // namespace

std::span<const PrintPartColumn> printPartColumns() {
    return kColumns;
}

}  // namespace costing
