// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "windows/findwindow.h"

#include "forms/dirlist.h"
#include "forms/filelist.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/names.h"
#include "shell/registry.h"

namespace strumkin::windows {

using forms::Event;

FindWindow::FindWindow(shell::Registry &registry)
    : WindowClass(registry, QLatin1String(shell::FindClass))
{
    on(QStringLiteral("Dir1"), Event::Change, [this] {
        controlAs<forms::FileList>(QStringLiteral("File1"))
            .setFolder(controlAs<forms::DirList>(QStringLiteral("Dir1")).folder());
    });
    on(QStringLiteral("Command1"), Event::Click, [this] { this->registry().unload(className()); });
}

void FindWindow::load()
{
    // Both lists start at the chords folder; without one they stay at the
    // working folder, and the window opens all the same. The file list
    // follows the folder list, so the second setting finds it there already
    // and reads nothing.
    const platform::Paths &paths = *services().paths;
    const QString chords = paths.toHost(QLatin1String(shell::ChordsFolder));
    auto &folders = controlAs<forms::DirList>(QStringLiteral("Dir1"));
    folders.setRoot(paths.driveRoot());
    folders.setPath(chords);
    controlAs<forms::FileList>(QStringLiteral("File1")).setPath(chords);
    speak(QStringLiteral("Dir1"), QStringLiteral("Folders"));
    speak(QStringLiteral("File1"), QStringLiteral("Files in the folder"));
    // The A page's check box works as a button: the browser's load clears it.
    const QString aPage = QLatin1String(shell::ChordPages[0]);
    if (registry().isLoaded(aPage)) {
        registry()
            .instance(aPage)
            ->control(QStringLiteral("Check1"))
            .set(QStringLiteral("Value"), 0);
    }
}

} // namespace strumkin::windows
