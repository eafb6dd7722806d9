// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::windows {

// Names the program and its makers, with links to their pages and mail.
class AboutWindow final : public shell::WindowClass {
public:
    explicit AboutWindow(shell::Registry &registry);

private:
    void load() override;
};

} // namespace strumkin::windows
