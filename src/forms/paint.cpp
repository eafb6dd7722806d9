// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/paint.h"

#include "forms/control.h"
#include "forms/form.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace strumkin::forms {

namespace {
bool shown(const Control &control)
{
    for (const Control *c = &control; c != nullptr; c = c->container()) {
        if (c->widget() != nullptr && c->widget()->isHidden())
            return false;
    }
    return true;
}

// Where a control stands on screen: its pixel rectangle in the client area,
// rounded as its widget's is, container by container.
QRect onScreen(const Control &control)
{
    QPoint origin;
    for (const Control *c = control.container(); c != nullptr; c = c->container())
        origin += c->toPixels(c->geometry()).topLeft();
    return control.toPixels(control.geometry()).translated(origin);
}
} // namespace

void paintClientArea(const Form &form, QPainter &painter, const QRectF &target)
{
    const QSizeF units = form.scaleSize();
    if (units.isEmpty() || target.isEmpty())
        return;
    const QSizeF pixels = form.pixelsPerUnit();
    const QSizeF client(units.width() * pixels.width(), units.height() * pixels.height());
    const double scale =
        std::min(target.width() / client.width(), target.height() / client.height());

    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, form.clientArea()->palette().color(QPalette::Window));
    // The controls are drawn in the window's own pixels, each in the whole
    // pixels its geometry has on screen, and the painter takes those pixels
    // onto the target: a text breaks into the lines it has on screen at any
    // size of the target.
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-client.width() / 2.0, -client.height() / 2.0);
    for (const Control *control : form.allControls()) {
        if (!shown(*control))
            continue;
        const QRectF g = control->geometry();
        const QRect box = onScreen(*control);
        const double scaleX = g.width() != 0.0 ? box.width() / g.width() : pixels.width();
        const double scaleY = g.height() != 0.0 ? box.height() / g.height() : pixels.height();
        control->paintOnto(painter,
                           QPointF(box.left() - g.left() * scaleX, box.top() - g.top() * scaleY),
                           scaleX, scaleY);
    }
    painter.restore();
}

} // namespace strumkin::forms
