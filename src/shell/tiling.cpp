// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/tiling.h"

#include "layout/rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace strumkin::shell {

namespace {

std::optional<std::int64_t> whole(double value)
{
    if (!std::isfinite(value) || std::abs(value) > 9.0e15)
        return std::nullopt;
    return static_cast<std::int64_t>(layout::roundHalfEven(value));
}

// outer div tile + 1, as a 16-bit signed number.
std::optional<int> bound(double outer, double tileSize)
{
    const auto across = whole(outer);
    const auto size = whole(tileSize);
    if (!across || !size || *size == 0)
        return std::nullopt;
    const std::int64_t result = *across / *size + 1;
    if (result > std::numeric_limits<std::int16_t>::max() ||
        result < std::numeric_limits<std::int16_t>::min())
        return std::nullopt;
    return static_cast<int>(result);
}

} // namespace

std::optional<TileRun> tileRun(double tileWidth, double tileHeight, double outerWidth,
                               double outerHeight)
{
    const auto columns = bound(outerWidth, tileWidth);
    const auto rows = bound(outerHeight, tileHeight);
    if (!columns || !rows)
        return std::nullopt;
    return TileRun{*columns, *rows};
}

void tile(const TileRun &run, double tileWidth, double tileHeight,
          const std::function<void(const QRectF &)> &paint)
{
    const auto w = static_cast<float>(tileWidth);
    const auto h = static_cast<float>(tileHeight);
    for (int i = 0; i <= run.columns; ++i) {
        for (int j = 0; j <= run.rows; ++j)
            paint(QRectF(static_cast<float>(i) * w, static_cast<float>(j) * h, w, h));
    }
}

} // namespace strumkin::shell
