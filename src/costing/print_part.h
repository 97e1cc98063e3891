#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

#include "costing/number.h"
#include "costing/print_part_columns.h"

namespace costing {

// The in-memory type of a column: a nullable number for the numeric types, nullable text
// for varchar.
template <ColumnType type>
using ColumnValue = std::conditional_t<type == ColumnType::Varchar, Text, Number>;

// One print part (a ZAKPRINT row): every column as a named member, spelled as the column.
// A default-constructed record has every column empty; newPrintPart() gives a new row with
// the table's defaults.
struct PrintPart {
#define PRINT_PART_COLUMN(NAME, Type, length) ColumnValue<ColumnType::Type> NAME;
#define PRINT_PART_COLUMN_WITH_DEFAULT(NAME, Type, value) ColumnValue<ColumnType::Type> NAME;
#include "costing/print_part_columns.def"
#undef PRINT_PART_COLUMN
#undef PRINT_PART_COLUMN_WITH_DEFAULT
};

// A new row: the columns with a default get it (VSTR 4, KOLPREDREZ 1, switches 0, ...),
// all others are empty.
PrintPart newPrintPart();

// The member that holds a column; index i belongs to printPartColumns()[i].
using PrintPartMember = std::variant<Number PrintPart::*, Text PrintPart::*>;
std::span<const PrintPartMember> printPartMembers();

// Position of a column in printPartColumns(), by its name in capitals.
std::optional<std::size_t> printPartColumnIndex(std::string_view name);

// Press sheets including make-ready ("Всего печатных листов:"), rounded to cents.
double PechListCalc(const PrintPart& part);

// Parent sheets including the make-ready share of one press sheet ("Требуется больших
// листов:"), rounded to cents. A KOLPREDREZ of 0 divides by 1; unlike the display field of
// the order screens, the engine never writes 1 back into KOLPREDREZ, so a layout that
// fits no press sheet keeps its count of 0.
double BigListCalc(const PrintPart& part);

}  // namespace costing
