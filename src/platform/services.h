// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::platform {

class Clock;
class Launcher;
class Paths;
class Player;
class Printer;
class Prompter;
class Screen;

// The host services a window may use. The program hands in the real ones,
// tests their doubles.
struct Services {
    Clock *clock = nullptr;
    Screen *screen = nullptr;
    Prompter *prompter = nullptr;
    Paths *paths = nullptr;
    Printer *printer = nullptr;
    Launcher *launcher = nullptr;
    Player *player = nullptr;
};

} // namespace strumkin::platform
