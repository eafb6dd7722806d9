#include "shell/introwindow.h"

#include "shell/registry.h"

namespace strumkin::shell {

using forms::Event;

IntroWindow::IntroWindow(Registry &registry) : WindowClass(registry, QStringLiteral("frmintro"))
{
    const auto goTo = [this](const char *target) {
        return [this, target] { this->registry().replace(className(), QLatin1String(target)); };
    };
    on(QStringLiteral("cmdLearn"), Event::Click, goTo("frmchords"));
    on(QStringLiteral("nextpage"), Event::Click, goTo("frmchords"));
    on(QStringLiteral("goback"), Event::Click, goTo("frmstart"));
    on(QStringLiteral("exit"), Event::Click, [this] {
        for (const char *name : {"frmintro", "frmstart", "frmintro", "frmTimer"})
            this->registry().unload(QLatin1String(name));
    });
}

} // namespace strumkin::shell
