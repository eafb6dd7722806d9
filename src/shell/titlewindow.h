// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::shell {

// The title window: the program's name over a tiled flame texture, the
// guitar picture from beside the program, and the ways on.
class TitleWindow final : public WindowClass {
public:
    explicit TitleWindow(Registry &registry);

private:
    void load() override;
    // Covers the window's background with copies of the picture box's
    // picture, beneath the controls, where they stay until it is unloaded.
    void tileBitmap(const QString &pictureBox);
};

} // namespace strumkin::shell
