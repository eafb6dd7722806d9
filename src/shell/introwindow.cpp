// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/introwindow.h"

#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::shell {

using forms::Event;

IntroWindow::IntroWindow(Registry &registry) : WindowClass(registry, QLatin1String(IntroClass))
{
    const auto goTo = [this](const char *target) {
        return [this, target] { this->registry().replace(className(), QLatin1String(target)); };
    };
    on(QStringLiteral("cmdLearn"), Event::Click, goTo(ChordMenuClass));
    // The A major example plays like the pages' diagrams.
    playable(QStringLiteral("Label4"), QLatin1Char('M'));
    on(QStringLiteral("nextpage"), Event::Click, goTo(ChordMenuClass));
    on(QStringLiteral("goback"), Event::Click, goTo(TitleClass));
    on(QStringLiteral("exit"), Event::Click, [this] {
        for (const char *name : {IntroClass, TitleClass, IntroClass, WelcomeClass})
            this->registry().unload(QLatin1String(name));
    });
}

} // namespace strumkin::shell
