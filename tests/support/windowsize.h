// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/form.h"

#include <QtTest>

#include <cmath>

namespace strumkin::test {

// Grows a shown window's client area by a factor as a user's drag does: the
// window system resizes the top-level window, and the form follows.
inline void resizeClient(forms::Form &form, double factor)
{
    const QSize client = form.clientArea()->size();
    const QSize target(static_cast<int>(std::lround(client.width() * factor)),
                       static_cast<int>(std::lround(client.height() * factor)));
    form.resize(form.size() + target - client);
    QTRY_COMPARE(form.clientArea()->size(), target);
}

} // namespace strumkin::test
