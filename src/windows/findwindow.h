// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::windows {

// The saved-chords browser: the chords folder in a folder list and, beside
// it, the files of whichever folder the list shows. It only shows.
class FindWindow final : public shell::WindowClass {
public:
    explicit FindWindow(shell::Registry &registry);

private:
    void load() override;
};

} // namespace strumkin::windows
