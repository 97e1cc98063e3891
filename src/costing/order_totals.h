#pragma once

#include <cstddef>
#include <span>

#include "costing/family.h"
#include "costing/order.h"
#include "costing/print_part.h"

namespace costing {

// Line totals of a pre-press or post-press work: ALLTIME and ALLCENA, the copies times the
// hours and the price per copy, rounded to cents.
void CalcWorkLineTotals(Work& work);

// The order's times, cost price, profit, VAT, price and price per copy, also in the
// additional currency, and the premises rent beside them. The post-press lines get their
// line totals first; the pre-press lines are taken as they are. Book and label orders sum
// all their print parts; sheet and box orders, whose windows hold exactly one print part,
// sum only the current one (currentPart, an index into parts).
void CalcOrderTotals(OrderHeader& order, std::span<const PrintPart> parts, std::size_t currentPart,
                     std::span<const Work> prepress, std::span<Work> postpress,
                     const Settings& settings, ProductFamily family);

// Profit, VAT, price and prices per copy again from the stored cost price and hours, after
// the profit rate RENT was changed.
void RecalcProfit(OrderHeader& order, const Settings& settings);

}  // namespace costing
