#include "platform/launcher.h"

#include <QProcess>

namespace strumkin::platform {

Launcher::~Launcher() = default;

bool DesktopLauncher::start(const QString &program, const QStringList &arguments)
{
    // Detached, so the started program outlives us; an argument list, so
    // blanks and shell metacharacters in a path stay literal.
    return QProcess::startDetached(program, arguments);
}

} // namespace strumkin::platform
