#include "costing/press.h"

#include "costing/layout.h"
#include "costing/rounding.h"

namespace costing {

namespace {

constexpr double kOtherSidePlates = 1;  // OBOROT 1 "Чужой"

// Overhead modes of TIPNAKL.
constexpr double kOverheadPercentOfLabour = 0;
constexpr double kOverheadPerPressHour = 1;
constexpr double kOverheadFixedSum = 2;

double passesForBothSides(const PrintPart& part) {
    return pressPasses(part.PAINTLEFT, part.PAINTPRINT) +
           pressPasses(part.PAINTRIGHT, part.PAINTPRINT);
}

// How many times the press is made ready and washed up. Work-and-turn prints face and
// back from one make-ready, so it halves the passes. A book is made ready for every press
// sheet of a copy, unless both form counts were typed by hand.
double makeReadyCount(const PrintPart& part, double passes, ProductFamily family) {
    const double makeReadies = part.OBOROT == kOtherSidePlates ? passes : passes / 2;
    if (family == ProductFamily::Book && !(part.TIPCALCPHOTO == 1 && part.TIPCALCPLAST == 1)) {
        return part.KOLPOLOS * makeReadies;
    }
    return makeReadies;
}

// An unknown overhead mode leaves the overhead cost as it was.
void chargeOverheads(PrintPart& part) {
    if (part.TIPNAKL == kOverheadPercentOfLabour) {
        part.COSTNAKLRASX = roundToCents(part.NAKLRASX * part.COSTTRUDPRINT / 100);
    } else if (part.TIPNAKL == kOverheadPerPressHour) {
        part.COSTNAKLRASX = roundToCents(part.NAKLRASX * part.KOLHOURPRINT);
    } else if (part.TIPNAKL == kOverheadFixedSum) {
        part.COSTNAKLRASX = double(part.NAKLRASX);
    }
}

}  // namespace

double pressPasses(double colours, double inkingUnits) {
    if (inkingUnits == 0) {
        return 0;
    }
    const double ratio = colours / inkingUnits;
    if (ratio <= 0) {
        return 0;
    }
    if (ratio < 1) {
        return 1;
    }
    return RoundUp(ratio);
}

void CalcPress(PrintPart& part, const Settings& settings, ProductFamily family) {
    const double passes = passesForBothSides(part);
    // Sheet passes do not depend on the speed, so they are counted even for a press
    // without a speed; amortisation below never charges the passes of an earlier run.
    part.LISTPROGON = Trunc(PechListCalc(part) * passes);
    if (part.SPEEDPRINT == 0) {
        part.KOLHOURPRINT = 0;
    } else {
        const double makeReadyHours = part.PRILAD1PRINT + part.PRILAD2PRINT;
        part.KOLHOURPRINT = roundToCents(makeReadyHours * makeReadyCount(part, passes, family) +
                                         part.LISTPROGON / part.SPEEDPRINT);
    }
    part.COSTTRUDPRINT = roundToCents(part.KOEFPRINT * part.COSTHOURPRINT * part.KOLHOURPRINT);
    part.COSTVSPOMRAB = roundToCents(part.TRUDVSPOMPRINT * part.COSTTRUDPRINT / 100);
    part.COSTOTCHISL =
        roundToCents(settings.SOCOTCH * (part.COSTVSPOMRAB + part.COSTTRUDPRINT) / 100);
    part.COSTTRUDITOG = part.COSTOTCHISL + part.COSTVSPOMRAB + part.COSTTRUDPRINT;
    part.COSTAMORT = roundToCents(part.AMORTPRINT * part.LISTPROGON);
    // The press draws power in proportion to the mode's speed against its maximum speed.
    part.COSTENERGY = part.MAXSPEEDPRINT == 0
                          ? 0.0
                          : roundToCents(part.SPEEDPRINT * settings.ENRGCOST * part.POWERPRINT *
                                         part.KOLHOURPRINT / part.MAXSPEEDPRINT);
    part.COSTCHIM = roundToCents(part.CHIMVCHAS * part.KOLHOURPRINT);
    chargeOverheads(part);
}

void CalcNaklRasx(PrintPart& part, const OrderHeader& order, ProductFamily family,
                  std::span<const OverheadBand> bandsOfPrintingMachine) {
    CalcLayout(part, order, family);
    part.LISTPROGON = Trunc(PechListCalc(part) * passesForBothSides(part));
    for (const OverheadBand& band : bandsOfPrintingMachine) {
        if (Trunc(band.OTLIST) <= part.LISTPROGON && part.LISTPROGON < Trunc(band.DOLIST)) {
            part.NAKLRASX = band.COST;
        }
    }
}

}  // namespace costing
