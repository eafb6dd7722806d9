// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRectF>

#include <functional>
#include <optional>

namespace strumkin::shell {

// Where a tiling puts its copies of a picture: the picture's size W x H in
// the window's units and the window's outer size FW x FH in twips.
struct TileRun {
    int columns = 0; // the last column index, inclusive
    int rows = 0;    // the last row index, inclusive
};

// The bounds of a tiling: the window's outer width over the tile's width,
// both rounded to whole numbers (halves to even), divided with truncation,
// plus one; the same down. A bound beyond a 16-bit number, or a tile with no
// width or height, is an error that ends the tiling: empty.
[[nodiscard]] std::optional<TileRun> tileRun(double tileWidth, double tileHeight, double outerWidth,
                                             double outerHeight);

// Paints the picture at every tile of the run, column by column, each at its
// own size, with the corner at x = i * W and y = j * H (single precision).
void tile(const TileRun &run, double tileWidth, double tileHeight,
          const std::function<void(const QRectF &)> &paint);

} // namespace strumkin::shell
