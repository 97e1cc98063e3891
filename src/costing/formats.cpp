#include "costing/formats.h"

#include "costing/layout.h"
#include "costing/rounding.h"

namespace costing {

namespace {

constexpr double kNoSheetWaste = 1000000000;  // a sheet that carries nothing
constexpr double kPreviewBox = 250;

struct PlacedUnit {
    double length = 0;
    double width = 0;
};

// A book placed as two-page spreads doubles one side of the page.
PlacedUnit placedUnit(const PrintPart& part, ProductFamily family) {
    if (family != ProductFamily::Book || part.STRNALIST == 1) {
        return {part.LENIZD, part.WIDIZD};
    }
    if (part.DBLSIDE != 0) {
        return {2 * part.LENIZD, part.WIDIZD};
    }
    return {part.LENIZD, 2 * part.WIDIZD};
}

bool fitsPress(const Format& pressFormat, MachineSize press) {
    return (pressFormat.LEN <= press.LEN && pressFormat.WID <= press.WID) ||
           (pressFormat.LEN <= press.WID && pressFormat.WID <= press.LEN);
}

}  // namespace

PairWaste assessFormatPair(const PrintPart& part, ProductFamily family, MachineSize press,
                           const Format& parentFormat, const Format& pressFormat) {
    const double r = pressFormat.LEN;
    const double s = pressFormat.WID;
    double pressSheets = 0;
    double parentWaste = kNoSheetWaste;
    if (fitsPress(pressFormat, press) && r != 0 && s != 0) {
        pressSheets = fitCounts(parentFormat.LEN - part.OTSTPECH, parentFormat.WID - part.OTSTPECH,
                                r + part.ZAZORPECH, s + part.ZAZORPECH)
                          .best();
        if (pressSheets != 0) {
            parentWaste = parentFormat.LEN * parentFormat.WID - r * s * pressSheets;
        }
    }
    const PlacedUnit unit = placedUnit(part, family);
    double products = 0;
    double pressWaste = kNoSheetWaste;
    if (unit.length != 0 && unit.width != 0 && pressSheets != 0) {
        products = fitCounts(r - part.OTSTIZD, s - part.OTSTIZD, unit.length + part.ZAZOR,
                             unit.width + part.ZAZOR)
                       .best();
        if (products == 0) {
            parentWaste = kNoSheetWaste;
        } else {
            pressWaste = r * s - unit.length * unit.width * products;
        }
    }
    return {pressSheets, products, parentWaste + pressWaste};
}

std::optional<ChosenFormats> ChooseFormatsAuto(PrintPart& part, const OrderHeader& order,
                                               ProductFamily family,
                                               std::optional<MachineSize> machine,
                                               std::span<const Format> pressFormats,
                                               std::span<const Format> parentFormats) {
    const MachineSize press = machine.value_or(kAnySheetPress);
    std::optional<ChosenFormats> best;
    double leastWaste = 2 * kNoSheetWaste;
    for (std::size_t parent = 0; parent < parentFormats.size(); ++parent) {
        for (std::size_t pressFormat = 0; pressFormat < pressFormats.size(); ++pressFormat) {
            const double waste = assessFormatPair(part, family, press, parentFormats[parent],
                                                  pressFormats[pressFormat])
                                     .waste;
            if (waste < leastWaste) {
                leastWaste = waste;
                best = ChosenFormats{parent, pressFormat};
            }
        }
    }
    const Format none;
    const Format& pressChoice = best ? pressFormats[best->press] : none;
    const Format& parentChoice = best ? parentFormats[best->parent] : none;
    part.LENPREDREZ = Trunc(pressChoice.LEN);
    part.WIDPREDREZ = Trunc(pressChoice.WID);
    part.FORMATPREDREZ = pressChoice.NAME;
    part.LENLIST = parentChoice.LEN;
    part.WIDLIST = parentChoice.WID;
    part.FORMATLIST = parentChoice.NAME;
    part.TIPDOLYA = 0;
    part.RASPOL = 0;
    part.PREDREZ = 0;
    part.TIPPREDREZ = 0;
    CalcLayout(part, order, family);
    return best;
}

LayoutPreview layoutPreview(const PrintPart& part, ProductFamily family) {
    LayoutPreview preview;
    double pressScale = 0;
    if (part.LENLIST != 0) {
        preview.parentSheet = {kPreviewBox, Trunc(part.WIDLIST / part.LENLIST * kPreviewBox)};
        pressScale = Trunc(part.LENPREDREZ / part.LENLIST * kPreviewBox);
    }
    double productScale = 0;
    if (part.LENPREDREZ != 0) {
        preview.pressSheet = {Trunc(pressScale),
                              Trunc(pressScale * part.WIDPREDREZ / part.LENPREDREZ)};
        productScale = Trunc(pressScale * part.LENIZD / part.LENPREDREZ);
    }
    if (part.LENIZD != 0) {
        preview.product = {productScale, Trunc(productScale * part.WIDIZD / part.LENIZD)};
        if (family == ProductFamily::Book && part.STRNALIST != 1) {
            // A spread is drawn with the side it doubles.
            if (part.DBLSIDE != 0) {
                preview.product.height = Trunc(productScale * 2 * part.LENIZD / part.LENIZD);
            } else {
                preview.product.width = Trunc(productScale * 2 * part.WIDIZD / part.LENIZD);
            }
        }
    }
    return preview;
}

}  // namespace costing
