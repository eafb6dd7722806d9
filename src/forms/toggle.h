// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

class QAbstractButton;

namespace strumkin::forms {

// An option button ("option") or a check box ("check"). Click is raised when
// an option becomes selected, and on every change of a check box's Value,
// whether the user or the program made it.
class Toggle final : public Kinded<Toggle> {
public:
    Toggle(Form &form, QString kind, QString name, Control *container);

    // The round box or the square one the user clicks, in the widget's pixels.
    [[nodiscard]] QRect markBox() const;

    [[nodiscard]] static const PropertyTable<Toggle> &properties();

private:
    QAbstractButton *m_button;
    bool m_isCheck;
};

} // namespace strumkin::forms
