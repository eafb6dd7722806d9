// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

#include <QColor>

namespace strumkin::forms {

// A drawn shape: rectangle, square, oval, circle, rounded rectangle or
// rounded square, outlined in its border colour and width, filled or not.
class Shape final : public Kinded<Shape> {
public:
    enum Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    Shape(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] static const PropertyTable<Shape> &properties();
    [[nodiscard]] AccessibleFacts accessibleFacts() const override
    {
        return {QAccessible::Graphic, {}, {}, true, {}};
    }

private:
    void draw(QPainter &painter, const QRect &rect) const;

    Kind m_shape = Rectangle;
    QColor m_borderColor = Qt::black;
    QColor m_fillColor = Qt::black;
    int m_borderWidth = 1;
    bool m_filled = false;
};

} // namespace strumkin::forms
