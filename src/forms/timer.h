// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

class QTimer;

namespace strumkin::forms {

// A timer: raises Timer every Interval milliseconds (0 to 65535) while
// Enabled and the interval is not 0. Setting either starts the count again
// from 0, as turning a wait off and on again must. It has a position on the
// design and nothing else of a visible control.
class Timer final : public Kinded<Timer> {
public:
    using Kinded::Kinded;

    [[nodiscard]] bool running() const;
    bool move(std::span<const std::int32_t> arguments) override;
    // Raises one tick now, as the running timer would.
    void tick();

    [[nodiscard]] static const PropertyTable<Timer> &properties();

protected:
    bool hasPosition() const override { return true; }
    bool acceptsSize() const override { return false; }

private:
    void restart();

    // Made when the timer first runs.
    QTimer *m_timer = nullptr;
    int m_interval = 0;
    bool m_enabled = true;
};

} // namespace strumkin::forms
