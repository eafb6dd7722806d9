// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "windows/memberwindow.h"

#include "forms/combobox.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::windows {

using forms::Event;

namespace {
// The picker's items in order: the first opens nothing, the others the
// chord pages in their order.
const char *const picks[] = {"Click to see the Chords!",
                             "The A Chords",
                             "The B Chords",
                             "The C Chords",
                             "The D Chords",
                             "The E Chords",
                             "The F Chords",
                             "The G Chords"};
static_assert(std::size(picks) == std::size(shell::ChordPages) + 1);
} // namespace

MemberWindow::MemberWindow(shell::Registry &registry)
    : WindowClass(registry, QLatin1String(shell::MemberClass))
{
    on(QStringLiteral("cbochords"), Event::Click, [this] { pick(); });
    on(QStringLiteral("Command1"), Event::Click, [this] { shell::OpenReadme(services()); });
    on(QStringLiteral("Command2"), Event::Click, [this] { shell::OpenHelpFile(services()); });
    on(QStringLiteral("Label4"), Event::Click,
       [this] { shell::OpenAddress(services(), QLatin1String(shell::MemberWebPage)); });
}

void MemberWindow::load()
{
    auto &picker = controlAs<forms::ComboBox>(QStringLiteral("cbochords"));
    for (const char *text : picks)
        picker.addItem(QLatin1String(text));
    picker.setListIndex(0);
    speak(QStringLiteral("Text1"), QStringLiteral("A tip on resizing windows"));
}

void MemberWindow::pick()
{
    const int index = controlAs<forms::ComboBox>(QStringLiteral("cbochords")).listIndex();
    if (index < 1 || index >= static_cast<int>(std::size(picks)))
        return;
    // Beside the member page, which stays open; an open page comes to the
    // front as it is.
    registry().showBeside(QLatin1String(shell::ChordPages[std::size_t(index) - 1]), form());
}

} // namespace strumkin::windows
