// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

// Where a chord diagram's parts lie, in ems of the diagram label's font from
// the top-left of its box. The pages' finger rows, fret markers and bar
// labels were laid out against these positions: the string pitch puts each
// finger-row digit under its string, the fret spacing each marker at its row.
namespace strumkin::lessons::diagram {

inline constexpr double BoxWidth = 0.775;
inline constexpr double BoxHeight = 0.955;

inline constexpr double FirstStringX = 0.1064;
inline constexpr double StringPitch = 0.1058;

inline constexpr double TopLineY = 0.342;
inline constexpr double FretSpacing = 0.150;
inline constexpr int FretRows = 4;

inline constexpr double DotRadius = 0.042;
// Centre of the open-string circles and muted-string crosses above the nut.
inline constexpr double MarkY = 0.255;
inline constexpr double RingRadius = 0.032;
inline constexpr double RingWeight = 0.0095;
// Nothing of a diagram is drawn above the tops of its open-string circles.
inline constexpr double InkTop = MarkY - RingRadius - RingWeight;

// String 0 is low E, 5 high E.
[[nodiscard]] constexpr double stringX(int string)
{
    return FirstStringX + string * StringPitch;
}

// Fret line 0 is the top line (the nut at the first fret).
[[nodiscard]] constexpr double fretLineY(int line)
{
    return TopLineY + line * FretSpacing;
}

// Row 1 is the first fret the diagram shows.
[[nodiscard]] constexpr double rowCentreY(int row)
{
    return TopLineY + (row - 0.5) * FretSpacing;
}

} // namespace strumkin::lessons::diagram
