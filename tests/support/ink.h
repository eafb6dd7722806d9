#pragma once

#include "forms/label.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace strumkin::test {

// The centres, in the label's pixels from its left edge, of the runs of
// inked columns the label draws: for a row of letters parted by blanks, one
// centre a letter, where the eye sees it.
inline QList<double> inkedRunCentres(const forms::Label &label)
{
    const QWidget &widget = *label.widget();
    QImage canvas(widget.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(static_cast<int>(std::lround(widget.logicalDpiX() / 0.0254)));
    canvas.setDotsPerMeterY(static_cast<int>(std::lround(widget.logicalDpiY() / 0.0254)));
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        label.paint(painter, QRectF(canvas.rect()));
    }
    QList<double> centres;
    int start = -1;
    for (int x = 0; x <= canvas.width(); ++x) {
        bool inked = false;
        for (int y = 0; x < canvas.width() && y < canvas.height() && !inked; ++y)
            inked = qAlpha(canvas.pixel(x, y)) >= 128;
        if (inked && start < 0)
            start = x;
        if (!inked && start >= 0) {
            centres << (start + x) / 2.0;
            start = -1;
        }
    }
    return centres;
}

} // namespace strumkin::test
