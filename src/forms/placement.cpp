// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/placement.h"

#include <algorithm>
#include <array>

namespace strumkin::forms {

namespace {

// Pushes a rectangle onto the screen; its top-left corner wins when it is too
// large to fit.
QRect onScreen(QRect r, const QRect &screen)
{
    r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.right() + 1 - r.width())));
    r.moveTop(std::max(screen.top(), std::min(r.top(), screen.bottom() + 1 - r.height())));
    return r;
}

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QRect beside(const QRect &anchor, const QSize &size, const QRect &screen)
{
    const int w = size.width();
    const int h = size.height();
    const std::array<QRect, 4> sides{QRect(anchor.right() + 1, anchor.top(), w, h),
                                     QRect(anchor.left() - w, anchor.top(), w, h),
                                     QRect(anchor.left(), anchor.bottom() + 1, w, h),
                                     QRect(anchor.left(), anchor.top() - h, w, h)};
    // Where no side is free: along each axis the overlap is least at one end
    // of the range the window can take, so one of the screen's corners has
    // the least overlap of all. A side comes first where it ties.
    const std::array<QRect, 8> candidates{
        onScreen(sides[0], screen),
        onScreen(sides[1], screen),
        onScreen(sides[2], screen),
        onScreen(sides[3], screen),
        onScreen(QRect(screen.topLeft(), size), screen),
        onScreen(QRect(QPoint(screen.right() + 1 - w, screen.top()), size), screen),
        onScreen(QRect(QPoint(screen.left(), screen.bottom() + 1 - h), size), screen),
        onScreen(QRect(QPoint(screen.right() + 1 - w, screen.bottom() + 1 - h), size), screen)};
    return *std::min_element(
        candidates.begin(), candidates.end(),
        [&](const QRect &a, const QRect &b) { return overlap(a, anchor) < overlap(b, anchor); });
}

} // namespace strumkin::forms
