#pragma once

#include <QString>

namespace zel {
class Dataset;
}

namespace zelvan {

// The next order number: the largest NUM of all orders, in every list, that reads as a
// whole number, plus 1 ("1" when there is none). Other texts count as 0. `numbers` is
// the data module's DSetNumZak (the distinct NUMs as the current transaction sees them);
// it is reopened to read them and closed again. Throws fb::Error.
QString nextOrderNumber(zel::Dataset& numbers);

}  // namespace zelvan
