// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

// The proportional layout engine: a snapshot of each window's client size and
// its controls' geometry, taken on the window's first resize, and the rescale
// of every control from that snapshot on each later resize. Scaling always
// starts from the snapshot, so repeated resizing never accumulates rounding.

#include "layout/toolkit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strumkin::layout {

struct LayoutRecord {
    std::string Name;
    std::int32_t Index = 0;
    std::string FormName;
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Height = 0;
    std::int32_t Width = 0;
    std::int32_t ScaleHeight = 0;
    std::int32_t ScaleWidth = 0;
};

// Offset that parks a control out of view to the left.
inline constexpr std::int32_t OffScreenOffset = 75000;
// A window whose Top is at or below this (minimized) is left alone.
inline constexpr double MinimizedTop = 30000.0;

class Engine {
public:
    // Snapshot store.
    std::vector<LayoutRecord> FormList;
    std::int32_t FormCount = 0;
    std::vector<LayoutRecord> ControlList;
    std::int32_t ControlCount = 0;

    // Re-entrancy guard shared by all windows: a resize request that arrives
    // while another is handled is dropped.
    bool Resizing = false;

    static std::int32_t NormalizeX(std::int32_t value);

    std::int32_t FindForm(const Window &window) const;
    // Records the window and every control not yet recorded. A failure to
    // read the window's own geometry is thrown to the caller.
    std::int32_t AddForm(Window &window);
    std::int32_t FindControl(const Control &control, const std::string &formName) const;
    std::int32_t AddControl(Control &control, const std::string &formName);

    void ResizeForm(Window &window);
    void ResizeControl(Control &control, Window &window);
    // Whole percentages of the recorded client size; record the window first
    // when it is not yet known. Throw when the factor cannot be computed.
    std::int32_t WidthFactor(Window &window);
    std::int32_t HeightFactor(Window &window);
};

// The engine of the process, shared by every window.
Engine &processEngine();

// Entry point for a window's Resize handler.
void ResizeForm(Window &window);

} // namespace strumkin::layout
