// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::shell {

// The introduction: how to read a chord diagram, on one page, and the ways
// on to the chord menu, back to the title window, or out.
class IntroWindow final : public WindowClass {
public:
    explicit IntroWindow(Registry &registry);
};

} // namespace strumkin::shell
