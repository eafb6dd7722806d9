#include "windows/sidewindows.h"

#include "shell/registry.h"
#include "windows/aboutwindow.h"
#include "windows/findwindow.h"
#include "windows/memberwindow.h"

namespace strumkin::windows {

void registerSideWindows(shell::Registry &registry)
{
    registry.registerClass(QStringLiteral("frmabout"),
                           [](shell::Registry &r) { return std::make_unique<AboutWindow>(r); });
    registry.registerClass(QStringLiteral("frmfind"),
                           [](shell::Registry &r) { return std::make_unique<FindWindow>(r); });
    registry.registerClass(QStringLiteral("frmsecret"),
                           [](shell::Registry &r) { return std::make_unique<MemberWindow>(r); });
}

} // namespace strumkin::windows
