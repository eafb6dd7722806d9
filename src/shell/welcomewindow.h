// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::shell {

// The first window: a greeting, a live clock, and a five-second wait before
// Continue and Exit appear. The member-page button leaves at once.
class WelcomeWindow final : public WindowClass {
public:
    explicit WelcomeWindow(Registry &registry);

private:
    void load() override;
    void framed() override;
    // Centres the window's outer rectangle on the screen, as Load does.
    void centre();
    void tickWait();
    [[nodiscard]] QString elapsedText() const;

    // The present date and time read by Load, as a day count.
    double m_start = 0.0;
};

} // namespace strumkin::shell
