#pragma once

namespace strumkin::platform {

// Maps the display fonts the designs name to free stand-ins installed with
// the program's packages.
void installFontSubstitutes();

} // namespace strumkin::platform
