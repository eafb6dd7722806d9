// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "app/program.h"

#include "forms/artwork.h"
#include "lessons/lessonwindows.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "platform/screen.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "sound/player.h"
#include "windows/sidewindows.h"

#include <QApplication>
#include <QTimer>

#include <optional>

namespace strumkin::app {

int runProgram(QApplication &application, Sound sound)
{
    QApplication::setApplicationName(QStringLiteral("Strumkin"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The program ends when no window is loaded, which the registry decides.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutes();
    forms::useVectorRenderer(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/libstrumkin-vector.so"));

    platform::SystemClock clock;
    platform::PrimaryScreen screen;
    platform::MessageBoxPrompter prompter;
    platform::Paths paths = platform::Paths::forThisProgram();
    platform::SystemPrinter printer;
    platform::DesktopLauncher launcher;
    // STRUMKIN_SOUNDFONT names another SoundFont than Debian's.
    std::optional<sound::ModulePlayer> player;
    if (sound == Sound::On) {
        QStringList soundFonts;
        if (qEnvironmentVariableIsSet("STRUMKIN_SOUNDFONT"))
            soundFonts << qEnvironmentVariable("STRUMKIN_SOUNDFONT");
        player.emplace(prompter,
                       QCoreApplication::applicationDirPath() +
                           QStringLiteral("/libstrumkin-sound.so"),
                       soundFonts);
    }
    shell::Registry registry(
        {&clock, &screen, &prompter, &paths, &printer, &launcher, player ? &*player : nullptr});
    shell::registerShellWindows(registry);
    lessons::registerLessonWindows(registry);
    windows::registerSideWindows(registry);

    registry.start();
    // The sound part loads off the GUI thread once the first window is up:
    // the welcome window keeps the user for five seconds, and a diagram
    // clicked before the sound part is there plays once it is.
    if (player)
        QTimer::singleShot(500, &*player, [&player] { player->prepare(); });
    return application.exec();
}

} // namespace strumkin::app
