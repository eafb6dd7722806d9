// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

namespace strumkin::sound {

inline constexpr int SampleRate = 44100;
inline constexpr int StringCount = 6;

// Frets per string, low E first: a fret, 0 for open, -1 for muted.
using Frets = std::array<int, StringCount>;

// Strummed from low E to high E, or one string at a time so that each can be heard.
enum class Mode { Strum, StringByString };

// The open strings in standard tuning, low E first, as MIDI notes (E2 to E4).
inline constexpr std::array<int, StringCount> OpenStrings{40, 45, 50, 55, 59, 64};

inline constexpr qint64 StrumGap = SampleRate * 40 / 1000;
inline constexpr qint64 StringGap = SampleRate * 600 / 1000;
// How long the last string rings before the notes are let go.
inline constexpr qint64 Ring = SampleRate * 2500 / 1000;

// One string struck: its MIDI note, at a frame counted from the start of the play.
struct NoteOn {
    int note = 0;
    qint64 frame = 0;
    friend bool operator==(const NoteOn &, const NoteOn &) = default;
};

// The notes a chord shape plays, in time: the sounding strings from low E up,
// a gap apart; muted strings are skipped and take no gap.
[[nodiscard]] std::vector<NoteOn> schedule(const Frets &frets, Mode mode);

// The frame at which the notes are let go: the last note's start and the ring.
[[nodiscard]] qint64 releaseFrame(const std::vector<NoteOn> &notes);

} // namespace strumkin::sound
