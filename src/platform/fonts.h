#pragma once

#include <QStringList>

namespace strumkin::platform {

// Maps the display fonts the designs name to free stand-ins installed with
// the program's packages.
void installFontSubstitutes();

// The stand-ins of a designed family, best first; empty for one not mapped.
[[nodiscard]] QStringList standInsFor(const QString &designed);

} // namespace strumkin::platform
