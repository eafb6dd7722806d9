#pragma once

#include "forms/kinded.h"

class QTimer;

namespace strumkin::forms {

// A timer: raises Timer every Interval milliseconds while Enabled and the
// interval is not 0. It has a position on the design and nothing else of a
// visible control.
class Timer final : public Kinded<Timer> {
public:
    Timer(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] bool running() const;
    [[nodiscard]] int interval() const { return m_interval; }
    bool move(std::span<const std::int32_t> arguments) override;
    // Raises one tick now, as the running timer would.
    void tick();

    [[nodiscard]] static const PropertyTable<Timer> &properties();

protected:
    bool hasPosition() const override { return true; }
    bool acceptsSize() const override { return false; }

private:
    void restart();

    QTimer *m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};

} // namespace strumkin::forms
