// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "windows/sidewindows.h"

#include "shell/names.h"
#include "shell/registry.h"
#include "windows/aboutwindow.h"
#include "windows/findwindow.h"
#include "windows/memberwindow.h"

namespace strumkin::windows {

void registerSideWindows(shell::Registry &registry)
{
    registry.registerClass(QLatin1String(shell::AboutClass),
                           [](shell::Registry &r) { return std::make_unique<AboutWindow>(r); });
    registry.registerClass(QLatin1String(shell::FindClass),
                           [](shell::Registry &r) { return std::make_unique<FindWindow>(r); });
    registry.registerClass(QLatin1String(shell::MemberClass),
                           [](shell::Registry &r) { return std::make_unique<MemberWindow>(r); });
}

} // namespace strumkin::windows
