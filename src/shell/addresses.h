// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::shell {

// The links the About window and the member page open. Web addresses are
// kept without a scheme, the mail link with "mailto:"; all stay on the
// reserved example domains until the project has a home.
inline constexpr char AuthorWebPage[] = "www.example.org/strumkin";
inline constexpr char AuthorMail[] = "mailto:strumkin@example.org";
inline constexpr char TeacherWebPage[] = "www.example.com/guitar-teachers";
inline constexpr char MemberWebPage[] = "www.example.org/strumkin/members";

} // namespace strumkin::shell
