// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "layout/engine.h"

#include "layout/rounding.h"

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

namespace strumkin::layout {

namespace {

using Int = std::int32_t;

std::optional<Int> fit(std::int64_t value)
{
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(value);
}

// Nearest integer, an exact half to the even neighbour; empty for NaN, infinities and
// anything outside the 32-bit range.
std::optional<Int> roundToInt(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

Int require(std::optional<Int> value)
{
    if (!value)
        throw std::range_error("layout value out of the 32-bit range");
    return *value;
}

// A property that is missing, or holds anything but a number, fails like a missing one.
std::optional<Int> readInt(const Control &control, std::string_view name)
{
    const auto value = control.property(name);
    const double *number = value ? std::get_if<double>(&*value) : nullptr;
    return number ? roundToInt(*number) : std::nullopt;
}

std::optional<std::string> readText(const Control &control, std::string_view name)
{
    const auto value = control.property(name);
    const std::string *text = value ? std::get_if<std::string>(&*value) : nullptr;
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

// (recorded x factor) div 100, less the off-screen offset when asked; the product is formed
// in 64 bits so that only a result outside the 32-bit range fails.
std::optional<Int> scale(Int recorded, Int factor, bool offScreen = false)
{
    return fit(std::int64_t{recorded} * factor / 100 - (offScreen ? OffScreenOffset : 0));
}

// A failed factor counts as 0 for the control being rescaled.
template <typename F> Int factorOrZero(F compute)
{
    try {
        return compute();
    } catch (const std::exception &) {
        return 0;
    }
}

Int factor(Engine &engine, Window &window, double (Window::*current)() const,
           Int LayoutRecord::*recorded)
{
    Int i = engine.FindForm(window);
    if (i < 0)
        i = engine.AddForm(window);
    const Int s = require(roundToInt((window.*current)() * 100));
    const Int base = engine.FormList[static_cast<std::size_t>(i)].*recorded;
    if (base == 0)
        throw std::domain_error("window recorded with an empty client area");
    return require(fit(std::int64_t{s} / base));
}

} // namespace

Int Engine::NormalizeX(Int value)
{
    return value < 0 ? value + OffScreenOffset : value;
}

Int Engine::FindForm(const Window &window) const
{
    const std::string name = window.name();
    for (Int i = 0; i < FormCount; ++i)
        if (FormList[static_cast<std::size_t>(i)].Name == name)
            return i;
    return -1;
}

Int Engine::AddForm(Window &window)
{
    // Built aside and appended only when complete, so a read that throws leaves the table
    // as it was.
    LayoutRecord record;
    record.Name = window.name();
    record.Top = require(roundToInt(window.top()));
    record.Left = require(roundToInt(window.left()));
    record.Height = require(roundToInt(window.height()));
    record.Width = require(roundToInt(window.width()));
    record.ScaleHeight = require(roundToInt(window.scaleHeight()));
    record.ScaleWidth = require(roundToInt(window.scaleWidth()));
    const std::string formName = record.Name;
    FormList.push_back(std::move(record));
    const Int index = FormCount++;

    for (Control *control : window.controls())
        if (FindControl(*control, formName) == -1)
            AddControl(*control, formName);
    return index;
}

Int Engine::FindControl(const Control &control, const std::string &formName) const
{
    // A control whose Name cannot be read was recorded with an empty one.
    const std::string name = readText(control, "Name").value_or(std::string());
    for (Int i = 0; i < ControlCount; ++i) {
        const LayoutRecord &record = ControlList[static_cast<std::size_t>(i)];
        if (record.FormName != formName || record.Name != name)
            continue;
        const auto index = readInt(control, "Index");
        if (!index || *index == record.Index)
            return i;
    }
    return -1;
}

Int Engine::AddControl(Control &control, const std::string &formName)
{
    LayoutRecord record;
    record.Name = readText(control, "Name").value_or(std::string());
    record.Index = readInt(control, "Index").value_or(0);
    record.FormName = formName;
    const auto read = [&](std::string_view name) { return readInt(control, name).value_or(0); };
    const auto readX = [&](std::string_view name) {
        const auto value = readInt(control, name);
        return value ? NormalizeX(*value) : 0;
    };
    if (control.isLine()) {
        record.Top = read("Y1");
        record.Left = readX("X1");
        record.Height = read("Y2");
        record.Width = readX("X2");
    } else {
        record.Top = read("Top");
        record.Left = readX("Left");
        record.Height = read("Height");
        record.Width = read("Width");
    }
    // Keeps list boxes at the exact height they are given; most kinds refuse, which is fine.
    control.setProperty("IntegralHeight", Value(false));

    ControlList.push_back(std::move(record));
    return ControlCount++;
}

Int Engine::WidthFactor(Window &window)
{
    return factor(*this, window, &Window::scaleWidth, &LayoutRecord::ScaleWidth);
}

Int Engine::HeightFactor(Window &window)
{
    return factor(*this, window, &Window::scaleHeight, &LayoutRecord::ScaleHeight);
}

void Engine::ResizeControl(Control &control, Window &window)
{
    const Int fH = factorOrZero([&] { return HeightFactor(window); });
    const Int fW = factorOrZero([&] { return WidthFactor(window); });
    const Int found = FindControl(control, window.name());
    // Only a control added after its window was recorded has no record. With nothing to
    // scale from, it is left where its own window put it.
    if (found < 0)
        return;
    const LayoutRecord r = ControlList[static_cast<std::size_t>(found)];

    const auto negative = [&](std::string_view name) {
        const auto value = readInt(control, name);
        return value && *value < 0;
    };
    if (control.isLine()) {
        const auto set = [&](std::string_view name, std::optional<Int> value) {
            if (value)
                control.setProperty(name, Value(static_cast<double>(*value)));
        };
        set("X1", scale(r.Left, fW, negative("X1")));
        set("Y1", scale(r.Top, fH));
        set("X2", scale(r.Width, fW, negative("X2")));
        set("Y2", scale(r.Height, fH));
        return;
    }

    const auto currentLeft = readInt(control, "Left");
    const Int left = scale(r.Left, fW, !currentLeft || *currentLeft < 0).value_or(0);
    const Int top = scale(r.Top, fH).value_or(0);
    const Int width = scale(r.Width, fW).value_or(0);
    const Int height = scale(r.Height, fH).value_or(0);
    // A control that refuses the height (or the width too) still takes the rest from the
    // shorter requests.
    const Int all[] = {left, top, width, height};
    control.move(std::span<const Int>(all, 4));
    control.move(std::span<const Int>(all, 3));
    control.move(std::span<const Int>(all, 2));
}

void Engine::ResizeForm(Window &window)
{
    if (Resizing)
        return;
    Resizing = true;
    // A failure reading the window itself goes to the caller, but must not leave every
    // later resize of every window dropped.
    struct Clear {
        bool &flag;
        ~Clear() { flag = false; }
    } clear{Resizing};

    if (window.top() >= MinimizedTop)
        return;
    const bool visible = window.visible();
    for (Control *control : window.controls())
        ResizeControl(*control, window);
    window.setVisible(visible);
}

Engine &processEngine()
{
    static Engine engine;
    return engine;
}

void ResizeForm(Window &window)
{
    processEngine().ResizeForm(window);
}

} // namespace strumkin::layout
