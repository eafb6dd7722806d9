// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "firstshow.h"
#include "forms/form.h"
#include "lessons/catalogue.h"
#include "lessons/lessonwindows.h"
#include "lessons/sheetprinting.h"
#include "pages.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "windows/sidewindows.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QWindow>

#include <cstdio>
#include <fstream>

using namespace strumkin;

namespace {

// Every window class the program shows, in the order of a walk through it.
const char *const Windows[] = {"frmTimer", "frmstart", "frmintro",  "frmchords", "frmA",
                               "frmb",     "frmC",     "frmD",      "frmE",      "frmF",
                               "frmG",     "frmabout", "frmsecret", "frmfind"};

bool fail(const char *what, const char *window)
{
    std::fprintf(stderr, "bench_memory_walk: %s %s\n", window, what);
    return false;
}

// With --steps, the peak after each step goes to standard error with the
// resident memory of the moment split into anonymous (the heap, mostly) and
// file-backed (library code, font files and caches, shared with others).
bool steps = false;

long statusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ':';
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return -1;
}

void step(const char *what)
{
    if (steps) {
        std::fprintf(stderr, "after %-10s peak %6ld kB  anonymous %6ld kB  file-backed %6ld kB\n",
                     what, statusKb("VmHWM"), statusKb("RssAnon"), statusKb("RssFile"));
    }
}

bool walk(test::Rig &rig)
{
    shell::Registry &registry = *rig.registry;
    for (const char *name : Windows) {
        const QString className = QLatin1String(name);
        // The previous window closed, and gone, before the next is shown.
        registry.unloadAll();
        rig.settle();
        registry.show(className);
        const shell::WindowClass *window = registry.instance(className);
        if (window == nullptr || !window->isLoaded())
            return fail("was not loaded", name);
        const QDeadlineTimer deadline(5000);
        while (window->isLoaded() && (window->form().windowHandle() == nullptr ||
                                      !window->form().windowHandle()->isExposed())) {
            if (deadline.hasExpired())
                return fail("was not exposed", name);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        rig.settle();
        step(name);
    }
    registry.unloadAll();
    rig.settle();

    const int before = static_cast<int>(rig.printer.printed.size());
    lessons::printChordSheet(registry, lessons::chord('G', lessons::Quality::Minor), {});
    if (static_cast<int>(rig.printer.printed.size()) != before + 1)
        return fail("sheet was not printed", "frmgmi");
    step("printing");
    return true;
}

} // namespace

// Peak resident size after showing every window in turn and printing a sheet
// to a PDF file; bench_compare sets it against the bare program's.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    steps = QCoreApplication::arguments().contains(QStringLiteral("--steps"));
    step("start");
    test::Rig rig;
    if (!bench::useProgramFolder(rig)) {
        fail("has no pictures", STRUMKIN_PROGRAM_DIR);
        return 1;
    }
    shell::registerShellWindows(*rig.registry);
    lessons::registerLessonWindows(*rig.registry);
    windows::registerSideWindows(*rig.registry);
    if (!walk(rig))
        return 1;
    bench::reportAndExit("walked");
}
