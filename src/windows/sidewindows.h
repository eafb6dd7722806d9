// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::shell {
class Registry;
}

namespace strumkin::windows {

// Registers the side windows: the saved-chords browser, the About window and
// the member page.
void registerSideWindows(shell::Registry &registry);

} // namespace strumkin::windows
