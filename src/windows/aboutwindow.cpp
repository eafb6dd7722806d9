// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "windows/aboutwindow.h"

#include "shell/addresses.h"
#include "shell/launch.h"
#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::windows {

using forms::Event;

AboutWindow::AboutWindow(shell::Registry &registry)
    : WindowClass(registry, QLatin1String(shell::AboutClass))
{
    on(QStringLiteral("Command2"), Event::Click, [this] { this->registry().unload(className()); });
    const std::pair<const char *, const char *> links[] = {{"Label4", shell::TeacherWebPage},
                                                           {"Label5", shell::AuthorMail},
                                                           {"Label6", shell::AuthorWebPage}};
    for (const auto &[label, address] : links) {
        const QString target = QLatin1String(address);
        on(QLatin1String(label), Event::Click,
           [this, target] { shell::OpenAddress(services(), target); });
    }
}

void AboutWindow::load()
{
    // The two arrow pictures point from the names to the links.
    speak(QStringLiteral("Picture2"), QStringLiteral("An arrow pointing down"));
    speak(QStringLiteral("Picture3"), QStringLiteral("An arrow pointing up"));
}

} // namespace strumkin::windows
