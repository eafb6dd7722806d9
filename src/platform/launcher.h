// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace strumkin::platform {

// How a started program ended.
struct LaunchEnd {
    bool signalled = false; // stopped by a signal rather than exiting
    int exitCode = 0;       // its exit code when it exited
};
using LaunchEnded = std::function<void(const LaunchEnd &)>;

// Starts an outside program and leaves it alone: it is never stopped and
// nothing waits for it.
class Launcher {
public:
    virtual ~Launcher();
    // True when the program was started, false at once when it could not be.
    // The arguments reach the program as they are, never through a shell.
    // `ended` is called later, from the event loop, once the program has
    // ended, unless the launcher is gone by then.
    virtual bool start(const QString &program, const QStringList &arguments, LaunchEnded ended) = 0;
};

// Starts programs found on the host's program search path, each in a session
// of its own, so that they outlive us.
class DesktopLauncher final : public Launcher {
public:
    // How the end of a started program is noticed: by a process descriptor
    // where the kernel has them (polling where it does not), or by polling.
    enum class Watch { Descriptor, Polling };

    explicit DesktopLauncher(Watch watch = Watch::Descriptor);
    ~DesktopLauncher() override;
    DesktopLauncher(const DesktopLauncher &) = delete;
    DesktopLauncher &operator=(const DesktopLauncher &) = delete;

    bool start(const QString &program, const QStringList &arguments, LaunchEnded ended) override;

private:
    struct Child;

    void watch(int pid, LaunchEnded ended);
    void descriptorReady(Child *child);
    void poll();
    // Takes an ended child out of the watch list.
    std::unique_ptr<Child> take(Child *child);

    Watch m_watch;
    std::vector<std::unique_ptr<Child>> m_children;
    std::unique_ptr<QTimer> m_poll;
};

} // namespace strumkin::platform
