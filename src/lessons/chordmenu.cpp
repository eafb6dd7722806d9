// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/chordmenu.h"

#include "forms/control.h"
#include "lessons/catalogue.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/launch.h"
#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::lessons {

using forms::Event;

ChordMenu::ChordMenu(shell::Registry &registry)
    : WindowClass(registry, QLatin1String(shell::ChordMenuClass))
{
    const auto goTo = [this](const QString &next) {
        return [this, next] { this->registry().replace(className(), next); };
    };
    static const char *const menuItems[] = {"achord", "bchord", "cchord", "dchord",
                                            "echord", "fchord", "gchord"};
    for (std::size_t i = 0; i < std::size(shell::ChordPages); ++i) {
        const QString page = QLatin1String(shell::ChordPages[i]);
        on(QStringLiteral("Option%1").arg(i + 1), Event::Click, goTo(page));
        // The F and G items open their pages like their five sisters.
        on(QLatin1String(menuItems[i]), Event::Click, goTo(page));
    }
    on(QStringLiteral("Command1"), Event::Click, goTo(QLatin1String(shell::MemberClass)));
    for (const char *about : {"about", "Picture4"}) {
        on(QLatin1String(about), Event::Click,
           [this] { this->registry().show(QLatin1String(shell::AboutClass)); });
    }
    on(QStringLiteral("readme"), Event::Click, [this] { shell::OpenReadme(services()); });
    on(QStringLiteral("needhelp"), Event::Click, [this] { shell::OpenHelpFile(services()); });
    on(QStringLiteral("cmdexit"), Event::Click, [this] { exit(); });
    on(QStringLiteral("exit"), Event::Click, [this] { exit(); });
}

void ChordMenu::load()
{
    // A picture that is missing or no bitmap leaves its control empty.
    const platform::Paths &paths = *services().paths;
    // Each with what a screen reader says of it.
    const char *const pictures[][3] = {
        {"Image1", "\\pic1.BMP", "The C major chord on a neck, as in a chord chart"},
        {"Image2", "\\pic2.BMP", "A hand fretting the C major chord"},
        {"Image3", "\\pic3.BMP", "A headstock with its tuners and the strings from the nut"},
        {"Picture4", "\\skicon.BMP", "Info: about Strumkin"}};
    for (const auto &[name, file, spoken] : pictures) {
        set(QLatin1String(name), QStringLiteral("Picture"),
            paths.toHost(paths.programFolder() + QLatin1String(file)));
        speak(QLatin1String(name), QLatin1String(spoken));
    }
    // The option buttons' letters are the row painted above them.
    for (int i = 0; i < 7; ++i) {
        const QChar root(QLatin1Char(char('A' + i)));
        speak(QStringLiteral("Option%1").arg(i + 1),
              QStringLiteral("%1: %1 major and %1 minor").arg(root));
    }
}

void ChordMenu::exit()
{
    registry().unload(className());
    registry().unloadAll();
}

} // namespace strumkin::lessons
