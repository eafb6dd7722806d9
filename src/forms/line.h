// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

#include <QColor>
#include <QLineF>

namespace strumkin::forms {

// A line between two end points (X1, Y1) and (X2, Y2) in its container's
// units. It has no Left, Top, Width, Height or Move.
class Line final : public Kinded<Line> {
public:
    Line(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] bool isLine() const override { return true; }
    [[nodiscard]] AccessibleFacts accessibleFacts() const override
    {
        return {QAccessible::Separator, {}, {}, true, {}};
    }
    void applyGeometry() override;

    [[nodiscard]] static const PropertyTable<Line> &properties();

protected:
    bool hasPosition() const override { return false; }

private:
    // The end points in pixels, relative to the widget.
    [[nodiscard]] QLineF pixelEnds() const;

    QLineF m_ends;
    QColor m_color = Qt::black;
    int m_width = 1;
};

} // namespace strumkin::forms
