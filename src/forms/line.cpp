// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/line.h"

#include "forms/drawnwidget.h"
#include "forms/form.h"
#include "forms/values.h"

#include <QPainter>

namespace strumkin::forms {

Line::Line(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container)
{
    makeWidget<DrawnWidget>([this](QPainter &painter, const QRect &) {
        painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(pixelEnds());
    });
}

QLineF Line::pixelEnds() const
{
    const QRect box = toPixels(QRectF(m_ends.p1(), m_ends.p2()).normalized());
    const QRect whole = toPixels(QRectF(m_ends.p1(), QSizeF(0, 0)));
    const QRect other = toPixels(QRectF(m_ends.p2(), QSizeF(0, 0)));
    const int pad = m_width;
    const QPointF origin(box.left() - pad, box.top() - pad);
    return {QPointF(whole.topLeft()) - origin + QPointF(0.5, 0.5),
            QPointF(other.topLeft()) - origin + QPointF(0.5, 0.5)};
}

void Line::applyGeometry()
{
    // The widget covers the line's bounding box with room for its pen.
    const QRect box = toPixels(QRectF(m_ends.p1(), m_ends.p2()).normalized());
    const int pad = m_width;
    widget()->setGeometry(box.adjusted(-pad, -pad, pad + 1, pad + 1));
    widget()->update();
}

const PropertyTable<Line> &Line::properties()
{
    using P = Property<Line>;
    // X or Y of the first or the second end point; the widget moves with it.
    const auto end = [](const char *name, bool first, bool across) {
        return P(
            name, Takes::number(),
            [=](const Line &l) {
                const QPointF point = first ? l.m_ends.p1() : l.m_ends.p2();
                return across ? point.x() : point.y();
            },
            [=](Line &l, const QVariant &v) {
                QPointF point = first ? l.m_ends.p1() : l.m_ends.p2();
                (across ? point.rx() : point.ry()) = v.toDouble();
                first ? l.m_ends.setP1(point) : l.m_ends.setP2(point);
                l.applyGeometry();
            });
    };
    static const PropertyTable<Line> table{
        end("X1", true, true),
        end("Y1", true, false),
        end("X2", false, true),
        end("Y2", false, false),
        {"BorderColor", Takes::color(), [](const Line &l) { return l.m_color; },
         [](Line &l, const QVariant &v) {
             l.m_color = v.value<QColor>();
             l.widget()->update();
         }},
        {"BorderWidth", Takes::integer(1, 8192), [](const Line &l) { return l.m_width; },
         [](Line &l, const QVariant &v) {
             l.m_width = v.toInt();
             l.applyGeometry();
         }},
    };
    return table;
}

} // namespace strumkin::forms
