// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/launcher.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

// glibc 2.36 declares these without C linkage.
extern "C" {
#include <sys/pidfd.h>
}

namespace strumkin::platform {

Launcher::~Launcher() = default;

namespace {

constexpr int PollInterval = 100; // ms

// The child's status once it has ended; 0 while it runs, -1 when it is not
// ours to reap (already reaped, or children are reaped for us). QProcess
// reaps only the children it started itself, by their own ids, so ours are
// left to us.
pid_t reap(pid_t pid, int *status)
{
    pid_t reaped = 0;
    do
        reaped = ::waitpid(pid, status, WNOHANG);
    while (reaped < 0 && errno == EINTR);
    return reaped;
}

} // namespace

struct DesktopLauncher::Child {
    pid_t pid = 0;
    int descriptor = -1; // the process descriptor, or -1 when polled
    std::unique_ptr<QSocketNotifier> notifier;
    LaunchEnded ended;

    Child() = default;
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child()
    {
        // Stop watching before the descriptor goes; the program runs on.
        notifier.reset();
        if (descriptor >= 0)
            ::close(descriptor);
    }

    void tell(int status) const
    {
        LaunchEnd end;
        if (WIFSIGNALED(status))
            end.signalled = true;
        else
            end.exitCode = WEXITSTATUS(status);
        if (ended)
            ended(end);
    }
};

DesktopLauncher::DesktopLauncher(Watch watch) : m_watch(watch), m_poll(std::make_unique<QTimer>())
{
    m_poll->setInterval(PollInterval);
    QObject::connect(m_poll.get(), &QTimer::timeout, m_poll.get(), [this] { poll(); });
}

DesktopLauncher::~DesktopLauncher() = default;

bool DesktopLauncher::start(const QString &program, const QStringList &arguments, LaunchEnded ended)
{
    if (program.isEmpty())
        return false;
    // An argument vector, so blanks and shell metacharacters in a path stay
    // literal.
    std::vector<QByteArray> texts{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        texts.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    // A session of its own keeps the program alive when our terminal or
    // session goes; it starts with default signal handling and nothing
    // blocked, whatever the GUI thread had.
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return false;
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(
        &attributes,
        static_cast<short>(POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF));
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0)
        return false;

    watch(pid, std::move(ended));
    return true;
}

void DesktopLauncher::watch(int pid, LaunchEnded ended)
{
    auto child = std::make_unique<Child>();
    child->pid = pid;
    child->ended = std::move(ended);
    // The descriptor turns readable when the program ends, without waking
    // us before; older kernels have none, and then we look now and then.
    if (m_watch == Watch::Descriptor)
        child->descriptor = ::pidfd_open(pid, 0);
    if (child->descriptor >= 0) {
        child->notifier =
            std::make_unique<QSocketNotifier>(child->descriptor, QSocketNotifier::Read);
        Child *watched = child.get();
        QObject::connect(child->notifier.get(), &QSocketNotifier::activated, child->notifier.get(),
                         [this, watched] { descriptorReady(watched); });
    } else if (!m_poll->isActive()) {
        m_poll->start();
    }
    m_children.push_back(std::move(child));
}

void DesktopLauncher::descriptorReady(Child *child)
{
    int status = 0;
    const pid_t reaped = reap(child->pid, &status);
    if (reaped == 0)
        return;
    // Deleted later: this runs inside the notifier's own event.
    child->notifier->setEnabled(false);
    child->notifier.release()->deleteLater();
    const std::unique_ptr<Child> ended = take(child);
    if (reaped > 0)
        ended->tell(status); // may run a nested event loop: nothing of ours after it
}

void DesktopLauncher::poll()
{
    for (const std::unique_ptr<Child> &child : m_children) {
        if (child->descriptor >= 0)
            continue;
        int status = 0;
        const pid_t reaped = reap(child->pid, &status);
        if (reaped == 0)
            continue;
        const std::unique_ptr<Child> ended = take(child.get());
        if (reaped > 0)
            ended->tell(status); // may run a nested event loop: nothing of ours after it
        return;
    }
}

std::unique_ptr<DesktopLauncher::Child> DesktopLauncher::take(Child *child)
{
    std::unique_ptr<Child> taken;
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == child) {
            taken = std::move(*it);
            m_children.erase(it);
            break;
        }
    }
    const bool polling = std::any_of(m_children.begin(), m_children.end(),
                                     [](const auto &other) { return other->descriptor < 0; });
    if (!polling)
        m_poll->stop();
    return taken;
}

} // namespace strumkin::platform
