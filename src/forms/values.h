// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QVariant>

#include <limits>
#include <optional>

namespace strumkin::forms {

// Conversions of by-name property values; empty when the value does not fit.
[[nodiscard]] std::optional<QColor> toColor(const QVariant &value);
[[nodiscard]] std::optional<double> toNumber(const QVariant &value);
[[nodiscard]] std::optional<bool> toFlag(const QVariant &value);
[[nodiscard]] std::optional<int> toInteger(const QVariant &value);

// What a property takes: a value is converted, and a number checked against
// the range, before the property's setter sees it.
struct Takes {
    enum Type { Anything, Text, Flag, Number, Integer, Color };
    Type type = Anything;
    double min = std::numeric_limits<double>::lowest();
    double max = std::numeric_limits<double>::max();

    static constexpr Takes anything() { return {Anything}; }
    static constexpr Takes text() { return {Text}; }
    static constexpr Takes flag() { return {Flag}; }
    static constexpr Takes color() { return {Color}; }
    static constexpr Takes number(double min = std::numeric_limits<double>::lowest(),
                                  double max = std::numeric_limits<double>::max())
    {
        return {Number, min, max};
    }
    // Above zero: from the smallest double there is.
    static constexpr Takes positive() { return number(std::numeric_limits<double>::denorm_min()); }
    static constexpr Takes integer(double min = std::numeric_limits<int>::min(),
                                   double max = std::numeric_limits<int>::max())
    {
        return {Integer, min, max};
    }

    // The value as the setter sees it: a QString, bool, double, int or
    // QColor; empty for a value the property refuses.
    [[nodiscard]] std::optional<QVariant> convert(const QVariant &value) const;
};

} // namespace strumkin::forms
