#include "costing/finishing.h"

#include <stdexcept>

#include "costing/layout.h"
#include "costing/rounding.h"

namespace costing {

namespace {

// Calculation types of TIPCALC<op> and TIPCALCTISN.
constexpr double kByTime = 0;
constexpr double kBySheets = 1;
constexpr double kByCopies = 2;

struct OperationColumns {
    Number PrintPart::*switchOn;
    Number PrintPart::*twoSides;  // only varnishing and lamination have sides
    Number PrintPart::*machineCode;
    Text PrintPart::*machineName;
    Number PrintPart::*speed;
    Number PrintPart::*makeReady;
    Number PrintPart::*price;
    Number PrintPart::*calcType;
    Number PrintPart::*overheadRate;
    Number PrintPart::*hours;
    Number PrintPart::*cost;
    Number PrintPart::*overheadCost;
};

// The operations name their columns by one pattern: KOD, NAME, SPEED, PRILAD, CENA, TIPCALC,
// NAKL, KOLHOUR, COST and COSTNAKL followed by the operation's suffix.
#define OPERATION_COLUMNS(OP, SWITCH, SIDES)                                        \
    OperationColumns {                                                              \
        &PrintPart::SWITCH, SIDES, &PrintPart::KOD##OP, &PrintPart::NAME##OP,       \
            &PrintPart::SPEED##OP, &PrintPart::PRILAD##OP, &PrintPart::CENA##OP,    \
            &PrintPart::TIPCALC##OP, &PrintPart::NAKL##OP, &PrintPart::KOLHOUR##OP, \
            &PrintPart::COST##OP, &PrintPart::COSTNAKL##OP                          \
    }

OperationColumns columnsOf(FinishingOperation operation) {
    switch (operation) {
        case FinishingOperation::Varnishing:
            return OPERATION_COLUMNS(LAKIR, LAKIR, &PrintPart::TIPLAKIR);
        case FinishingOperation::Lamination:
            return OPERATION_COLUMNS(PRIPR, PRIPR, &PrintPart::TIPPRIPR);
        case FinishingOperation::Folding:
            return OPERATION_COLUMNS(FALTS, TIPFALTS, nullptr);
        case FinishingOperation::Cutting:
            return OPERATION_COLUMNS(REZKA, TIPREZKA, nullptr);
        case FinishingOperation::DieCutting:
            return OPERATION_COLUMNS(VYS, TIPVYS, nullptr);
        case FinishingOperation::Gluing:
            return OPERATION_COLUMNS(SKLEIKA, TIPSKLEIKA, nullptr);
        case FinishingOperation::Stitching:
            return OPERATION_COLUMNS(SHIVKA, TIPSHIVKA, nullptr);
        case FinishingOperation::Collating:
            return OPERATION_COLUMNS(LISTPOD, TIPLISTPOD, nullptr);
    }
    throw std::invalid_argument("unknown finishing operation");
}

#undef OPERATION_COLUMNS

void clearOperation(PrintPart& part, FinishingOperation operation, const OperationColumns& op) {
    (part.*op.machineCode).setNull();
    (part.*op.machineName).reset();
    part.*op.speed = 0;
    part.*op.makeReady = 0;
    part.*op.price = 0;
    part.*op.hours = 0;
    part.*op.cost = 0;
    part.*op.overheadCost = 0;
    part.*op.overheadRate = 0;
    part.*op.calcType = 0;
    if (op.twoSides != nullptr) {
        part.*op.twoSides = 0;
    }
    if (operation == FinishingOperation::Varnishing) {
        part.KODLAK.setNull();
        part.NAMELAK.reset();
        part.NORMRASXLAK = 0;
        part.PRLENLAK = 0;
        part.PRWIDLAK = 0;
        part.CENAKGLAK = 0;
    }
    if (operation == FinishingOperation::DieCutting) {
        part.PROGONVYS = 1;
    }
}

void clearEmbossing(PrintPart& part) {
    part.KODTISN.setNull();
    part.NAMETISN.reset();
    part.FORMATTISN.reset();
    part.NAMEKLISH.reset();
    part.NAMEKONGR.reset();
    part.NAMEFOLG.reset();
    for (Number PrintPart::*column :
         {&PrintPart::KODKLISH,      &PrintPart::KODKONGR,     &PrintPart::KODFOLG,
          &PrintPart::SPEEDTISN,     &PrintPart::PRILADTISN,   &PrintPart::CENATISN,
          &PrintPart::PROGONTISN,    &PrintPart::LENKLISH,     &PrintPart::WIDKLISH,
          &PrintPart::CENASHTKLISHE, &PrintPart::CENAKLISH,    &PrintPart::CENASHTKONGR,
          &PrintPart::KOLKONGR,      &PrintPart::CENAKONGR,    &PrintPart::LENFOLG,
          &PrintPart::WIDFOLG,       &PrintPart::CENASHTFOLG,  &PrintPart::KOLRULFOLG,
          &PrintPart::CENAFOLG,      &PrintPart::TEXNOTXTISN,  &PrintPart::KOLHOURTISN,
          &PrintPart::COSTTISN,      &PrintPart::NAKLTISN,     &PrintPart::COSTNAKLTISN,
          &PrintPart::RASPOLTISN,    &PrintPart::LENTISN,      &PrintPart::WIDTISN,
          &PrintPart::TIPKLISH,      &PrintPart::TIPKONGR,     &PrintPart::TIPFOLG,
          &PrintPart::TIPCALCTISN,   &PrintPart::TIPDOLYATISN, &PrintPart::DOLYATISN,
          &PrintPart::TISNLISTCHAS}) {
        part.*column = 0;
    }
    part.KOLKLSH = 1;
}

// Foil for the embossed area of the run, in rolls or in square metres, with the
// technological waste added.
void countFoil(PrintPart& part, const Settings& settings) {
    if (part.TIPFOLG == 0) {
        part.KOLRULFOLG = 0;
        part.CENAFOLG = 0;
        return;
    }
    const double embossedArea = part.KOLLISTPECH * part.DOLYATISN * part.LENTISN * part.WIDTISN;
    const auto withWaste = [&part](double foil) {
        return roundToCents(foil + part.TEXNOTXTISN * foil / 100);
    };
    if (settings.TIP_CALCFOLG == 0) {
        const double rollArea = part.LENFOLG * part.WIDFOLG;
        if (part.KOLLISTPECH == 0 || rollArea == 0) {
            part.KOLRULFOLG = 0;
        } else {
            part.KOLRULFOLG = withWaste(roundToCents(embossedArea / (part.WIDFOLG * part.LENFOLG)));
        }
        part.CENAFOLG = roundToCents(part.CENASHTFOLG * part.KOLRULFOLG);
    } else {
        part.KOLRULFOLG = withWaste(roundToCents(embossedArea / 1000000));
        part.CENAFOLG = part.CENASHTFOLG * part.KOLRULFOLG;
    }
}

void chargeEmbossingMachine(PrintPart& part, const OrderHeader& order) {
    const double impressions = part.PROGONTISN * part.KOLLISTPECH * part.DOLYATISN;
    const double makeReady = part.PRILADTISN * part.KOLPRILADTISN;
    // Without press sheets per parent sheet the run has no sheets to emboss.
    const bool noPressSheets = part.KOLPREDREZ == 0;
    if (part.TIPCALCTISN == kByTime) {
        if (part.SPEEDTISN == 0) {
            // No speed, no hours: the overhead charged by the hour goes to 0 with them.
            part.KOLHOURTISN = 0;
            part.COSTTISN = 0;
            part.COSTNAKLTISN = 0;
            return;
        }
        const bool pricedPerImpression = part.TISNLISTCHAS == 1;
        if (pricedPerImpression) {
            part.COSTTISN = noPressSheets ? 0.0 : roundToCents(part.CENATISN * impressions);
        }
        part.KOLHOURTISN = roundToCents(makeReady + impressions / part.SPEEDTISN);
        if (!pricedPerImpression) {
            part.COSTTISN = roundToCents(part.CENATISN * part.KOLHOURTISN);
        }
        part.COSTNAKLTISN = roundToCents(part.NAKLTISN * part.KOLHOURTISN);
    } else if (part.TIPCALCTISN == kBySheets) {
        part.KOLHOURTISN = 0;
        part.COSTTISN = noPressSheets ? 0.0 : roundToCents(makeReady + part.CENATISN * impressions);
        part.COSTNAKLTISN = noPressSheets ? 0.0 : roundToCents(part.NAKLTISN * impressions);
    } else if (part.TIPCALCTISN == kByCopies) {
        part.KOLHOURTISN = 0;
        part.COSTTISN = roundToCents(makeReady + part.CENATISN * part.PROGONTISN * order.TIRAZ);
        part.COSTNAKLTISN = roundToCents(part.NAKLTISN * order.TIRAZ);
    }
}

void clearCuttingDie(PrintPart& part) {
    part.CENASHTAMP = 0;
    part.LENSHTAMP = 0;
    part.WIDSHTAMP = 0;
    part.TIMESHTAMP = 0;
}

void clearCollating(PrintPart& part) {
    part.TIPLISTPOD = 0;
    part.KODLISTPOD.setNull();
    part.NAMELISTPOD.reset();
    part.SPEEDLISTPOD = 0;
    part.PRILADLISTPOD = 0;
    part.CENALISTPOD = 0;
    part.KOLHOURLISTPOD = 0;
    part.COSTLISTPOD = 0;
}

}  // namespace

void CalcFinishing(PrintPart& part, const OrderHeader& order, FinishingOperation operation) {
    const OperationColumns op = columnsOf(operation);
    if (part.*op.switchOn == 0) {
        clearOperation(part, operation, op);
        return;
    }
    // Sheets and copies that go through the machine; press sheets are counted without
    // make-ready. Varnishing and lamination count each treated side, and their switch
    // value is a factor as well.
    double sheets = part.KOLLISTPECH;
    double copies = order.TIRAZ;
    double makeReadyHours = part.*op.makeReady;
    if (op.twoSides != nullptr) {
        const double sides = part.*op.twoSides + 1;
        const double factor = part.*op.switchOn;
        sheets = factor * part.KOLLISTPECH * sides;
        copies = order.TIRAZ * sides * factor;
        makeReadyHours = part.*op.makeReady * factor;
    }
    // Die-cutting repeats the whole operation for each of its passes.
    const double passes = operation == FinishingOperation::DieCutting ? double(part.PROGONVYS) : 1;

    const double calcType = part.*op.calcType;
    if (calcType == kByTime) {
        part.*op.hours = part.*op.speed == 0
                             ? 0.0
                             : roundToCents((makeReadyHours + sheets / part.*op.speed) * passes);
        part.*op.cost = roundToCents(part.*op.price * part.*op.hours);
        part.*op.overheadCost = roundToCents(part.*op.overheadRate * part.*op.hours);
    } else if (calcType == kBySheets || calcType == kByCopies) {
        const double quantity = calcType == kBySheets ? sheets : copies;
        // Priced per sheet or copy, the machine's hours are not reckoned; zeroing them
        // keeps hours of an earlier run by time out of the order's press time.
        part.*op.hours = 0;
        part.*op.cost = roundToCents((part.*op.makeReady + part.*op.price * quantity) * passes);
        part.*op.overheadCost = roundToCents(part.*op.overheadRate * quantity * passes);
    }
}

void CalcEmbossing(PrintPart& part, const OrderHeader& order, const Settings& settings) {
    if (part.TIPTISN == 0) {
        clearEmbossing(part);
        return;
    }
    // Clichés are priced by area, whether or not the cliché switch is on.
    part.CENAKLISH =
        roundToCents(part.CENASHTKLISHE * part.WIDKLISH * part.LENKLISH * part.KOLKLSH);

    if (part.TIPDOLYATISN == 0) {
        part.DOLYATISN =
            part.LENTISN == 0 || part.WIDTISN == 0
                ? 0.0
                : fitCounts(part.LENPREDREZ, part.WIDPREDREZ, part.LENTISN, part.WIDTISN).best();
    }
    if (part.LENKLISH == 0 || part.WIDKLISH == 0) {
        part.PROGONTISN = 0;
    } else if (part.RASPOLTISN == 0) {
        // One impression per cliché that fits the embossed piece.
        part.PROGONTISN =
            fitCounts(part.LENTISN, part.WIDTISN, part.LENKLISH, part.WIDKLISH).best();
    }
    countFoil(part, settings);
    part.CENAKONGR = part.TIPKONGR == 0 ? 0.0 : part.KOLKONGR * part.CENASHTKONGR;
    chargeEmbossingMachine(part, order);
}

void CleanUpForFamily(PrintPart& part, ProductFamily family) {
    switch (family) {
        case ProductFamily::Book:
            part.TIPSHTAMP = 0;
            clearCuttingDie(part);
            break;
        case ProductFamily::Sheet:
        case ProductFamily::Label:
            part.VSTR = 0;
            part.KOLPOLOS = 0;
            part.TIPSHTAMP = 0;
            clearCuttingDie(part);
            clearCollating(part);
            break;
        case ProductFamily::Box:
            if (part.TIPSHTAMP == 0) {
                clearCuttingDie(part);
            }
            part.VSTR = 0;
            part.KOLPOLOS = 0;
            clearCollating(part);
            part.COSTNAKLLISTPOD = 0;
            break;
    }
}

}  // namespace costing
