// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/elapsed.h"

#include "layout/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace strumkin::shell {

using layout::roundHalfEven;

QString secondsPart(double elapsedDays)
{
    // A date before the origin keeps its time of day as a positive fraction.
    const double seconds = roundHalfEven(std::abs(elapsedDays) * 86400.0);
    const auto withinMinute = static_cast<int>(std::fmod(seconds, 60.0));
    return QStringLiteral("%1").arg(withinMinute, 2, 10, QLatin1Char('0'));
}

int centredOffset(double screen, double window)
{
    const double difference = roundHalfEven(screen - window);
    const double bounded = std::clamp(difference, -2147483648.0, 2147483647.0);
    return static_cast<int>(static_cast<std::int64_t>(bounded) / 2);
}

} // namespace strumkin::shell
