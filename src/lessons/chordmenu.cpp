#include "lessons/chordmenu.h"

#include "forms/control.h"
#include "lessons/catalogue.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/launch.h"
#include "shell/registry.h"

namespace strumkin::lessons {

using forms::Event;

ChordMenu::ChordMenu(shell::Registry &registry) : WindowClass(registry, QStringLiteral("frmchords"))
{
    const auto goTo = [this](const QString &next) {
        return [this, next] { this->registry().replace(className(), next); };
    };
    static const char *const menuItems[] = {"achord", "bchord", "cchord", "dchord",
                                            "echord", "fchord", "gchord"};
    for (std::size_t i = 0; i < pageOrder().size(); ++i) {
        const QString page = QLatin1String(pageOrder()[i]);
        on(QStringLiteral("Option%1").arg(i + 1), Event::Click, goTo(page));
        // The F and G items open their pages like their five sisters.
        on(QLatin1String(menuItems[i]), Event::Click, goTo(page));
    }
    on(QStringLiteral("Command1"), Event::Click, goTo(QStringLiteral("frmsecret")));
    for (const char *about : {"about", "Picture4"}) {
        on(QLatin1String(about), Event::Click,
           [this] { this->registry().show(QStringLiteral("frmabout")); });
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
    const std::pair<const char *, const char *> pictures[] = {{"Image1", "\\pic1.BMP"},
                                                              {"Image2", "\\pic2.BMP"},
                                                              {"Image3", "\\pic3.BMP"},
                                                              {"Picture4", "\\skicon.BMP"}};
    for (const auto &[name, file] : pictures) {
        set(QLatin1String(name), QStringLiteral("Picture"),
            paths.toHost(paths.programFolder() + QLatin1String(file)));
    }
}

void ChordMenu::exit()
{
    registry().unload(className());
    registry().unloadAll();
}

} // namespace strumkin::lessons
