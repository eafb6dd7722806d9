// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QFont;

namespace strumkin::platform {

// Maps the display fonts the designs name to free stand-ins installed with
// the program's packages.
void installFontSubstitutes();

// The stand-ins of a designed family, best first; empty for one not mapped.
[[nodiscard]] QStringList standInsFor(const QString &designed);

// How a stand-in is drawn in its designed font's place.
struct StandInLook {
    // Width in percent of the stand-in's own (QFont::setStretch).
    int stretch = 100;
    // The same for its bold face, where that is wider than the designed
    // font's bold; 0 for the stretch above.
    int boldStretch = 0;
    // Drawn without antialiasing, every pixel of a stroke in the text's
    // colour, as the designed bitmap font was.
    bool crisp = false;
    // From this size in points on, this width instead (0: none).
    double largeFrom = 0;
    int largeStretch = 0;
};
[[nodiscard]] StandInLook standInLookFor(const QString &designed);

// Gives a font that names one designed family its stand-in's look.
void fitStandIn(QFont &font);

} // namespace strumkin::platform
