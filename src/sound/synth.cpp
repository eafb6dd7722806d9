// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "sound/synth.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <fluidsynth.h>

namespace strumkin::sound {

QStringList soundFontCandidates()
{
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")};
}

QString findSoundFont(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

Synth::Synth(Effects effects)
{
    // FluidSynth prints its complaints; the problem text says what matters.
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    m_settings = new_fluid_settings();
    fluid_settings_setnum(m_settings, "synth.sample-rate", SampleRate);
    // The default gain of 0.2 peaks near -30 dBFS: too quiet beside other programs.
    fluid_settings_setnum(m_settings, "synth.gain", 1.0);
    fluid_settings_setint(m_settings, "synth.reverb.active", effects == Effects::On ? 1 : 0);
    fluid_settings_setint(m_settings, "synth.chorus.active", effects == Effects::On ? 1 : 0);
    m_synth = new_fluid_synth(m_settings);
    if (m_synth == nullptr)
        m_problem = QStringLiteral("The sound synthesizer could not be started.");
}

Synth::Synth(const QString &soundFont, Effects effects) : Synth(effects)
{
    if (!m_problem.isEmpty())
        return;
    if (soundFont.isEmpty()) {
        m_problem =
            QStringLiteral("No SoundFont of instrument sounds was found. Install the Debian "
                           "package timgm6mb-soundfont, then try again.");
        return;
    }
    m_font = fluid_synth_sfload(m_synth, QFile::encodeName(soundFont).constData(), 0);
    if (m_font == FLUID_FAILED) {
        m_problem = QStringLiteral("The SoundFont %1 could not be read. Install the Debian package "
                                   "timgm6mb-soundfont again, then try again.")
                        .arg(soundFont);
        return;
    }
    if (fluid_synth_program_select(m_synth, 0, m_font, GuitarBank, GuitarProgram) == FLUID_FAILED)
        m_problem = QStringLiteral("The SoundFont %1 has no steel-string guitar (bank 0, program "
                                   "25). Install the Debian package timgm6mb-soundfont.")
                        .arg(soundFont);
}

Synth::Synth(const Synth &fontOf, Effects effects) : Synth(effects)
{
    m_problem = fontOf.m_problem;
    if (!m_problem.isEmpty() || m_synth == nullptr)
        return;
    m_font =
        fluid_synth_add_sfont(m_synth, fluid_synth_get_sfont_by_id(fontOf.m_synth, fontOf.m_font));
    m_borrowed = true;
    fluid_synth_program_select(m_synth, 0, m_font, GuitarBank, GuitarProgram);
}

Synth::~Synth()
{
    // A borrowed SoundFont goes back to its owner, not down with this synthesizer.
    if (m_borrowed)
        fluid_synth_remove_sfont(m_synth, fluid_synth_get_sfont_by_id(m_synth, m_font));
    if (m_synth != nullptr)
        delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

void Synth::selectGuitar()
{
    // A reset falls back to the piano; the guitar is chosen again after it.
    fluid_synth_system_reset(m_synth);
    fluid_synth_program_select(m_synth, 0, m_font, GuitarBank, GuitarProgram);
}

void Synth::start(std::vector<NoteOn> notes)
{
    if (!m_problem.isEmpty())
        return;
    selectGuitar();
    // FluidSynth renders in blocks and starts a note at the next block's
    // start; a reset lets the voices go over a few blocks. A play that starts
    // on a block's start after them renders the same samples each time.
    constexpr qint64 Block = 64;
    std::array<float, 2 * Block> scratch{};
    for (qint64 rest = 16 * Block + (Block - m_rendered % Block) % Block; rest > 0;) {
        const qint64 count = std::min(rest, Block);
        fluid_synth_write_float(m_synth, int(count), scratch.data(), 0, 2, scratch.data(), 1, 2);
        m_rendered += count;
        rest -= count;
    }
    m_notes = std::move(notes);
    m_next = 0;
    m_frame = 0;
    m_release = releaseFrame(m_notes);
    m_end = m_notes.empty() ? 0 : m_release + Release;
}

qint64 Synth::render(float *stereo, qint64 frames)
{
    qint64 done = 0;
    while (done < frames && playing()) {
        while (m_next < m_notes.size() && m_notes[m_next].frame <= m_frame)
            fluid_synth_noteon(m_synth, 0, m_notes[m_next++].note, 100);
        if (m_frame == m_release)
            fluid_synth_all_notes_off(m_synth, 0);
        // Up to the next event: a note, the release or the end.
        qint64 until = m_frame < m_release ? m_release : m_end;
        if (m_next < m_notes.size())
            until = std::min(until, m_notes[m_next].frame);
        const auto count = static_cast<int>(std::min(until - m_frame, frames - done));
        float *out = stereo + 2 * done;
        fluid_synth_write_float(m_synth, count, out, 0, 2, out, 1, 2);
        m_frame += count;
        m_rendered += count;
        done += count;
    }
    return done;
}

} // namespace strumkin::sound
