#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "costing/family.h"
#include "costing/order.h"
#include "costing/print_part.h"
#include "costing/reference_rows.h"

namespace costing {

// How well a press format on a parent format suits the print part: press sheets per parent
// sheet, products per press sheet, and the waste of both sheets in mm² (1 000 000 000 for
// a sheet that carries nothing).
struct PairWaste {
    double pressSheetsPerParent = 0;
    double productsPerPressSheet = 0;
    double waste = 0;
};

// A press that takes any sheet, for a print part whose printing machine is not found.
inline constexpr MachineSize kAnySheetPress{10000, 10000};

PairWaste assessFormatPair(const PrintPart& part, ProductFamily family, MachineSize press,
                           const Format& parentFormat, const Format& pressFormat);

// The chosen pair, as positions in the two lists.
struct ChosenFormats {
    std::size_t parent = 0;
    std::size_t press = 0;
};

// Tries every press format on every parent format (lists in their display order) and
// takes the first pair with the least waste; writes it into the part with automatic
// orientations and lays the part out. With no usable pair the part gets zero sizes and
// empty format names. machine: the largest sheet of the part's printing machine, or none
// when the machine is not found.
std::optional<ChosenFormats> ChooseFormatsAuto(PrintPart& part, const OrderHeader& order,
                                               ProductFamily family,
                                               std::optional<MachineSize> machine,
                                               std::span<const Format> pressFormats,
                                               std::span<const Format> parentFormats);

// The three sheets drawn to scale in 250 × 250 boxes, the height standing for the length.
struct PreviewRectangle {
    double height = 0;
    double width = 0;
};
struct LayoutPreview {
    PreviewRectangle parentSheet;
    PreviewRectangle pressSheet;
    PreviewRectangle product;
};
LayoutPreview layoutPreview(const PrintPart& part, ProductFamily family);

}  // namespace costing
