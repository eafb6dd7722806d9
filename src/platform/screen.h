// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QSizeF>

namespace strumkin::platform {

// The size of the screen windows open on, in twips.
class Screen {
public:
    virtual ~Screen() = default;
    [[nodiscard]] virtual QSizeF sizeInTwips() const = 0;
};

class PrimaryScreen final : public Screen {
public:
    [[nodiscard]] QSizeF sizeInTwips() const override;
};

} // namespace strumkin::platform
