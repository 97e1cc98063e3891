#include "costing/order_totals.h"

#include "costing/rounding.h"

namespace costing {

namespace {

constexpr double kProfitPercentOfCost = 0;  // OBSH.TIPRENTAB 0 "В процентах"
constexpr double kVatOnCostAndProfit = 1;   // OBSH.TIPNDS 1

// The order's running sums take each print part's amounts one after another, in the
// order of the estimate.
double addPrintingCost(double total, const PrintPart& p) {
    return total + p.CENAPHOTOV + p.CENAPLAST + p.COSTOSNMATER + p.COSTVSPOMMATER + p.COSTTRUDITOG +
           p.COSTAMORT + p.COSTENERGY + p.COSTNAKLRASX + p.COSTCHIM + p.COSTLAKIR + p.COSTPRIPR +
           p.COSTFALTS + p.COSTREZKA + p.COSTLISTPOD + p.COSTVYS + p.COSTSKLEIKA + p.COSTSHIVKA +
           p.COSTTISN + p.COSTNAKLLAKIR + p.COSTNAKLPRIPR + p.COSTNAKLFALTS + p.COSTNAKLREZKA +
           p.COSTNAKLLISTPOD + p.COSTNAKLVYS + p.COSTNAKLSKLEIKA + p.COSTNAKLSHIVKA +
           p.COSTNAKLTISN + p.CENAKLISH + p.CENAKONGR + p.CENAFOLG + p.CENASHTAMP;
}

double addPrintingHours(double total, const PrintPart& p) {
    return total + p.KOLHOURPRINT + p.KOLHOURLAKIR + p.KOLHOURPRIPR + p.KOLHOURFALTS +
           p.KOLHOURREZKA + p.KOLHOURVYS + p.KOLHOURSKLEIKA + p.KOLHOURSHIVKA + p.KOLHOURLISTPOD +
           p.TIMEALLPHOTOV + p.TIMEALLPLAST + p.KOLHOURTISN + p.TIMESHTAMP;
}

// Sheet and box orders are calculated in a window with a single print part.
std::span<const PrintPart> countedParts(std::span<const PrintPart> parts, std::size_t currentPart,
                                        ProductFamily family) {
    if (family == ProductFamily::Sheet || family == ProductFamily::Box) {
        return currentPart < parts.size() ? parts.subspan(currentPart, 1)
                                          : std::span<const PrintPart>{};
    }
    return parts;
}

void priceFromCostAndHours(OrderHeader& order, const Settings& settings, double hours) {
    order.RENTCENA = settings.TIPRENTAB == kProfitPercentOfCost
                         ? roundToCents(order.RENT * order.SEBES / 100)
                         : roundToCents(order.RENT * hours);
    order.NDSCENA = settings.TIPNDS == kVatOnCostAndProfit
                        ? roundToCents(settings.NDS * (order.SEBES + order.RENTCENA) / 100)
                        : roundToCents(settings.NDS * order.SEBES / 100);
    order.STOIM = order.SEBES + order.RENTCENA + order.NDSCENA;
    order.STOIMDOPVAL = order.KURS == 0 ? 0.0 : roundToCents(order.STOIM / order.KURS);
    if (order.TIRAZ == 0) {
        order.EXEMP = 0;
        order.EXEMPDOPVAL = 0;
    } else {
        order.EXEMP = roundToCents(order.STOIM / order.TIRAZ);
        order.EXEMPDOPVAL = roundToCents(order.STOIMDOPVAL / order.TIRAZ);
    }
}

double storedHours(const OrderHeader& order) {
    return order.TIMEDOPECH + order.TIMEPRINT + order.TIMEPOSTPECH;
}

}  // namespace

void CalcWorkLineTotals(Work& work) {
    work.ALLTIME = roundToCents(work.TIMEOPER * work.KOLVO);
    work.ALLCENA = roundToCents(work.CENA * work.KOLVO);
}

void CalcOrderTotals(OrderHeader& order, std::span<const PrintPart> parts, std::size_t currentPart,
                     std::span<const Work> prepress, std::span<Work> postpress,
                     const Settings& settings, ProductFamily family) {
    for (Work& work : postpress) {
        CalcWorkLineTotals(work);
    }

    double printCost = 0;
    double printHours = 0;
    for (const PrintPart& part : countedParts(parts, currentPart, family)) {
        printCost = addPrintingCost(printCost, part);
        printHours = addPrintingHours(printHours, part);
    }
    order.COSTPRINT = printCost;
    order.TIMEPRINT = printHours;

    // Money is summed as it stands; hours are kept to cents after every line.
    double prepressCost = 0;
    double prepressHours = 0;
    for (const Work& work : prepress) {
        prepressCost += work.ALLCENA;
        prepressHours = roundToCents(prepressHours + work.ALLTIME);
    }
    order.COSTDOPECH = prepressCost;
    order.TIMEDOPECH = prepressHours;

    double postpressCost = 0;
    double postpressHours = 0;
    for (const Work& work : postpress) {
        postpressCost += work.ALLCENA;
        postpressHours = roundToCents(postpressHours + work.ALLTIME);
    }
    order.COSTPOSTPECH = postpressCost;
    order.TIMEPOSTPECH = postpressHours;

    const double hours = storedHours(order);
    // The rent is shown beside the totals; it is no part of the cost price.
    order.COSTRENT = settings.COSTRENT * hours;
    order.SEBES = order.COSTDOPECH + order.COSTPRINT + order.COSTPOSTPECH;
    priceFromCostAndHours(order, settings, hours);
}

void RecalcProfit(OrderHeader& order, const Settings& settings) {
    priceFromCostAndHours(order, settings, storedHours(order));
}

}  // namespace costing
