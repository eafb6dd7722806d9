// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace strumkin::shell {

// The seconds part, two digits, of an elapsed time given as a day count: the
// time is rounded to the nearest whole second first, and only its seconds
// within the minute are shown ("05" for 65 seconds).
[[nodiscard]] QString secondsPart(double elapsedDays);

// A whole number of twips halved for centring: the difference rounded to the
// nearest integer, an exact half to the even one, then divided by two with
// truncation toward zero.
[[nodiscard]] int centredOffset(double screen, double window);

} // namespace strumkin::shell
