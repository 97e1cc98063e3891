#include "costing/print_part_run.h"

#include "costing/finishing.h"
#include "costing/layout.h"
#include "costing/materials.h"
#include "costing/press.h"
#include "costing/rounding.h"

namespace costing {

void CalcPrintPart(PrintPart& part, const OrderHeader& order, const Settings& settings,
                   ProductFamily family) {
    CalcLayout(part, order, family);
    // Forms are counted from the exact press sheets per copy; the stored value and
    // everything after it use three decimals.
    CountFilmsAndPlates(part, family, QuarterSheet::CountUp);
    if (family == ProductFamily::Book) {
        part.KOLPOLOS = RoundTo(part.KOLPOLOS, -3);
    }
    CalcInk(part);
    CalcPress(part, settings, family);
    CalcVarnishMaterial(part);
    CalcFinishing(part, order, FinishingOperation::Varnishing);
    CalcMaterialTotals(part);
    for (const FinishingOperation operation :
         {FinishingOperation::Lamination, FinishingOperation::Folding, FinishingOperation::Cutting,
          FinishingOperation::DieCutting, FinishingOperation::Gluing, FinishingOperation::Stitching,
          FinishingOperation::Collating}) {
        CalcFinishing(part, order, operation);
    }
    CalcEmbossing(part, order, settings);
    CleanUpForFamily(part, family);
}

void CalcPrintParts(std::span<PrintPart> parts, const OrderHeader& order, const Settings& settings,
                    ProductFamily family) {
    for (PrintPart& part : parts) {
        CalcPrintPart(part, order, settings, family);
    }
}

}  // namespace costing
