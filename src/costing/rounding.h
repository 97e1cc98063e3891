#pragma once

namespace costing {

// Cuts toward zero.
double Trunc(double x);

// Rounds up: Trunc(x), plus 1 when x has a fractional part above 0 (so -2.5 gives -2).
double RoundUp(double x);

// Rounds x to the power of ten 10^digit (digit -3, -2, -1 or 0): the exact quotient of x
// by the double nearest to 10^digit is rounded to a whole number, halves to even, and
// multiplied back by that double. The double nearest to 0.01 is slightly above one
// hundredth, so 1.875 gives 1.87.
double RoundTo(double x, int digit);

// RoundTo(x, -2): money, hours and kilograms are kept to cents.
inline double roundToCents(double x) {
    return RoundTo(x, -2);
}

}  // namespace costing
