// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "firstshow.h"

#include <QWidget>

// The floor of the start-up comparison: a Qt Widgets program that shows one
// empty window, built like the program itself.
int main(int argc, char *argv[])
{
    bench::FirstShowApplication application(argc, argv);
    QWidget window;
    window.show();
    return application.exec();
}
