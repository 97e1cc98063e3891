#pragma once

#include <QString>
#include <QVariant>

namespace zel::reports {

// How values read on the printouts (Russian conventions: decimal comma, thousands
// grouped with a non-breaking space). A null value prints as an empty cell.

// Money with two decimals: 1234.5 → "1 234,50".
QString formatMoney(double amount);
QString formatMoney(const QVariant& amount);
// A whole number with grouped thousands: 15000 → "15 000".
QString formatCount(const QVariant& count);
// A number with at most `decimals` decimals and no trailing zeros: 12.50 → "12,5".
QString formatNumber(const QVariant& number, int decimals = 2);
// The date alone, dd.MM.yyyy.
QString formatDate(const QVariant& date);

}  // namespace zel::reports
