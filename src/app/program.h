// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace strumkin::app {

// Everything the program does once its application object exists: the
// application's settings, the host services, the window classes, the first
// window and the event loop. Returns the event loop's exit code. Shared by
// main() and the start-up benchmark, so that the benchmark times the same
// start. Without sound the diagrams play nothing: the start-up benchmark
// compares the start with and without the player.
enum class Sound { On, Off };
int runProgram(QApplication &application, Sound sound = Sound::On);

} // namespace strumkin::app
