#include "costing/rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace costing {
namespace {

struct RoundCase {
    double value;
    int digit;
    double expected;
};

// Each expected value is worked out from the exact binary values:
// the double nearest 0.01 is 0.01000000000000000020816681711721685..., slightly above one
// hundredth, and the double nearest 0.001 is 0.00100000000000000002081668171172168...
TEST(RoundTo, RoundsTheExactQuotientHalvesToEven) {
    const RoundCase cases[] = {
        // 1.875 is exact in binary; divided by the larger-than-0.01 double it gives
        // 187.4999999999999961 (not a tie), so 187 hundredths.
        {1.875, -2, 1.87},
        // 0.125 and 0.375 are exact; 12.49999999999999974 and 37.4999999999999992.
        {0.125, -2, 0.12},
        {0.375, -2, 0.37},
        // 1.005 is stored as 1.00499999999999989342, quotient 100.4999999999999872.
        {1.005, -2, 1.00},
        // 2.675 is stored as 2.67499999999999982236, quotient 267.4999999999999767.
        {2.675, -2, 2.67},
        // 8.345 is stored as 8.34500000000000063949, quotient 834.5000000000000466: up.
        {8.345, -2, 8.35},
        // Three digits: 0.1245 is stored as 0.12449999999999999956, quotient 124.49999999999999696.
        {0.1245, -3, 0.124},
        // 0.0125 is stored as 0.01250000000000000069389, quotient 12.50000000000000043: up.
        {0.0125, -3, 0.013},
        // 0.0005 is stored as exactly half the double nearest 0.001: a true tie, to even 0.
        {0.0005, -3, 0.0},
        // Whole numbers: exact ties go to the even neighbour, in both directions.
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {-2.5, 0, -2.0},
        {-1.875, -2, -1.87},
        {404.6, 0, 405.0},
        {1940.0, -2, 1940.0},
    };
    for (const RoundCase& c : cases) {
        EXPECT_DOUBLE_EQ(RoundTo(c.value, c.digit), c.expected)
            << c.value << " to " << c.digit << " digits";
    }
}

TEST(RoundTo, NeverGivesNegativeZero) {
    EXPECT_FALSE(std::signbit(RoundTo(-0.001, -2)));
    EXPECT_FALSE(std::signbit(RoundTo(-0.0, -2)));
}

// Reference for the exact rule, by integer arithmetic: x - n * f scaled to whole units of
// the smaller binary exponent, exact in 128 bits for the amounts drawn below.
__int128 scaledDifference(double x, double f, long long n) {
    int xExponent = 0;
    int fExponent = 0;
    const auto xMantissa = static_cast<__int128>(std::ldexp(std::frexp(x, &xExponent), 53));
    const auto fMantissa = static_cast<__int128>(std::ldexp(std::frexp(f, &fExponent), 53));
    const int base = std::min(xExponent, fExponent);
    const __int128 xScale = __int128{1} << (xExponent - base);
    const __int128 fScale = __int128{1} << (fExponent - base);
    return xMantissa * xScale - __int128{n} * fMantissa * fScale;
}

long long exactlyRoundedQuotient(double x, double f) {
    const auto guess = static_cast<long long>(std::nearbyint(x / f));
    long long best = guess - 1;
    for (long long n = guess; n <= guess + 1; ++n) {
        const __int128 d = scaledDifference(x, f, n);
        const __int128 bestD = scaledDifference(x, f, best);
        const __int128 distance = d < 0 ? -d : d;
        const __int128 bestDistance = bestD < 0 ? -bestD : bestD;
        if (distance < bestDistance || (distance == bestDistance && n % 2 == 0)) {
            best = n;
        }
    }
    return best;
}

TEST(RoundTo, MatchesAnExactIntegerReferenceOnRandomAmounts) {
    struct Scale {
        int digit;
        double f;
        double unitsPerOne;  // the amounts drawn have two more decimals than the rounding
    };
    for (const Scale scale : {Scale{-2, 0.01, 10000.0}, Scale{-3, 0.001, 100000.0}}) {
        std::mt19937_64 random(20240611);
        std::uniform_int_distribution<long long> units(-1000000000, 1000000000);
        int plainRuleDisagrees = 0;
        for (int i = 0; i < 300000; ++i) {
            const double amount = double(units(random)) / scale.unitsPerOne;
            const long long n = exactlyRoundedQuotient(amount, scale.f);
            ASSERT_EQ(RoundTo(amount, scale.digit), double(n) * scale.f + 0.0)
                << amount << " to " << scale.digit << " digits";
            if (std::nearbyint(amount / scale.f) != double(n)) {
                ++plainRuleDisagrees;
            }
        }
        // The sample holds many amounts ending in a half, where plain floating division
        // goes wrong; without them the comparison above would prove little.
        EXPECT_GT(plainRuleDisagrees, 1000) << scale.digit;
    }
}

TEST(RoundTo, RejectsDigitsItDoesNotSupport) {
    EXPECT_THROW(RoundTo(1.0, 2), std::invalid_argument);
}

TEST(Trunc, CutsTowardZero) {
    EXPECT_EQ(Trunc(2.9), 2.0);
    EXPECT_EQ(Trunc(-2.9), -2.0);
}

TEST(RoundUp, AddsOneOnlyForAFractionAboveZero) {
    struct Case {
        double value;
        double expected;
    };
    const Case cases[] = {
        {13.8889, 14}, {25.0, 25}, {0.0, 0}, {0.0001, 1}, {-2.5, -2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundUp(c.value), c.expected) << c.value;
    }
}

}  // namespace
}  // namespace costing
