#include "forms/paint.h"

#include "forms/control.h"
#include "forms/form.h"

#include <QPainter>
#include <QWidget>

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
} // namespace

void paintClientArea(const Form &form, QPainter &painter, const QRectF &target)
{
    const QSizeF units = form.scaleSize();
    if (units.isEmpty())
        return;
    const double scaleX = target.width() / units.width();
    const double scaleY = target.height() / units.height();
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, form.clientArea()->palette().color(QPalette::Window));
    for (const Control *control : form.allControls()) {
        if (!shown(*control))
            continue;
        QPointF origin = target.topLeft();
        for (const Control *c = control->container(); c != nullptr; c = c->container())
            origin += QPointF(c->geometry().left() * scaleX, c->geometry().top() * scaleY);
        control->paintOnto(painter, origin, scaleX, scaleY);
    }
    painter.restore();
}

} // namespace strumkin::forms
