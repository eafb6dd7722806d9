#pragma once

#include <QString>
#include <QStringList>

namespace strumkin::platform {

// Starts an outside program and leaves it alone: no handle is kept and
// nothing waits for it.
class Launcher {
public:
    virtual ~Launcher();
    // True when the program was started. The arguments reach the program as
    // they are, never through a shell.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
};

// Starts programs found on the host's program search path.
class DesktopLauncher final : public Launcher {
public:
    bool start(const QString &program, const QStringList &arguments) override;
};

} // namespace strumkin::platform
