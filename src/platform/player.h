// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace strumkin::platform {

// Strummed from low E to high E, or one string at a time.
enum class PlayMode { Strum, StringByString };

// Plays chord shapes on a guitar, one at a time.
class Player {
public:
    // Frets per string, low E first: a fret, 0 for open, -1 for muted.
    using Shape = std::array<int, 6>;

    virtual ~Player() = default;
    // Plays a shape, stopping whatever played before; the owner (a window)
    // is who asked, so that it can stop its own sound.
    virtual void play(const Shape &shape, PlayMode mode, const void *owner) = 0;
    // Stops the sound if the owner started it.
    virtual void stopFor(const void *owner) = 0;
};

} // namespace strumkin::platform
