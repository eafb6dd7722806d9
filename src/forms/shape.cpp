// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/shape.h"

#include "forms/drawnwidget.h"
#include "forms/form.h"
#include "forms/values.h"

#include <QPainter>

namespace strumkin::forms {

Shape::Shape(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container)
{
    makeWidget<DrawnWidget>([this](QPainter &painter, const QRect &rect) { draw(painter, rect); });
}

void Shape::draw(QPainter &painter, const QRect &rect) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const int pen = std::max(1, m_borderWidth);
    painter.setPen(QPen(m_borderColor, pen));
    painter.setBrush(m_filled ? QBrush(m_fillColor) : QBrush(Qt::NoBrush));
    QRectF box = QRectF(rect).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    if (m_shape == Square || m_shape == Circle || m_shape == RoundedSquare) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    switch (m_shape) {
    case Oval:
    case Circle:
        painter.drawEllipse(box);
        break;
    case RoundedRectangle:
    case RoundedSquare: {
        const double radius = std::min(box.width(), box.height()) / 6.0;
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
    default:
        painter.drawRect(box);
    }
}

const PropertyTable<Shape> &Shape::properties()
{
    const auto redraw = [](auto change) {
        return [change](Shape &s, const QVariant &v) {
            change(s, v);
            s.widget()->update();
        };
    };
    static const PropertyTable<Shape> table{
        {"Shape", Takes::integer(Rectangle, RoundedSquare),
         [](const Shape &s) { return static_cast<int>(s.m_shape); },
         redraw([](Shape &s, const QVariant &v) { s.m_shape = static_cast<Kind>(v.toInt()); })},
        {"BorderColor", Takes::color(), [](const Shape &s) { return s.m_borderColor; },
         redraw([](Shape &s, const QVariant &v) { s.m_borderColor = v.value<QColor>(); })},
        {"BorderWidth", Takes::integer(1, 8192), [](const Shape &s) { return s.m_borderWidth; },
         redraw([](Shape &s, const QVariant &v) { s.m_borderWidth = v.toInt(); })},
        // Solid (0) or transparent (1); hatched fills are not used.
        {"FillStyle", Takes::integer(0, 1), [](const Shape &s) { return s.m_filled ? 0 : 1; },
         redraw([](Shape &s, const QVariant &v) { s.m_filled = v.toInt() == 0; })},
        {"FillColor", Takes::color(), [](const Shape &s) { return s.m_fillColor; },
         redraw([](Shape &s, const QVariant &v) { s.m_fillColor = v.value<QColor>(); })},
    };
    return table;
}

} // namespace strumkin::forms
