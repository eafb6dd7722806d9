// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::windows {

// The member page: a chord picker that opens any chord page beside it, the
// readme, the help and the member web page.
class MemberWindow final : public shell::WindowClass {
public:
    explicit MemberWindow(shell::Registry &registry);

private:
    void load() override;
    void pick();
};

} // namespace strumkin::windows
