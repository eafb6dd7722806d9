// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "app/program.h"
#include "firstshow.h"

// The program's own start, up to its welcome window shown.
int main(int argc, char *argv[])
{
    bench::FirstShowApplication application(argc, argv);
    return strumkin::app::runProgram(application);
}
