#include "shell/shellwindows.h"

#include "shell/registry.h"
#include "shell/welcomewindow.h"

namespace strumkin::shell {

void registerShellWindows(Registry &registry)
{
    registry.registerClass(QStringLiteral("frmTimer"),
                           [](Registry &r) { return std::make_unique<WelcomeWindow>(r); });
}

} // namespace strumkin::shell
