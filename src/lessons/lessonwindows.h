// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::shell {
class Registry;
}

namespace strumkin::lessons {

// Registers the lessons' window classes (the chord pages and the print
// sheets) and control kinds.
void registerLessonWindows(shell::Registry &registry);

} // namespace strumkin::lessons
