// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "sound/engine.h"
#include "sound/synth.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace strumkin::sound {
namespace {

// FluidSynth's guitar into the desktop's default audio output (PulseAudio,
// or PipeWire through its PulseAudio server), pushed as the output takes it.
class SinkEngine final : public Engine {
public:
    explicit SinkEngine(const QString &soundFont) : m_synth(soundFont) {}

    QString problem() const override { return m_synth.problem(); }

    QString play(std::vector<NoteOn> notes) override
    {
        if (!m_synth.problem().isEmpty())
            return m_synth.problem();
        if (!m_sink && !open())
            return m_problem;
        m_synth.start(std::move(notes));
        if (m_io == nullptr) {
            m_io = m_sink->start();
            // A start that fails says so only here: no signal comes.
            if (m_io == nullptr || m_sink->error() != QAudio::NoError) {
                m_io = nullptr;
                return QStringLiteral("The computer's sound output could not be opened.");
            }
        }
        feed();
        m_feeding->start();
        return {};
    }

    void stop() override
    {
        m_synth.start({});
        if (m_feeding)
            m_feeding->stop();
        if (m_sink) {
            m_io = nullptr;
            m_sink->stop();
        }
    }

    qint64 playedMicroseconds() const override { return m_sink ? m_sink->processedUSecs() : 0; }
    bool sounding() const override { return m_sink && m_sink->state() == QAudio::ActiveState; }

private:
    bool open()
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            m_problem = QStringLiteral("This computer has no sound output.");
            return false;
        }
        QAudioFormat format;
        format.setSampleRate(SampleRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = std::make_unique<QAudioSink>(device, format);
        // Small, so that a new play is heard at once and the one before stops.
        m_sink->setBufferSize(BufferFrames * BytesPerFrame);
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(), [this] {
            if (m_io == nullptr || m_sink->error() != QAudio::FatalError)
                return;
            stop();
            if (failed)
                failed(QStringLiteral("The computer's sound output stopped."));
        });
        // Made here, on the GUI thread, where they run.
        m_feeding = std::make_unique<QTimer>();
        m_feeding->setInterval(10);
        QObject::connect(m_feeding.get(), &QTimer::timeout, m_feeding.get(), [this] { feed(); });
        return true;
    }

    // Renders only what the output can take now.
    void feed()
    {
        if (m_io == nullptr)
            return;
        const qint64 frames = std::min<qint64>(m_sink->bytesFree() / BytesPerFrame, BufferFrames);
        if (frames <= 0)
            return;
        m_samples.resize(std::size_t(2 * frames));
        const qint64 rendered = m_synth.render(m_samples.data(), frames);
        if (rendered == 0) {
            m_feeding->stop();
            return;
        }
        m_pcm.resize(std::size_t(2 * rendered));
        for (std::size_t i = 0; i < m_pcm.size(); ++i)
            m_pcm[i] = std::int16_t(std::clamp(m_samples[i] * 32767.0f, -32768.0f, 32767.0f));
        m_io->write(reinterpret_cast<const char *>(m_pcm.data()), qint64(m_pcm.size() * 2));
    }

    static constexpr qint64 BytesPerFrame = 4;
    static constexpr qint64 BufferFrames = 2048;

    Synth m_synth;
    QString m_problem;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    std::unique_ptr<QTimer> m_feeding;
    std::vector<float> m_samples;
    std::vector<std::int16_t> m_pcm;
};

} // namespace
} // namespace strumkin::sound

extern "C" Q_DECL_EXPORT strumkin::sound::Engine *
strumkin_make_sound_engine(const QStringList &soundFonts)
{
    using namespace strumkin::sound;
    return new SinkEngine(findSoundFont(soundFonts.isEmpty() ? soundFontCandidates() : soundFonts));
}
