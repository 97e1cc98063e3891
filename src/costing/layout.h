#pragma once

#include "costing/family.h"
#include "costing/order.h"
#include "costing/print_part.h"

namespace costing {

// How many pieces of the given step (piece size plus gap) fit into the room (sheet size
// less margin): Trunc(room / step). A room smaller than nothing, as when the margin is
// wider than the sheet, holds no piece: a negative result counts as 0, so that a count
// built from two such factors can never turn negative or flip its sign. A step of 0 holds
// nothing either.
double piecesThatFit(double room, double step);

// Pieces on a sheet in the two orientations: with the piece's length along the sheet's
// length, and with it along the sheet's width.
struct FitCounts {
    double along = 0;
    double across = 0;
    double best() const { return along > across ? along : across; }
};
FitCounts fitCounts(double roomLength, double roomWidth, double stepLength, double stepWidth);

// Lays out one print part: press sheets per parent sheet (KOLPREDREZ), products per press
// sheet (DOLYA), press sheets per copy of a book (KOLPOLOS), then the parent sheets, press
// sheets, kilograms and cost of paper for the run, and the waste areas of both sheets.
void CalcLayout(PrintPart& part, const OrderHeader& order, ProductFamily family);

}  // namespace costing
