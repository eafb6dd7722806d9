// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::shell {

class Registry;

// Registers the application shell's window classes.
void registerShellWindows(Registry &registry);

} // namespace strumkin::shell
