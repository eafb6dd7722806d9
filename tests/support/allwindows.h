#pragma once

#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "windows/sidewindows.h"

namespace strumkin::test {

// Every window class of the program, as its start registers them; for tests
// that link the lessons and the side windows.
inline void registerAllWindows(shell::Registry &registry)
{
    shell::registerShellWindows(registry);
    lessons::registerLessonWindows(registry);
    windows::registerSideWindows(registry);
}

} // namespace strumkin::test
