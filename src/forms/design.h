// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"
#include "forms/form.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace strumkin::forms {

// Makes a control of one kind inside a container (null: the window itself).
using ControlFactory = std::function<std::unique_ptr<Control>(
    Form &, const QString &kind, const QString &name, Control *container)>;

// Adds a control kind of another subsystem to the ones the loader knows.
void registerKind(const QString &kind, ControlFactory factory);

struct LoadedDesign {
    std::unique_ptr<Form> form;
    QString error; // empty when the design was built
};

// Builds a window from its design, assets/forms/<className>.json, which is
// compiled into the program. A design naming an unknown kind or property, or
// a value the property refuses, is an error.
[[nodiscard]] LoadedDesign loadDesign(const QString &className);
[[nodiscard]] LoadedDesign buildDesign(const QByteArray &json, const QString &className);

// The class names of every design compiled in.
[[nodiscard]] QStringList designNames();

} // namespace strumkin::forms
