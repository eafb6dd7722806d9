// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "firstshow.h"
#include "platform/player.h"
#include "sound/player.h"
#include "support/doubles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

using namespace strumkin;

namespace {

// Runs the event loop for a while: the output takes what it is fed.
void turn(int milliseconds)
{
    const QDeadlineTimer until(milliseconds);
    while (!until.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

// Click to first sample handed to the output, the sound part loaded: the
// first play, which opens the output, then later plays of every chord, each
// stopping the one before; then the peak memory. Needs a sound server.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    test::ScriptedPrompter told;
    sound::ModulePlayer player(told, QStringLiteral(STRUMKIN_SOUND_MODULE), {});
    player.prepare();
    const QDeadlineTimer loading(10000);
    while (!player.ready() && !loading.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // The 14 shapes, A major to G minor.
    const std::array<platform::Player::Shape, 14> shapes{{{-1, 0, 2, 2, 2, 0},
                                                          {-1, 0, 2, 2, 1, 0},
                                                          {-1, 2, 4, 4, 4, 2},
                                                          {-1, 2, 4, 4, 3, 2},
                                                          {-1, 3, 2, 0, 1, 0},
                                                          {-1, 3, 5, 5, 4, 3},
                                                          {-1, -1, 0, 2, 3, 2},
                                                          {-1, -1, 0, 2, 3, 1},
                                                          {0, 2, 2, 1, 0, 0},
                                                          {0, 2, 2, 0, 0, 0},
                                                          {1, 3, 3, 2, 1, 1},
                                                          {1, 3, 3, 1, 1, 1},
                                                          {3, 2, 0, 0, 0, 3},
                                                          {3, 5, 5, 3, 3, 3}}};
    const int owner = 0;
    std::vector<double> later;
    double first = 0;
    for (int round = 0; round < 29; ++round) {
        QElapsedTimer clock;
        clock.start();
        player.play(shapes[std::size_t(round % 14)], platform::PlayMode::Strum, &owner);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (round == 0)
            first = ms;
        else
            later.push_back(ms);
        turn(100);
    }
    if (!told.shown.empty()) {
        std::fprintf(stderr, "%s\n", qPrintable(told.shown.front().text));
        return 1;
    }
    std::sort(later.begin(), later.end());
    std::printf("first %.3f\nlater %.3f\npeak %ld\n", first, later[later.size() / 2],
                bench::peakResidentKb());
    return 0;
}
