#include "app/program.h"

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
#include "windows/sidewindows.h"

#include <QApplication>

namespace strumkin::app {

int runProgram(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Strumkin"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The program ends when no window is loaded, which the registry decides.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutes();

    platform::SystemClock clock;
    platform::PrimaryScreen screen;
    platform::MessageBoxPrompter prompter;
    platform::Paths paths = platform::Paths::forThisProgram();
    platform::SystemPrinter printer;
    platform::DesktopLauncher launcher;
    shell::Registry registry({&clock, &screen, &prompter, &paths, &printer, &launcher});
    shell::registerShellWindows(registry);
    lessons::registerLessonWindows(registry);
    windows::registerSideWindows(registry);

    registry.start();
    return application.exec();
}

} // namespace strumkin::app
