#pragma once

#include <optional>
#include <span>
#include <string>

#include "costing/family.h"
#include "costing/number.h"
#include "costing/order.h"
#include "costing/print_part.h"
#include "costing/reference_rows.h"

namespace costing {

// The run the make-ready bands are looked up by: the press sheets rounded to the nearest
// ten, a half going to the even ten (25 → 20, 35 → 40).
double roundedRun(double pressSheets);

// Make-ready sheets of the press (PRILADLISTPRINT): the part is laid out and its films and
// plates counted again, then the waste band of the printing machine that holds the rounded
// run gives a percentage of the press sheets, and every plate spoils PRILAD1PLAST sheets
// more. press: the machine's waste data, or none when the machine is not found (0 sheets).
void CalcPressMakeReady(PrintPart& part, const OrderHeader& order, ProductFamily family,
                        const std::optional<PressWaste>& press);

// A post-press make-ready item of a print part (a ZAK_PRILAD row); KOLVO stays empty when
// no band of the norm holds the run.
struct MakeReadyItem {
    std::string NAME;
    Number KOLVO;
};

// A new item for the chosen norm: a short run (up to DOOPR) spoils the fixed KOLDOOPR
// sheets, a longer one the percentage of the band that holds the rounded run. The part is
// laid out first.
MakeReadyItem AddMakeReadyItem(PrintPart& part, const OrderHeader& order, ProductFamily family,
                               const MakeReadyNorm& norm);

// All make-ready sheets of the part (ITOGOLISTPRILAD): the press's plus the items'.
void TotalMakeReady(PrintPart& part, std::span<const MakeReadyItem> items);

}  // namespace costing
