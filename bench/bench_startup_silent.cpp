// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "app/program.h"
#include "firstshow.h"

// The program's start without its player, as before the diagrams played:
// the start with sound is held to this one.
int main(int argc, char *argv[])
{
    bench::FirstShowApplication application(argc, argv);
    return strumkin::app::runProgram(application, strumkin::app::Sound::Off);
}
