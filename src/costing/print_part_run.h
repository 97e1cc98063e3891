#pragma once

#include <span>

#include "costing/family.h"
#include "costing/order.h"
#include "costing/print_part.h"

namespace costing {

// Calculates every print part of an order in tab order: layout and paper, films and
// plates, ink, press passes, hours and costs, varnish, material totals, the finishing
// operations, embossing and the clean-up of what the family does not have.
void CalcPrintParts(std::span<PrintPart> parts, const OrderHeader& order, const Settings& settings,
                    ProductFamily family);

// The same steps for one print part.
void CalcPrintPart(PrintPart& part, const OrderHeader& order, const Settings& settings,
                   ProductFamily family);

}  // namespace costing
