#pragma once

#include <QColor>
#include <QVariant>

#include <optional>

namespace strumkin::forms {

// Conversions of by-name property values; empty when the value does not fit.
[[nodiscard]] std::optional<QColor> toColor(const QVariant &value);
[[nodiscard]] std::optional<double> toNumber(const QVariant &value);
[[nodiscard]] std::optional<bool> toFlag(const QVariant &value);
[[nodiscard]] std::optional<int> toInteger(const QVariant &value);

} // namespace strumkin::forms
