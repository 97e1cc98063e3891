#pragma once

#include "costing/number.h"

namespace costing {

// The fields of an order (a ZAKAZ row) that the costing reads and writes.
struct OrderHeader {
    // Read.
    Number TIPPROD;  // product family as stored; the calculation is told the family explicitly
    Number TIRAZ;    // run length, copies
    Number RENT;     // profitability: percent of cost price or money per hour
    Number KURS;     // base-currency units per unit of the additional currency, 0 = none
    // Written by the order totals.
    Number COSTDOPECH;
    Number COSTPRINT;
    Number COSTPOSTPECH;
    Number TIMEDOPECH;
    Number TIMEPRINT;
    Number TIMEPOSTPECH;
    Number COSTRENT;
    Number SEBES;
    Number RENTCENA;
    Number NDSCENA;
    Number STOIM;
    Number STOIMDOPVAL;
    Number EXEMP;
    Number EXEMPDOPVAL;
};

// The general settings (the OBSH row) that the costing reads.
struct Settings {
    Number NDS;           // VAT, percent
    Number TIPNDS;        // VAT base: 0 cost price, 1 cost price plus profit
    Number SOCOTCH;       // social contributions on wages, percent
    Number ENRGCOST;      // price of one kWh
    Number TIP_CALCFOLG;  // foil counted in rolls (0) or in square metres (1)
    Number COSTRENT;      // premises rent per hour
    Number TIPRENTAB;     // profit as percent of cost price (0) or as a rate per hour (1)
};

// One pre-press or post-press work of an order (a DOPOSTPECH row).
struct Work {
    Number KOLVO;     // copies
    Number TIMEOPER;  // hours per copy
    Number CENA;      // price per copy
    Number ALLTIME;   // line total of hours
    Number ALLCENA;   // line total of money
};

}  // namespace costing
