// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/values.h"

#include <QFont>
#include <QVariant>

#include <vector>

namespace strumkin::forms {

// One by-name part of a font (FontName, FontSize, ...), as controls and
// windows take them: the design's font gives them, the program may change
// them.
struct FontPart {
    const char *name;
    Takes takes;
    // Null for a part that cannot be read back.
    QVariant (*read)(const QFont &);
    void (*write)(QFont &, const QVariant &);
    // A window's font takes the part too, not only a control's.
    bool windows;
};

[[nodiscard]] const std::vector<FontPart> &fontParts();

} // namespace strumkin::forms
