// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include <array>

namespace strumkin::lessons {

inline constexpr int StringCount = 6;
inline constexpr int Muted = -1;
inline constexpr int Open = 0;

// A first-finger barre across a range of strings at one fret; fret 0 means
// the shape has none.
struct Barre {
    int fret = 0;
    int lowString = 0;
    int highString = 0;
};

// Where the fingers go for one chord, as the lesson teaches it.
struct Voicing {
    // Per string, low E first: a fret, Open or Muted.
    std::array<int, StringCount> frets{};
    Barre barre;
    // The fret drawn as the diagram's first row; above 1 the diagram shows a
    // position label instead of the nut.
    int firstFret = 1;
};

// The voicing a diagram letter names (lower case major, capital minor);
// null for any other character.
[[nodiscard]] const Voicing *voicingFor(QChar letter);

// "3fr" for a shape drawn from the third fret; empty when it starts at the nut.
[[nodiscard]] QString positionLabel(const Voicing &voicing);

// The fingering in words, for a screen reader: where the shape starts, the
// barre as one phrase, then each other string from low E to high E, muted,
// open, or its fret and finger. The fingers are the finger row's digits, one
// for each fretted string from low E up.
[[nodiscard]] QString describeFingering(const Voicing &voicing, const QList<int> &fingers);

} // namespace strumkin::lessons
