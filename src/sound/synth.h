// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/schedule.h"

#include <QString>
#include <QStringList>

#include <vector>

// FluidSynth's own names for its opaque types.
using fluid_settings_t = struct _fluid_hashtable_t;
using fluid_synth_t = struct _fluid_synth_t;

namespace strumkin::sound {

// Steel-string acoustic guitar: General MIDI program 25 (counted from 0) of bank 0.
inline constexpr int GuitarBank = 0;
inline constexpr int GuitarProgram = 25;
// How long the strings take to fall silent once let go.
inline constexpr qint64 Release = SampleRate / 4;

// Where Debian's SoundFonts lie, in the order they are tried.
[[nodiscard]] QStringList soundFontCandidates();
// The first candidate that exists; empty when none does.
[[nodiscard]] QString findSoundFont(const QStringList &candidates);

// FluidSynth playing a SoundFont's steel-string guitar into 44.1 kHz
// interleaved stereo frames of samples from -1 to 1, one play at a time.
// Undithered, so that the same notes always render the same samples.
class Synth {
public:
    // Reverb and chorus colour the sound for a listener; offline renders that
    // are compared sample by sample go without them.
    enum class Effects { On, Off };
    explicit Synth(const QString &soundFont, Effects effects = Effects::On);
    // A fresh synthesizer playing the SoundFont another has loaded, which
    // must outlive it: no state of the other's carries over.
    Synth(const Synth &fontOf, Effects effects);
    ~Synth();
    Synth(const Synth &) = delete;
    Synth &operator=(const Synth &) = delete;

    // Empty when it can play; otherwise what is missing, in plain words.
    [[nodiscard]] const QString &problem() const { return m_problem; }

    // Starts a play from silence: whatever sounded before stops at once.
    void start(std::vector<NoteOn> notes);
    // Renders the next frames of the play, at most frames of them; 0 once it is over.
    qint64 render(float *stereo, qint64 frames);
    [[nodiscard]] bool playing() const { return m_frame < m_end; }

private:
    Synth(Effects effects);
    void selectGuitar();

    QString m_problem;
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    int m_font = -1;
    bool m_borrowed = false;
    std::vector<NoteOn> m_notes;
    std::size_t m_next = 0;
    qint64 m_frame = 0;
    qint64 m_rendered = 0; // by FluidSynth, all plays together
    qint64 m_release = 0;
    qint64 m_end = 0;
};

} // namespace strumkin::sound
