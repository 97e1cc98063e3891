#pragma once

#include <QString>
#include <QVariant>

namespace zel {

// Keys, look-up values and stored flags compare as numbers when both sides are numbers,
// else as text; null equals only null.
bool sameValue(const QVariant& left, const QVariant& right);

// A field value as the windows show and edit it: numbers in their shortest decimal form
// with a point, dates as dd.MM.yyyy (with the time when it is not midnight), null as
// empty text.
QString valueText(const QVariant& value);

}  // namespace zel
