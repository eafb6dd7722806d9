#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/screen.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"

#include <QApplication>

using namespace strumkin;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strumkin"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The program ends when no window is loaded, which the registry decides.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutes();

    platform::SystemClock clock;
    platform::PrimaryScreen screen;
    platform::MessageBoxPrompter prompter;
    platform::Paths paths = platform::Paths::forThisProgram();
    shell::Registry registry({&clock, &screen, &prompter, &paths});
    shell::registerShellWindows(registry);

    registry.start();
    return QApplication::exec();
}
