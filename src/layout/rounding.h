// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace strumkin::layout {

// The nearest whole number, an exact half going to the even neighbour
// (100.5 to 100, 101.5 to 102), whatever the floating-point rounding mode.
// Not finite stays as it is.
[[nodiscard]] inline double roundHalfEven(double value)
{
    double whole = 0;
    const double fraction = std::modf(value, &whole); // exact
    const double rounded = std::round(value);         // exact; a half goes away from zero
    return std::fabs(fraction) == 0.5 && std::fmod(whole, 2.0) == 0 ? whole : rounded;
}

} // namespace strumkin::layout
