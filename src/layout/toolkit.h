// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

// What the layout engine needs of a window toolkit. The engine sees windows
// and controls only through these interfaces, so it depends on no widget
// library and can be exercised against plain fakes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace strumkin::layout {

// A property value as the toolkit hands it over: flags, numbers (geometry is
// floating point in the container's units) and texts.
using Value = std::variant<bool, double, std::string>;

class Control {
public:
    virtual ~Control() = default;

    // Reads a property by name (Name, Index, Left, Top, Width, Height, X1, Y1,
    // X2, Y2, ...). Empty when the control's kind lacks the property; Index is
    // empty for a control that is not an element of a control array.
    [[nodiscard]] virtual std::optional<Value> property(std::string_view name) const = 0;

    // Sets a property by name; false when the kind lacks it or refuses the value.
    virtual bool setProperty(std::string_view name, const Value &value) = 0;

    // Move with 2, 3 or 4 arguments (Left, Top, Width, Height in the
    // container's units); false when the kind has no Move or refuses a value.
    virtual bool move(std::span<const std::int32_t> arguments) = 0;

    [[nodiscard]] virtual bool isLine() const = 0;
};

class Window {
public:
    virtual ~Window() = default;

    [[nodiscard]] virtual std::string name() const = 0;

    // Outer rectangle in twips.
    [[nodiscard]] virtual double top() const = 0;
    [[nodiscard]] virtual double left() const = 0;
    [[nodiscard]] virtual double height() const = 0;
    [[nodiscard]] virtual double width() const = 0;

    // Client area in the window's own coordinate units.
    [[nodiscard]] virtual double scaleHeight() const = 0;
    [[nodiscard]] virtual double scaleWidth() const = 0;

    [[nodiscard]] virtual bool visible() const = 0;
    // Writing the value the window already has must change nothing.
    virtual void setVisible(bool visible) = 0;

    // Every control in the toolkit's order: nested ones, menu items, timers,
    // lines and shapes included.
    [[nodiscard]] virtual std::vector<Control *> controls() = 0;
};

} // namespace strumkin::layout
