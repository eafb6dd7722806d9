// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "support/doubles.h"
#include "windows/sidewindows.h"

#include <memory>

namespace strumkin::test {

// Every window class of the program, as its start registers them; for tests
// that link the lessons and the side windows.
inline void registerAllWindows(shell::Registry &registry)
{
    shell::registerShellWindows(registry);
    lessons::registerLessonWindows(registry);
    windows::registerSideWindows(registry);
}

// A rig with every window class registered.
inline std::unique_ptr<Rig> allWindowsRig(const QString &driveRoot = {})
{
    auto rig = std::make_unique<Rig>(driveRoot);
    registerAllWindows(*rig->registry);
    return rig;
}

} // namespace strumkin::test
