#include "costing/print_part.h"

#include <array>

#include "costing/rounding.h"

namespace costing {

namespace {

constexpr std::array<PrintPartMember, 252> kMembers{
#define PRINT_PART_COLUMN(NAME, Type, length) PrintPartMember{&PrintPart::NAME},
#define PRINT_PART_COLUMN_WITH_DEFAULT(NAME, Type, value) PrintPartMember{&PrintPart::NAME},
#include "costing/print_part_columns.def"
#undef PRINT_PART_COLUMN
#undef PRINT_PART_COLUMN_WITH_DEFAULT
};

}  // namespace

PrintPart newPrintPart() {
    PrintPart part;
#define PRINT_PART_COLUMN(NAME, Type, length)
#define PRINT_PART_COLUMN_WITH_DEFAULT(NAME, Type, value) part.NAME = value;
#include "costing/print_part_columns.def"
#undef PRINT_PART_COLUMN
#undef PRINT_PART_COLUMN_WITH_DEFAULT
    return part;
}

std::span<const PrintPartMember> printPartMembers() {
    return kMembers;
}

std::optional<std::size_t> printPartColumnIndex(std::string_view name) {
    const auto columns = printPartColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

double PechListCalc(const PrintPart& part) {
    return roundToCents(part.KOLLISTPECH + part.ITOGOLISTPRILAD);
}

double BigListCalc(const PrintPart& part) {
    const double pressSheetsPerParent = part.KOLPREDREZ == 0 ? 1.0 : double(part.KOLPREDREZ);
    return roundToCents(part.KOLBUMLIST + part.ITOGOLISTPRILAD / pressSheetsPerParent);
}

}  // namespace costing
