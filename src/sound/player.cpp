// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "sound/player.h"

#include "platform/prompter.h"
#include "sound/engine.h"
#include "sound/schedule.h"

#include <QThread>

namespace strumkin::sound {

ModulePlayer::ModulePlayer(platform::Prompter &prompter, QString module, QStringList soundFonts)
    : m_prompter(prompter), m_module(std::move(module)), m_soundFonts(std::move(soundFonts))
{}

ModulePlayer::~ModulePlayer()
{
    if (m_loading != nullptr) {
        m_loading->wait();
        delete m_loading;
    }
    // The engine's code lives in the library, which stays loaded with it.
    m_engine.reset();
}

void ModulePlayer::prepare()
{
    if (m_loading != nullptr)
        return;
    m_loading = QThread::create([this] {
        Engine *engine = nullptr;
        QString problem;
        m_library.setFileName(m_module);
        const auto make = reinterpret_cast<MakeEngine>(m_library.resolve(MakeEngineName));
        if (make == nullptr) {
            problem = QStringLiteral("Its sound part %1 could not be loaded: %2.")
                          .arg(m_module, m_library.errorString());
        } else {
            engine = make(m_soundFonts);
            problem = engine->problem();
        }
        QMetaObject::invokeMethod(
            this, [this, engine, problem] { loaded(engine, problem); }, Qt::QueuedConnection);
    });
    m_loading->start();
}

void ModulePlayer::loaded(Engine *engine, const QString &problem)
{
    m_engine.reset(engine);
    m_problem = problem;
    m_ready = true;
    if (m_engine)
        m_engine->failed = [this](const QString &why) { tell(why); };
    if (const std::optional<Request> pending = std::exchange(m_pending, std::nullopt))
        start(*pending);
}

void ModulePlayer::play(const Shape &shape, platform::PlayMode mode, const void *owner)
{
    m_owner = owner;
    if (!m_ready) {
        // Played once the sound part is there; a later click replaces it.
        m_pending = Request{shape, mode};
        prepare();
        return;
    }
    start({shape, mode});
}

void ModulePlayer::start(const Request &request)
{
    if (!m_problem.isEmpty()) {
        tell(m_problem);
        return;
    }
    const QString problem = m_engine->play(
        schedule(request.shape,
                 request.mode == platform::PlayMode::Strum ? Mode::Strum : Mode::StringByString));
    if (!problem.isEmpty())
        tell(problem);
}

void ModulePlayer::stopFor(const void *owner)
{
    if (owner != m_owner)
        return;
    m_pending.reset();
    if (m_engine)
        m_engine->stop();
}

qint64 ModulePlayer::playedMicroseconds() const
{
    return m_engine ? m_engine->playedMicroseconds() : 0;
}

bool ModulePlayer::sounding() const
{
    return m_engine && m_engine->sounding();
}

void ModulePlayer::tell(const QString &problem)
{
    if (std::exchange(m_told, true))
        return;
    m_prompter.inform(QStringLiteral("Strumkin cannot play the chord. %1").arg(problem));
}

} // namespace strumkin::sound
