#include "shell/shellwindows.h"

#include "shell/introwindow.h"
#include "shell/registry.h"
#include "shell/titlewindow.h"
#include "shell/welcomewindow.h"

namespace strumkin::shell {

void registerShellWindows(Registry &registry)
{
    registry.registerClass(QStringLiteral("frmTimer"),
                           [](Registry &r) { return std::make_unique<WelcomeWindow>(r); });
    registry.registerClass(QStringLiteral("frmstart"),
                           [](Registry &r) { return std::make_unique<TitleWindow>(r); });
    registry.registerClass(QStringLiteral("frmintro"),
                           [](Registry &r) { return std::make_unique<IntroWindow>(r); });
}

} // namespace strumkin::shell
