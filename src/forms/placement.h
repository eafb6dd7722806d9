// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

namespace strumkin::forms {

// Where a window of the given frame size stands beside another window's
// frame: to its right, else left, below or above (level with its top or
// left edge, pushed onto the screen), the first that does not overlap it;
// where none is free, the place on the screen that overlaps it least. A
// window larger than the screen keeps its top-left corner on it.
[[nodiscard]] QRect beside(const QRect &anchor, const QSize &size, const QRect &screen);

} // namespace strumkin::forms
