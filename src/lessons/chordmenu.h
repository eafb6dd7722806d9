// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::lessons {

// The hub of the lessons: a letter opens its chord page, the menus open the
// readme, the help and the About window, and both Exits leave the program.
class ChordMenu final : public shell::WindowClass {
public:
    explicit ChordMenu(shell::Registry &registry);

private:
    void load() override;
    // Unloads the menu and then every other loaded window: the program ends.
    void exit();
};

} // namespace strumkin::lessons
