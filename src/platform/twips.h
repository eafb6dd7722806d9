// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::platform {

// Windows, their controls and printed pages are measured in twips.
inline constexpr double TwipsPerInch = 1440.0;

} // namespace strumkin::platform
