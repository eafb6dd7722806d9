// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::lessons {

// Adds the lessons' control kinds (the chord diagram label, "diagram") to
// the design loader.
void registerLessonKinds();

} // namespace strumkin::lessons
