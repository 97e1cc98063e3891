#pragma once

#include "costing/family.h"
#include "costing/print_part.h"

namespace costing {

// Whether a book's part sheet of a quarter or three quarters is counted up by a quarter
// before the forms are counted (the calculation run does, the make-ready calculator
// does not).
enum class QuarterSheet { CountUp, AsIs };

// Films, then plates: how many forms the colours need (or the typed count), their hours
// and their cost. A switched-off group is cleared.
void CountFilmsAndPlates(PrintPart& part, ProductFamily family, QuarterSheet quarterSheet);

// Colour impressions, kilograms and cost of ink for the run, make-ready sheets included.
void CalcInk(PrintPart& part);

// Kilograms and cost of varnish for the varnished sides of the run's press sheets.
void CalcVarnishMaterial(PrintPart& part);

// Main materials (paper, ink, varnish), auxiliary materials as a percentage, and the sum.
void CalcMaterialTotals(PrintPart& part);

}  // namespace costing
