// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::shell {

// The window classes by the names their designs give them. Each subsystem
// registers its own classes; these names let a window lead to another's.
inline constexpr char WelcomeClass[] = "frmTimer";
inline constexpr char TitleClass[] = "frmstart";
inline constexpr char IntroClass[] = "frmintro";
inline constexpr char ChordMenuClass[] = "frmchords";
inline constexpr char MemberClass[] = "frmsecret";
inline constexpr char AboutClass[] = "frmabout";
inline constexpr char FindClass[] = "frmfind";

// The chord pair pages, A to G: the order of the menu's letters, of the
// pages' Next and Back and of the member page's picker.
inline constexpr const char *ChordPages[]{"frmA", "frmb", "frmC", "frmD", "frmE", "frmF", "frmG"};

// Where the chords are saved, as written on the original platform.
inline constexpr char ChordsFolder[] = "C:\\Chords";

} // namespace strumkin::shell
