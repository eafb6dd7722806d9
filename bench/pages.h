// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/form.h"
#include "platform/paths.h"
#include "shell/names.h"
#include "shell/registry.h"
#include "support/doubles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace bench {

// Points the rig's program folder at the program's own, so that windows read
// their pictures as the program does; false when the pictures are not there.
inline bool useProgramFolder(strumkin::test::Rig &rig)
{
    const QString folder = QStringLiteral(STRUMKIN_PROGRAM_DIR);
    if (!QFileInfo::exists(folder + QStringLiteral("/pic1.BMP")))
        return false;
    *rig.paths = strumkin::platform::Paths(folder, rig.drive.path());
    return true;
}

struct BusiestPage {
    QString className;
    std::size_t controls = 0;
    QStringList counts; // "frmA 20" for every page, in page order
};

// The chord page with the most controls, each page loaded hidden to count
// what its window really holds (menu items and contents of containers too),
// then unloaded. The first in page order wins a tie.
inline BusiestPage busiestChordPage(strumkin::shell::Registry &registry)
{
    BusiestPage busiest;
    for (const char *page : strumkin::shell::ChordPages) {
        const QString name = QLatin1String(page);
        const strumkin::forms::Form *form = registry.loadHidden(name);
        if (form == nullptr)
            continue;
        const std::size_t count = form->allControls().size();
        busiest.counts << QStringLiteral("%1 %2").arg(name).arg(count);
        if (count > busiest.controls) {
            busiest.controls = count;
            busiest.className = name;
        }
        registry.unload(name);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return busiest;
}

} // namespace bench
