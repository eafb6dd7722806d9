// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/player.h"

#include <QLibrary>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QThread;

namespace strumkin::platform {
class Prompter;
}

namespace strumkin::sound {

class Engine;

// The program's player: loads the sound part (FluidSynth, the SoundFont,
// the audio output) off the GUI thread when asked to prepare or first asked
// to play, and plays what was asked meanwhile once it is there. What keeps
// it from playing is told once.
class ModulePlayer final : public QObject, public platform::Player {
public:
    ModulePlayer(platform::Prompter &prompter, QString module, QStringList soundFonts);
    ~ModulePlayer() override;

    // Starts loading, unless it is loading or loaded.
    void prepare();
    // Whether the sound part has loaded, or failed to.
    [[nodiscard]] bool ready() const { return m_ready; }
    void play(const Shape &shape, platform::PlayMode mode, const void *owner) override;
    void stopFor(const void *owner) override;
    // How much sound the output has taken; 0 before the sound part is there.
    [[nodiscard]] qint64 playedMicroseconds() const;
    [[nodiscard]] bool sounding() const;

private:
    struct Request {
        Shape shape;
        platform::PlayMode mode;
    };
    void loaded(Engine *engine, const QString &problem);
    void start(const Request &request);
    void tell(const QString &problem);

    platform::Prompter &m_prompter;
    QString m_module;
    QStringList m_soundFonts;
    QLibrary m_library;
    QThread *m_loading = nullptr;
    std::unique_ptr<Engine> m_engine;
    QString m_problem;
    bool m_ready = false;
    bool m_told = false;
    std::optional<Request> m_pending;
    const void *m_owner = nullptr;
};

} // namespace strumkin::sound
