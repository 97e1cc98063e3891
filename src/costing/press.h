#pragma once

#include <span>

#include "costing/family.h"
#include "costing/order.h"
#include "costing/print_part.h"
#include "costing/reference_rows.h"

namespace costing {

// Passes through a press with the given inking units needed to lay the given colours on
// one side: 0 for no colours or a press without inking units, otherwise the colours
// divided by the units, rounded up.
double pressPasses(double colours, double inkingUnits);

// Sheet passes, press hours, labour, auxiliary labour, social contributions,
// amortisation, energy, chemicals and overheads of the press for one print part.
void CalcPress(PrintPart& part, const Settings& settings, ProductFamily family);

// Looks the overhead rate NAKLRASX up in the overhead bands of the part's printing machine
// (bandsOfPrintingMachine: the NAKLRASX rows of MACHINE KODPRINT in OTLIST order, empty
// when the machine is not found). Lays the part out first and counts its sheet passes.
void CalcNaklRasx(PrintPart& part, const OrderHeader& order, ProductFamily family,
                  std::span<const OverheadBand> bandsOfPrintingMachine);

}  // namespace costing
