// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "sound/schedule.h"

namespace strumkin::sound {

std::vector<NoteOn> schedule(const Frets &frets, Mode mode)
{
    const qint64 gap = mode == Mode::Strum ? StrumGap : StringGap;
    std::vector<NoteOn> notes;
    for (int string = 0; string < StringCount; ++string) {
        if (frets[string] >= 0)
            notes.push_back({OpenStrings[string] + frets[string], qint64(notes.size()) * gap});
    }
    return notes;
}

qint64 releaseFrame(const std::vector<NoteOn> &notes)
{
    return notes.empty() ? 0 : notes.back().frame + Ring;
}

} // namespace strumkin::sound
