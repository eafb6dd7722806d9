// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

namespace strumkin::forms {

// A control that holds others: a frame ("frame", a border with an optional
// caption) or a panel ("panel", a plain area in its background colour).
// The controls inside keep coordinates relative to it.
class Container final : public Kinded<Container> {
public:
    // A frame is a group named by its caption; a panel, or a frame without
    // one, is the window's structure.
    [[nodiscard]] AccessibleFacts accessibleFacts() const override;
    Container(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *childArea() const override { return widget(); }
    [[nodiscard]] std::vector<TextLayout> textLayouts() const override;

    [[nodiscard]] static const PropertyTable<Container> &properties();

protected:
    void backColorChanged() override;

private:
    bool m_isFrame;
};

} // namespace strumkin::forms
