#pragma once

#include "json_records.h"

namespace zelcalc {

// Each command takes the whole input object and returns the whole output object; it throws
// InputError before computing anything when the input cannot be read.

// The whole calculation of an order: line totals of the pre-press works, every print part,
// then the order totals with the post-press line totals.
Json runCalc(const Json& input);

// The layout of one print part.
Json runLayout(const Json& input);

// The automatic choice of the press and parent formats for one print part.
Json runFormats(const Json& input);

// Make-ready sheets of one print part: the press's, then one item per chosen norm, then the
// total.
Json runMakeReady(const Json& input);

}  // namespace zelcalc
