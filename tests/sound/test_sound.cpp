// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/catalogue.h"
#include "lessons/voicing.h"
#include "sound/schedule.h"
#include "sound/synth.h"

#include <QtTest>

#include <cmath>
#include <complex>
#include <numbers>

using namespace strumkin;
using namespace strumkin::sound;

namespace {

Frets fretsOf(const lessons::Chord &chord)
{
    return lessons::voicingFor(QLatin1Char(chord.letter()))->frets;
}

// The first channel of a render.
using Wave = std::vector<double>;

// A play rendered by a fresh synthesizer: the same notes give the same samples.
Wave render(const Synth &font, std::vector<NoteOn> notes, qint64 frames)
{
    Synth synth(font, Synth::Effects::Off);
    synth.start(std::move(notes));
    std::vector<float> stereo(std::size_t(2 * frames));
    const qint64 rendered = synth.render(stereo.data(), frames);
    Wave wave(std::size_t(frames), 0.0);
    for (qint64 i = 0; i < rendered; ++i)
        wave[std::size_t(i)] = stereo[std::size_t(2 * i)];
    return wave;
}

// In place, the length a power of two.
void fft(std::vector<std::complex<double>> &a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2 * std::numbers::pi / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// The pitch of the note that starts in a wave, as a MIDI note with cents in
// its fraction: 400 ms under a Hann window from 20 ms after the onset (the
// first sample above 1 % of the peak), the fundamental from 70 to 800 Hz
// whose first 12 harmonics, weighted 0.85 to the power of each, sum highest.
double pitchOf(const Wave &wave)
{
    double peak = 0;
    for (const double s : wave)
        peak = std::max(peak, std::abs(s));
    std::size_t onset = 0;
    while (onset < wave.size() && std::abs(wave[onset]) <= 0.01 * peak)
        ++onset;
    const std::size_t from = onset + SampleRate / 50;
    const std::size_t length = SampleRate * 2 / 5;
    std::vector<std::complex<double>> spectrum(std::size_t(1) << 16);
    for (std::size_t i = 0; i < length && from + i < wave.size(); ++i)
        spectrum[i] = wave[from + i] * 0.5 *
                      (1 - std::cos(2 * std::numbers::pi * double(i) / double(length - 1)));
    fft(spectrum);
    std::vector<double> magnitudes(spectrum.size() / 2);
    for (std::size_t i = 0; i < magnitudes.size(); ++i)
        magnitudes[i] = std::abs(spectrum[i]);
    const double binsPerHertz = double(spectrum.size()) / SampleRate;
    const auto magnitude = [&](double hertz) {
        const double bin = hertz * binsPerHertz;
        const auto low = std::size_t(bin);
        const double part = bin - double(low);
        return (1 - part) * magnitudes[low] + part * magnitudes[low + 1];
    };
    double best = 0;
    double bestNote = 0;
    // In steps of a cent, from 70 Hz to 800 Hz.
    const double cent = std::pow(2.0, 1.0 / 1200);
    double note = 69 + 12 * std::log2(70.0 / 440);
    for (double f0 = 70; f0 <= 800; f0 *= cent, note += 0.01) {
        double sum = 0;
        double weight = 1;
        for (int h = 1; h <= 12; ++h) {
            weight *= 0.85;
            sum += weight * magnitude(h * f0);
        }
        if (sum > best) {
            best = sum;
            bestNote = note;
        }
    }
    return bestNote;
}

// The difference of two renders: what the first adds to the second.
Wave minus(Wave with, const Wave &without)
{
    for (std::size_t i = 0; i < with.size(); ++i)
        with[i] -= without[i];
    return with;
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Synth> synth;

private slots:
    // Each chord's strings from low E to high E, muted ones left out, the
    // strum 40 ms apart and the strings one by one 0.6 s apart.
    void eachChordsNotesInTime_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("notes");
        const QList<int> notes[] = {
            {45, 52, 57, 61, 64},     {45, 52, 57, 60, 64},     {47, 54, 59, 63, 66},
            {47, 54, 59, 62, 66},     {48, 52, 55, 60, 64},     {48, 55, 60, 63, 67},
            {50, 57, 62, 66},         {50, 57, 62, 65},         {40, 47, 52, 56, 59, 64},
            {40, 47, 52, 55, 59, 64}, {41, 48, 53, 57, 60, 65}, {41, 48, 53, 56, 60, 65},
            {43, 47, 50, 55, 59, 67}, {43, 50, 55, 58, 62, 67}};
        for (int i = 0; i < 14; ++i)
            QTest::newRow(qPrintable(lessons::chords()[i].name())) << i << notes[i];
    }
    void eachChordsNotesInTime()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, notes);
        const Frets frets = fretsOf(lessons::chords().at(std::size_t(index)));
        for (const auto &[mode, gap] :
             {std::pair{Mode::Strum, 1764}, {Mode::StringByString, 26460}}) {
            std::vector<NoteOn> expected;
            for (qsizetype i = 0; i < notes.size(); ++i)
                expected.push_back({notes[i], i * gap});
            QCOMPARE(schedule(frets, mode), expected);
            QCOMPARE(releaseFrame(expected), expected.back().frame + 110250);
        }
    }

    void initTestCase()
    {
        const QString font = findSoundFont(soundFontCandidates());
        if (font.isEmpty())
            return;
        synth = std::make_unique<Synth>(font, Synth::Effects::Off);
        QVERIFY2(synth->problem().isEmpty(), qPrintable(synth->problem()));
    }

    // Every string of every chord sounds its note, within 50 cents, and every
    // shape with one string a fret higher or lower is told apart. A string
    // is heard alone as what it adds to the strum of the strings before it.
    void eachStringSoundsItsNote()
    {
        if (!synth)
            QSKIP("no SoundFont (timgm6mb-soundfont, scripts/setup) is installed");
        const std::vector<NoteOn> probe = schedule({3, 2, 0, 0, 0, 3}, Mode::Strum);
        QVERIFY(render(*synth, probe, 4410) == render(*synth, probe, 4410));
        QStringList wrong;
        int variants = 0;
        double worst = 0;
        for (const lessons::Chord &chord : lessons::chords()) {
            const Frets frets = fretsOf(chord);
            const std::vector<NoteOn> strum = schedule(frets, Mode::Strum);
            // Room for the last string's onset and 420 ms after it.
            const qint64 frames = strum.back().frame + SampleRate * 43 / 100;
            const auto upTo = [&](const std::vector<NoteOn> &notes, std::size_t k) {
                return render(*synth, {notes.begin(), notes.begin() + qsizetype(k)}, frames);
            };
            Wave before = upTo(strum, 0);
            for (int string = 0, k = 0; string < StringCount; ++string) {
                if (frets[string] < 0)
                    continue;
                const Wave through = upTo(strum, std::size_t(k) + 1);
                const double off = pitchOf(minus(through, before)) - strum[k].note;
                worst = std::max(worst, std::abs(off));
                if (std::abs(off) > 0.5)
                    wrong << QStringLiteral("%1, string %2: %3 cents off")
                                 .arg(chord.name())
                                 .arg(string + 1)
                                 .arg(off * 100);
                // The same shape with this string a fret higher or lower; an
                // open string has no fret below it.
                for (const int step : {-1, 1}) {
                    Frets variant = frets;
                    variant[string] += step;
                    if (variant[string] < 0)
                        continue;
                    ++variants;
                    const Wave heard = upTo(schedule(variant, Mode::Strum), std::size_t(k) + 1);
                    if (std::abs(pitchOf(minus(heard, before)) - strum[k].note) <= 0.5)
                        wrong << QStringLiteral("%1, string %2 a fret %3 passes")
                                     .arg(chord.name())
                                     .arg(string + 1)
                                     .arg(step < 0 ? "lower" : "higher");
                }
                before = through;
                ++k;
            }
        }
        QCOMPARE(variants, 130);
        qInfo("worst string %.1f cents off", worst * 100);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
