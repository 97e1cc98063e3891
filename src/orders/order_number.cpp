#include "orders/order_number.h"

#include <algorithm>

#include "core/dataset.h"

namespace zelvan {

QString nextOrderNumber(zel::Dataset& numbers) {
    numbers.close();
    numbers.open();
    numbers.fetchAll();
    qlonglong largest = 0;
    for (int row = 0; row < numbers.fetchedCount(); ++row) {
        bool whole = false;
        const qlonglong number =
            numbers.valueAt(row, QStringLiteral("NUM")).toString().trimmed().toLongLong(&whole);
        if (whole) {
            largest = std::max(largest, number);
        }
    }
    numbers.close();
    return QString::number(largest + 1);
}

}  // namespace zelvan
