#pragma once

#include <cmath>

// The program's rounding of fractional values: to the nearest integer,
// halves to the even neighbour.
inline int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode: to nearest, ties to even
}
