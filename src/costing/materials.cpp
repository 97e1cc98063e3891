#include "costing/materials.h"

#include <cmath>

#include "costing/rounding.h"

namespace costing {

namespace {

// The columns of one kind of printing form: films or plates follow the same rule.
struct FormColumns {
    Number PrintPart::*used;
    Number PrintPart::*materialCode;
    Text PrintPart::*materialName;
    Number PrintPart::*hoursPerForm;
    Number PrintPart::*pricePerForm;
    Number PrintPart::*countTypedByHand;
    Number PrintPart::*count;
    Number PrintPart::*hoursForAll;
    Number PrintPart::*costForAll;
};

constexpr FormColumns kFilms{
    &PrintPart::TIPPHOTOV,  &PrintPart::KODPHOTOV,     &PrintPart::NAMEPHOTOV,
    &PrintPart::TIMEPHOTOV, &PrintPart::CENASHTPHOTOV, &PrintPart::TIPCALCPHOTO,
    &PrintPart::KOLPHOTOV,  &PrintPart::TIMEALLPHOTOV, &PrintPart::CENAPHOTOV,
};

constexpr FormColumns kPlates{
    &PrintPart::TIPPLAST,  &PrintPart::KODPLAST,     &PrintPart::NAMEPLAST,
    &PrintPart::TIMEPLAST, &PrintPart::CENASHTPLAST, &PrintPart::TIPCALCPLAST,
    &PrintPart::KOLPLAST,  &PrintPart::TIMEALLPLAST, &PrintPart::CENAPLAST,
};

constexpr double kOtherSidePlates = 1;  // OBOROT 1 "Чужой": the back has plates of its own

bool isOdd(double n) {
    return std::fmod(n, 2.0) != 0;
}

// Forms for the colours of one copy's press sheets. With separate back plates every colour
// of every press sheet needs a form; in work-and-turn face and back share them, so half as
// many, and an odd colour count needs one more.
double formsForColours(const PrintPart& part, bool book, QuarterSheet quarterSheet) {
    const double colours = part.PAINTLEFT + part.PAINTRIGHT;
    const bool separateBackPlates = part.OBOROT == kOtherSidePlates;
    if (!book) {
        if (separateBackPlates) {
            return colours;
        }
        return Trunc(colours / 2) + (isOdd(colours) ? 1 : 0);
    }
    double sheetsPerCopy = part.KOLPOLOS;
    if (quarterSheet == QuarterSheet::CountUp && part.STRNALIST == 1) {
        const double partSheet = part.KOLPOLOS - Trunc(part.KOLPOLOS);
        if (partSheet == 0.25 || partSheet == 0.75) {
            sheetsPerCopy += 0.25;
        }
    }
    if (separateBackPlates) {
        const double forms = Trunc(sheetsPerCopy * colours);
        return forms < colours ? colours : forms;
    }
    double forms = Trunc(sheetsPerCopy * colours / 2);
    if (colours / 2 > forms) {
        forms = Trunc(colours / 2);
    }
    if (isOdd(colours)) {
        forms += 1;
    }
    return forms;
}

void countForms(PrintPart& part, const FormColumns& forms, bool book, QuarterSheet quarterSheet) {
    if (part.*forms.used == 0) {
        (part.*forms.materialCode).setNull();
        (part.*forms.materialName).reset();
        part.*forms.hoursPerForm = 0;
        part.*forms.pricePerForm = 0;
        part.*forms.hoursForAll = 0;
        part.*forms.costForAll = 0;
        part.*forms.countTypedByHand = 0;
        part.*forms.count = 0;
        return;
    }
    if (part.*forms.countTypedByHand == 0) {
        part.*forms.count = formsForColours(part, book, quarterSheet);
    }
    part.*forms.costForAll = part.*forms.pricePerForm * part.*forms.count;
    part.*forms.hoursForAll = roundToCents(part.*forms.hoursPerForm * part.*forms.count);
}

}  // namespace

void CountFilmsAndPlates(PrintPart& part, ProductFamily family, QuarterSheet quarterSheet) {
    const bool book = family == ProductFamily::Book;
    countForms(part, kFilms, book, quarterSheet);
    countForms(part, kPlates, book, quarterSheet);
}

void CalcInk(PrintPart& part) {
    if (part.PAINTPRINT == 0) {
        // A press without inking units lays no ink, whatever colours were entered.
        part.PAINTKG = 0;
        part.CENAPAINT = 0;
        part.KOLPAINTOTT = 0;
        return;
    }
    if (part.PRLENPAINT * part.PRWIDPAINT * 1000 == 0) {
        part.PAINTKG = 0;
    } else {
        const double pressSheets = PechListCalc(part);
        part.KOLPAINTOTT = Trunc(pressSheets * part.PAINTRIGHT + pressSheets * part.PAINTLEFT);
        // The norm is grams per impression of the reference sheet; scale it to the press
        // sheet and turn grams into kilograms.
        part.PAINTKG = roundToCents(part.KOLPAINTOTT *
                                    (part.NORMRASXPAINT * part.LENPREDREZ * part.WIDPREDREZ) /
                                    (part.PRWIDPAINT * part.PRLENPAINT * 1000));
    }
    part.CENAPAINT = part.CENAKGPAINT * part.PAINTKG;
}

void CalcVarnishMaterial(PrintPart& part) {
    if (part.PRLENLAK * part.PRWIDLAK * 1000 == 0) {
        part.LAKKG = 0;
    } else {
        // Varnish is laid on the run's press sheets only, make-ready sheets excluded.
        const double varnishedSides = part.TIPLAKIR + 1;
        part.LAKKG = roundToCents(part.LAKIR * varnishedSides * part.KOLLISTPECH *
                                  (part.NORMRASXLAK * part.LENPREDREZ * part.WIDPREDREZ) /
                                  (part.PRWIDLAK * part.PRLENLAK * 1000));
    }
    part.CENALAK = part.CENAKGLAK * part.LAKKG;
}

void CalcMaterialTotals(PrintPart& part) {
    part.COSTOSNMATER = part.CENALAK + part.CENAPAINT + part.CENABUM;
    part.COSTVSPOMMATER = roundToCents(part.VSPOMMATER * part.COSTOSNMATER / 100);
    part.COSTITOGOMATER = part.COSTVSPOMMATER + part.COSTOSNMATER;
}

}  // namespace costing
