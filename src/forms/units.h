// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/twips.h"

#include <cmath>

namespace strumkin::forms {

using platform::TwipsPerInch;
// The resolution the designs, and the pictures they show, were made at: a
// picture pixel is 12 twips, so a picture keeps its share of its box at any
// logical resolution.
inline constexpr double DesignDpi = 120.0;

// Pixels for a length in twips at a logical resolution; fonts in points use
// the same resolution, so text and boxes keep their designed proportions.
[[nodiscard]] inline int twipsToPixels(double twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / TwipsPerInch));
}

[[nodiscard]] inline double pixelsToTwips(int pixels, double dpi)
{
    return pixels * TwipsPerInch / dpi;
}

// A window's coordinate scale: how many twips one unit is across and down.
struct Scale {
    double twipsPerUnitX = 1.0;
    double twipsPerUnitY = 1.0;
};

} // namespace strumkin::forms
