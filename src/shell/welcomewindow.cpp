// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/welcomewindow.h"

#include "forms/form.h"
#include "platform/clock.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "shell/elapsed.h"
#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::shell {

using forms::Event;

WelcomeWindow::WelcomeWindow(Registry &registry)
    : WindowClass(registry, QLatin1String(WelcomeClass))
{
    on(QStringLiteral("Timer1"), Event::Timer, [this] { tickWait(); });
    on(QStringLiteral("Timer2"), Event::Timer, [this] {
        const platform::Clock &clock = *services().clock;
        set(QStringLiteral("lblnow"), QStringLiteral("Caption"), clock.timeOfDayText(clock.now()));
    });
    on(QStringLiteral("cmdContinue"), Event::Click,
       [this] { this->registry().replace(className(), QLatin1String(TitleClass)); });
    on(QStringLiteral("cmdExit"), Event::Click, [this] {
        this->registry().unload(className());
        this->registry().unload(QLatin1String(TitleClass));
    });
    on(QStringLiteral("cmdsecret"), Event::Click,
       [this] { this->registry().replace(className(), QLatin1String(MemberClass)); });
}

void WelcomeWindow::load()
{
    for (const char *name : {"cmdContinue", "cmdExit", "pnlCont", "pnlExit"})
        set(QLatin1String(name), QStringLiteral("Visible"), false);

    const platform::Clock &clock = *services().clock;
    m_start = platform::toDayCount(clock.now());

    centre();

    set(QStringLiteral("lblnow"), QStringLiteral("Caption"), clock.timeOfDayText(clock.now()));
    set(QStringLiteral("cmdsecret"), QStringLiteral("Visible"), true);
}

void WelcomeWindow::centre()
{
    const QSizeF screen = services().screen->sizeInTwips();
    const QRectF outer = form().outerTwips();
    form().setLeftTwips(centredOffset(screen.width(), outer.width()));
    form().setTopTwips(centredOffset(screen.height(), outer.height()));
}

void WelcomeWindow::framed()
{
    centre();
}

QString WelcomeWindow::elapsedText() const
{
    return secondsPart(platform::toDayCount(services().clock->now()) - m_start);
}

void WelcomeWindow::tickWait()
{
    set(QStringLiteral("lblTime2"), QStringLiteral("Caption"), elapsedText());
    // The wait is over at the first reading of five seconds or more.
    if (elapsedText().toDouble() < 5.0)
        return;
    set(QStringLiteral("Timer1"), QStringLiteral("Enabled"), false);
    for (const char *name : {"cmdContinue", "cmdExit", "pnlCont", "pnlExit"})
        set(QLatin1String(name), QStringLiteral("Visible"), true);
}

} // namespace strumkin::shell
