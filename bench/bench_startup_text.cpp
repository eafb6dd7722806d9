// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "firstshow.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

// A reference beside the bare window: a Qt Widgets program whose one window
// shows a line of text and a text box, so that it pays for the font machinery
// (font configuration, the font database, glyphs) that any window with text
// pays.
int main(int argc, char *argv[])
{
    bench::FirstShowApplication application(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Welcome to the guitar chord tutor"), &window));
    layout->addWidget(new QLineEdit(QStringLiteral("A major"), &window));
    window.show();
    return application.exec();
}
