// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace strumkin::shell {
class Registry;
}

namespace strumkin::lessons {

struct Chord;

// The title of the questions asked before printing.
inline constexpr char PrintTitle[] = "Print?";

// Prints a chord's one-page sheet on the default printer: the sheet is
// loaded hidden, painted with the printer's painter and unloaded again before
// this returns. A print that cannot be done is told to the user; where there
// is no printer the sheet is offered as a PDF file beside the saved chords.
// The fingering in words describes the sheet's diagram where the document
// has room for it.
void printChordSheet(shell::Registry &registry, const Chord &chord, const QString &fingering);

} // namespace strumkin::lessons
