// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

namespace bench {

// The process's peak resident set size in kB (VmHWM), or -1 when unknown.
inline long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Writes "<what> <peak kB>" to standard output and ends the process at once,
// so that neither program spends anything after the moment measured.
[[noreturn]] inline void reportAndExit(const char *what)
{
    char line[128];
    const int length = std::snprintf(line, sizeof line, "%s %ld\n", what, peakResidentKb());
    if (length > 0)
        (void)!write(STDOUT_FILENO, line, static_cast<std::size_t>(length));
    _exit(0);
}

// An application that ends the process as soon as its first top-level window
// has been exposed and painted: the expose is handled (the window's first
// paint into its backing store and the flush) before it reports.
class FirstShowApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool expose = event->type() == QEvent::Expose;
        const bool result = QApplication::notify(receiver, event);
        if (expose && receiver->isWindowType() && static_cast<QWindow *>(receiver)->isExposed())
            reportAndExit("shown");
        return result;
    }
};

} // namespace bench
