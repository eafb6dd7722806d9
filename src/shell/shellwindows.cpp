// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/shellwindows.h"

#include "shell/introwindow.h"
#include "shell/names.h"
#include "shell/registry.h"
#include "shell/titlewindow.h"
#include "shell/welcomewindow.h"

namespace strumkin::shell {

void registerShellWindows(Registry &registry)
{
    registry.registerClass(QLatin1String(WelcomeClass),
                           [](Registry &r) { return std::make_unique<WelcomeWindow>(r); });
    registry.registerClass(QLatin1String(TitleClass),
                           [](Registry &r) { return std::make_unique<TitleWindow>(r); });
    registry.registerClass(QLatin1String(IntroClass),
                           [](Registry &r) { return std::make_unique<IntroWindow>(r); });
}

} // namespace strumkin::shell
