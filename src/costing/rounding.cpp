#include "costing/rounding.h"

#include <cmath>
#include <stdexcept>

namespace costing {

namespace {

double powerOfTen(int digit) {
    switch (digit) {
        case -3:
            return 1e-3;
        case -2:
            return 1e-2;
        case -1:
            return 1e-1;
        case 0:
            return 1.0;
    }
    throw std::invalid_argument("RoundTo supports the digits -3 to 0");
}

// Nearest whole number to the exact quotient x / f, halves to even. The floating quotient
// only gives a first guess k; the sign of x - (k + 0.5) * f, computed exactly by a fused
// multiply-add, decides between k and k + 1. A guess that is one off still lands on the
// right neighbour, because the exact quotient then lies next to k itself.
double nearestWholeQuotient(double x, double f) {
    const double guess = x / f;
    if (std::fabs(guess) >= 0x1p52) {
        return std::nearbyint(guess);
    }
    const double k = std::floor(guess);
    const double sideOfHalf = std::fma(-(k + 0.5), f, x);
    if (sideOfHalf < 0) {
        return k;
    }
    if (sideOfHalf > 0) {
        return k + 1;
    }
    return std::fmod(k, 2.0) == 0 ? k : k + 1;
}

}  // namespace

double Trunc(double x) {
    return std::trunc(x);
}

double RoundUp(double x) {
    const double whole = std::trunc(x);
    return x - whole > 0 ? whole + 1 : whole;
}

double RoundTo(double x, int digit) {
    if (!std::isfinite(x)) {
        return x;
    }
    const double f = powerOfTen(digit);
    // Adding 0.0 turns a negative zero (a small negative amount rounded away) into 0.
    return nearestWholeQuotient(x, f) * f + 0.0;
}

}  // namespace costing
