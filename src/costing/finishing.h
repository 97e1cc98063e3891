#pragma once

#include "costing/family.h"
#include "costing/order.h"
#include "costing/print_part.h"

namespace costing {

// The finishing operations that share one column pattern (<op> columns of ZAKPRINT).
enum class FinishingOperation {
    Varnishing,
    Lamination,
    Folding,
    Cutting,
    DieCutting,
    Gluing,
    Stitching,
    Collating,
};

// Hours, cost and overhead cost of one finishing operation, by time, by sheets or by
// copies. A switched-off operation is cleared (varnishing also clears its varnish).
void CalcFinishing(PrintPart& part, const OrderHeader& order, FinishingOperation operation);

// Embossing: clichés, pieces per press sheet, impressions per piece, foil, congreve, and
// the hours, cost and overhead cost of the embossing machine. Switched off, everything of
// embossing is reset.
void CalcEmbossing(PrintPart& part, const OrderHeader& order, const Settings& settings);

// Last step for every print part: the cutting die exists only for boxes, collating and the
// page count only for books; what a family does not have is cleared.
void CleanUpForFamily(PrintPart& part, ProductFamily family);

}  // namespace costing
