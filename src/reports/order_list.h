#pragma once

#include <QString>

#include "reports/report_document.h"

namespace zel {
class Dataset;
}

namespace zel::reports {

// The printout of an order list: one line per row of `orders` in the order shown (every
// row, read to the end; the current row stays where it was), the count of the orders
// and the sum of their prices in the main currency after the table, the organisation's
// name and the page number on every page. `orders` must be open; `obsh` is the general
// settings row.
//
// `colourField` is the ZAKAZ column printed as the colours (PAINTPREDL or PAINT).
ReportDocument buildOrderList(Dataset& orders, Dataset& obsh, const QString& name,
                              const QString& title, const QString& colourField);

// The main window's lists: "Расчетные заказы" (RepRasch, colours from PAINT) when
// `estimates`, else "Текущие заказы" (RepTek, colours from PAINTPREDL).
ReportDocument buildOrderList(Dataset& orders, Dataset& obsh, bool estimates);

}  // namespace zel::reports
