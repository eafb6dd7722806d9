// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace strumkin::platform {

QSizeF PrimaryScreen::sizeInTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect area = screen->geometry();
    return {area.width() * 1440.0 / screen->logicalDotsPerInchX(),
            area.height() * 1440.0 / screen->logicalDotsPerInchY()};
}

} // namespace strumkin::platform
