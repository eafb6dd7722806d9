#pragma once

#include "forms/label.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace strumkin::test {

namespace detail {
inline QImage drawn(const forms::Label &label)
{
    const QWidget &widget = *label.widget();
    QImage canvas(widget.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(static_cast<int>(std::lround(widget.logicalDpiX() / 0.0254)));
    canvas.setDotsPerMeterY(static_cast<int>(std::lround(widget.logicalDpiY() / 0.0254)));
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    label.paint(painter, QRectF(canvas.rect()));
    return canvas;
}

inline bool inkedColumn(const QImage &canvas, int x)
{
    for (int y = 0; y < canvas.height(); ++y) {
        if (qAlpha(canvas.pixel(x, y)) >= 128)
            return true;
    }
    return false;
}
} // namespace detail

// The centres, in the label's pixels from its left edge, of the runs of
// inked columns the label draws: for a row of letters parted by blanks, one
// centre a letter, where the eye sees it.
inline QList<double> inkedRunCentres(const forms::Label &label)
{
    const QImage canvas = detail::drawn(label);
    QList<double> centres;
    int start = -1;
    for (int x = 0; x <= canvas.width(); ++x) {
        const bool inked = x < canvas.width() && detail::inkedColumn(canvas, x);
        if (inked && start < 0)
            start = x;
        if (!inked && start >= 0) {
            centres << (start + x) / 2.0;
            start = -1;
        }
    }
    return centres;
}

// One past the rightmost inked column the label draws, in its pixels; 0 for
// none.
inline int inkedRight(const forms::Label &label)
{
    const QImage canvas = detail::drawn(label);
    for (int x = canvas.width() - 1; x >= 0; --x) {
        if (detail::inkedColumn(canvas, x))
            return x + 1;
    }
    return 0;
}

} // namespace strumkin::test
