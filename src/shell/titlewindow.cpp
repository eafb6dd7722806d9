// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/titlewindow.h"

#include "forms/form.h"
#include "forms/picture.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/names.h"
#include "shell/registry.h"
#include "shell/tiling.h"

namespace strumkin::shell {

using forms::Event;

TitleWindow::TitleWindow(Registry &registry) : WindowClass(registry, QLatin1String(TitleClass))
{
    on(QStringLiteral("Command1"), Event::Click,
       [this] { this->registry().replace(className(), QLatin1String(IntroClass)); });
    on(QStringLiteral("Command2"), Event::Click, [this] {
        for (const char *name : {TitleClass, IntroClass, MemberClass})
            this->registry().unload(QLatin1String(name));
    });
    on(QStringLiteral("Command3"), Event::Click,
       [this] { this->registry().replace(className(), QLatin1String(ChordMenuClass)); });
}

void TitleWindow::load()
{
    // Every step that fails is skipped: a missing picture leaves Image1 empty.
    const platform::Paths &paths = *services().paths;
    set(QStringLiteral("Image1"), QStringLiteral("Picture"),
        paths.toHost(paths.programFolder() + QStringLiteral("\\guitar1.BMP")));
    speak(QStringLiteral("Image1"), QStringLiteral("An acoustic guitar on a stage"));
    tileBitmap(QStringLiteral("Picture1"));
}

void TitleWindow::tileBitmap(const QString &pictureBox)
{
    auto *box = form().controlAs<forms::Picture>(pictureBox);
    if (box == nullptr)
        return;
    box->set(QStringLiteral("AutoSize"), true);
    const QRectF tileSize = box->geometry();
    const QRectF outer = form().outerTwips();
    const auto run = tileRun(tileSize.width(), tileSize.height(), outer.width(), outer.height());
    if (!run)
        return;
    const QImage picture = box->picture();
    tile(*run, tileSize.width(), tileSize.height(),
         [&](const QRectF &at) { form().paintPicture(picture, at); });
}

} // namespace strumkin::shell
