#include "costing/layout.h"

#include <algorithm>

#include "costing/rounding.h"

namespace costing {

namespace {

// Orientation codes of TIPPREDREZ and RASPOL.
constexpr double kAutomatic = 0;
constexpr double kLengthAlongLength = 1;
constexpr double kWidthAlongLength = 2;

bool isOrientationCode(double code) {
    return code == kAutomatic || code == kLengthAlongLength || code == kWidthAlongLength;
}

// Step 1: press sheets cut from one parent sheet.
void layPressSheetsOnParentSheet(PrintPart& part) {
    if (part.PREDREZ != 0) {
        // Typed by hand: the count stays, the automatic settings are cleared.
        part.TIPPREDREZ = 0;
        part.ZAZORPECH = 0;
        part.OTSTPECH = 0;
        return;
    }
    if (!isOrientationCode(part.TIPPREDREZ)) {
        return;
    }
    if (part.LENPREDREZ == 0 || part.WIDPREDREZ == 0) {
        part.KOLPREDREZ = 0;
        return;
    }
    // The edge margin is taken once per side length, the gap once per press sheet.
    const double roomLength = part.LENLIST - part.OTSTPECH;
    const double roomWidth = part.WIDLIST - part.OTSTPECH;
    const double stepLength = part.LENPREDREZ + part.ZAZORPECH;
    const double stepWidth = part.WIDPREDREZ + part.ZAZORPECH;
    const FitCounts counts = fitCounts(roomLength, roomWidth, stepLength, stepWidth);
    if (part.TIPPREDREZ == kLengthAlongLength) {
        part.KOLPREDREZ = counts.along;
    } else if (part.TIPPREDREZ == kWidthAlongLength) {
        part.KOLPREDREZ = counts.across;
    } else {
        part.KOLPREDREZ = counts.best();
    }
}

// Step 2: finished products (for books: pages or spreads) on one press sheet.
void layProductsOnPressSheet(PrintPart& part, bool book) {
    if (part.TIPDOLYA != 0) {
        // Typed by hand. A book keeps its margin: the spread is still trimmed.
        part.RASPOL = 0;
        part.ZAZOR = 0;
        if (!book) {
            part.OTSTIZD = 0;
        }
        return;
    }
    if (!isOrientationCode(part.RASPOL)) {
        return;
    }
    if (part.LENIZD == 0 || part.WIDIZD == 0) {
        part.DOLYA = 0;
        return;
    }
    double unitLength = part.LENIZD;
    double unitWidth = part.WIDIZD;
    if (book && part.STRNALIST != 1) {
        // The placed unit is a two-page spread, doubled along the side DBLSIDE names.
        if (part.DBLSIDE != 0) {
            unitLength = 2 * part.LENIZD;
        } else {
            unitWidth = 2 * part.WIDIZD;
        }
    }
    const double roomLength = part.LENPREDREZ - part.OTSTIZD;
    const double roomWidth = part.WIDPREDREZ - part.OTSTIZD;
    const double stepLength = unitLength + part.ZAZOR;
    const double stepWidth = unitWidth + part.ZAZOR;
    const FitCounts counts = fitCounts(roomLength, roomWidth, stepLength, stepWidth);
    if (part.RASPOL == kLengthAlongLength) {
        part.DOLYA = counts.along;
    } else if (part.RASPOL == kWidthAlongLength) {
        part.DOLYA = counts.across;
    } else {
        part.DOLYA = counts.best();
    }
}

// Step 3: press sheets per copy of a book; each press sheet carries DOLYA units printed on
// both sides, a unit being one page or a two-page spread.
void countPressSheetsPerCopy(PrintPart& part, bool book) {
    if (!book || part.DOLYA == 0) {
        part.KOLPOLOS = 0;
        return;
    }
    const double pagesPerUnitPair = part.STRNALIST == 1 ? 2 : 4;
    part.KOLPOLOS = part.VSTR / (part.DOLYA * pagesPerUnitPair);
}

// Step 4: paper for the run.
void countPaper(PrintPart& part, const OrderHeader& order, bool book) {
    // A book whose press sheet does not fit the parent sheet (KOLPREDREZ 0) buys no paper,
    // exactly like the other families, instead of dividing by zero.
    if (part.DOLYA == 0 || part.KOLPREDREZ == 0) {
        part.KOLBUMLIST = 0;
        part.KOLBUMKG = 0;
        part.CENABUM = 0;
        return;
    }
    if (book) {
        part.KOLBUMLIST = RoundUp(part.KOLPOLOS * order.TIRAZ / part.KOLPREDREZ);
    } else {
        part.KOLBUMLIST = RoundUp(order.TIRAZ / (part.DOLYA * part.KOLPREDREZ));
    }
    part.KOLLISTPECH = part.KOLBUMLIST * part.KOLPREDREZ;
    // Parent sheets with make-ready, from mm² and g/m² to kilograms.
    part.KOLBUMKG = roundToCents(BigListCalc(part) / 1000000000.0 * part.LENLIST * part.WIDLIST *
                                 part.PLOTNLIST);
    const bool pricedPerSheet = part.EDIZMLIST != 0;
    part.CENABUM = pricedPerSheet ? roundToCents(part.CENALIST * BigListCalc(part))
                                  : roundToCents(part.CENALIST * part.KOLBUMKG);
}

// Step 5: waste areas of one parent sheet and of one press sheet, mm².
void computeWasteAreas(PrintPart& part, bool book) {
    part.OTXPECH = roundToCents(part.LENLIST * part.WIDLIST -
                                part.KOLPREDREZ * part.LENPREDREZ * part.WIDPREDREZ);
    const double pagesPerUnit = book && part.STRNALIST != 1 ? 2 : 1;
    part.OTXIZD = roundToCents(part.LENPREDREZ * part.WIDPREDREZ -
                               part.DOLYA * part.LENIZD * part.WIDIZD * pagesPerUnit);
}

}  // namespace

double piecesThatFit(double room, double step) {
    if (step == 0) {
        return 0;
    }
    return std::max(0.0, Trunc(room / step));
}

FitCounts fitCounts(double roomLength, double roomWidth, double stepLength, double stepWidth) {
    return {piecesThatFit(roomLength, stepLength) * piecesThatFit(roomWidth, stepWidth),
            piecesThatFit(roomWidth, stepLength) * piecesThatFit(roomLength, stepWidth)};
}

void CalcLayout(PrintPart& part, const OrderHeader& order, ProductFamily family) {
    const bool book = family == ProductFamily::Book;
    layPressSheetsOnParentSheet(part);
    layProductsOnPressSheet(part, book);
    countPressSheetsPerCopy(part, book);
    countPaper(part, order, book);
    computeWasteAreas(part, book);
}

}  // namespace costing
