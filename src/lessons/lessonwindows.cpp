// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/lessonwindows.h"

#include "lessons/catalogue.h"
#include "lessons/chordmenu.h"
#include "lessons/chordpage.h"
#include "lessons/kinds.h"
#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::lessons {

void registerLessonWindows(shell::Registry &registry)
{
    registerLessonKinds();
    registry.registerClass(QLatin1String(shell::ChordMenuClass),
                           [](shell::Registry &r) { return std::make_unique<ChordMenu>(r); });
    for (const char *page : shell::ChordPages) {
        const QString name = QLatin1String(page);
        registry.registerClass(
            name, [name](shell::Registry &r) { return std::make_unique<ChordPage>(r, name); });
    }
    for (const Chord &chord : chords())
        registry.registerDesign(QLatin1String(chord.sheet));
}

} // namespace strumkin::lessons
