// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace strumkin::lessons {

enum class Quality { Major, Minor };

// One chord of the lessons and where its content lives: the control of its
// page whose text its Save button writes, and its print sheet. The texts
// themselves are the captions of the designs.
struct Chord {
    char root; // 'A' .. 'G'
    Quality quality;
    const char *holder; // the control holding the saved text
    bool holderIsTextBox;
    const char *sheet; // the print sheet's class

    // "A major", "B minor".
    [[nodiscard]] QString name() const;
    // The diagram letter: the root in lower case for major, capital for minor.
    [[nodiscard]] char letter() const;
    // The folder the chord's file is saved in, as written on the original
    // platform: "C:\Chords" for A, "C:\Chords\Bchords" and so on for the rest.
    [[nodiscard]] QString folder() const;
    // "Bmajor": the name of the chord's files.
    [[nodiscard]] QString fileStem() const;
    // "C:\Chords\Bchords\Bmajor.txt".
    [[nodiscard]] QString saveFile() const;
    [[nodiscard]] QString printQuestion() const;
};

// The fourteen chords, A major, A minor, B major, ... G minor.
[[nodiscard]] const std::array<Chord, 14> &chords();
[[nodiscard]] const Chord &chord(char root, Quality quality);

} // namespace strumkin::lessons
