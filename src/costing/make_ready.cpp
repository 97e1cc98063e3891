#include "costing/make_ready.h"

#include "costing/layout.h"
#include "costing/materials.h"
#include "costing/rounding.h"

namespace costing {

namespace {

bool holdsRun(const WasteBand& band, double run) {
    return Trunc(band.OTLIST) <= run && run <= Trunc(band.DOLIST);
}

}  // namespace

double roundedRun(double pressSheets) {
    return Trunc(RoundTo(pressSheets / 10, 0) * 10);
}

void CalcPressMakeReady(PrintPart& part, const OrderHeader& order, ProductFamily family,
                        const std::optional<PressWaste>& press) {
    part.PRILADLISTPRINT = 0;
    CalcLayout(part, order, family);
    CountFilmsAndPlates(part, family, QuarterSheet::AsIs);
    if (!press) {
        return;
    }
    const double run = roundedRun(part.KOLLISTPECH);
    // Bands may overlap; the last one that holds the run decides.
    for (const WasteBand& band : press->bands) {
        if (holdsRun(band, run)) {
            part.PRILADLISTPRINT =
                Trunc(band.PROCENT * part.KOLLISTPECH / 100 + part.KOLPLAST * press->PRILAD1PLAST);
        }
    }
}

MakeReadyItem AddMakeReadyItem(PrintPart& part, const OrderHeader& order, ProductFamily family,
                               const MakeReadyNorm& norm) {
    CalcLayout(part, order, family);
    MakeReadyItem item{norm.NAME, {}};
    const double run = roundedRun(part.KOLLISTPECH);
    if (run > Trunc(norm.DOOPR)) {
        for (const WasteBand& band : norm.bands) {
            if (holdsRun(band, run)) {
                item.KOLVO = Trunc(band.PROCENT * part.KOLLISTPECH / 100);
            }
        }
    } else {
        item.KOLVO = norm.KOLDOOPR;
    }
    return item;
}

void TotalMakeReady(PrintPart& part, std::span<const MakeReadyItem> items) {
    double itemSheets = 0;
    for (const MakeReadyItem& item : items) {
        itemSheets += item.KOLVO;
    }
    part.ITOGOLISTPRILAD = part.PRILADLISTPRINT + itemSheets;
}

}  // namespace costing
