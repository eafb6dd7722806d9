// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/schedule.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace strumkin::sound {

// The sound part the program loads when it first plays a chord: FluidSynth,
// the SoundFont and the audio output, with some 60 shared libraries behind
// them that the program's start does without.
class Engine {
public:
    virtual ~Engine() = default;
    // Empty when it can play; otherwise what keeps it from playing, in plain words.
    [[nodiscard]] virtual QString problem() const = 0;
    // Plays the notes from now on, stopping the play before; what went wrong
    // if it cannot. On the GUI thread, as everything but the making.
    virtual QString play(std::vector<NoteOn> notes) = 0;
    virtual void stop() = 0;
    // How much sound the output has taken since it was opened.
    [[nodiscard]] virtual qint64 playedMicroseconds() const = 0;
    // Whether the output is playing sound now.
    [[nodiscard]] virtual bool sounding() const = 0;
    // Told when the output fails while playing.
    std::function<void(const QString &)> failed;
};

// The module's one entry: makes the engine with the first SoundFont of the
// list that exists (Debian's when the list is empty), on whatever thread
// calls it.
using MakeEngine = Engine *(*)(const QStringList &soundFonts);
inline constexpr char MakeEngineName[] = "strumkin_make_sound_engine";

} // namespace strumkin::sound
