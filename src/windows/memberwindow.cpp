#include "windows/memberwindow.h"

#include "forms/combobox.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "shell/registry.h"

namespace strumkin::windows {

using forms::Event;

namespace {
// The picker's items in order, with the page each opens; the first opens
// nothing.
const std::pair<const char *, const char *> picks[] = {
    {"Click to see the Chords!", nullptr},
    {"The A Chords", "frmA"},
    {"The B Chords", "frmb"},
    {"The C Chords", "frmC"},
    {"The D Chords", "frmD"},
    {"The E Chords", "frmE"},
    {"The F Chords", "frmF"},
    {"The G Chords", "frmG"},
};
} // namespace

MemberWindow::MemberWindow(shell::Registry &registry)
    : WindowClass(registry, QStringLiteral("frmsecret"))
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
    for (const auto &[text, page] : picks)
        picker.addItem(QLatin1String(text));
    picker.setListIndex(0);
}

void MemberWindow::pick()
{
    const int index = controlAs<forms::ComboBox>(QStringLiteral("cbochords")).listIndex();
    if (index < 1 || index >= static_cast<int>(std::size(picks)))
        return;
    // Beside the member page, which stays open; an open page comes to the
    // front as it is.
    registry().showBeside(QLatin1String(picks[index].second), form());
}

} // namespace strumkin::windows
