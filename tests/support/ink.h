// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/label.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace strumkin::test {

// A clear canvas of a size at a widget's resolution, to paint what it shows on.
inline QImage canvasFor(const QSize &size, const QWidget &widget)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(static_cast<int>(std::lround(widget.logicalDpiX() / 0.0254)));
    canvas.setDotsPerMeterY(static_cast<int>(std::lround(widget.logicalDpiY() / 0.0254)));
    canvas.fill(Qt::transparent);
    return canvas;
}

// The smallest rectangle holding every pixel that is ink by a test.
template <typename IsInk> QRect inkBounds(const QImage &image, IsInk isInk)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// For each pixel column of what the label draws, whether any of it is inked.
inline QList<bool> inkedColumns(const forms::Label &label)
{
    QImage canvas = canvasFor(label.widget()->size(), *label.widget());
    QPainter painter(&canvas);
    label.paint(painter, QRectF(canvas.rect()));
    QList<bool> inked(canvas.width(), false);
    for (int x = 0; x < canvas.width(); ++x)
        for (int y = 0; y < canvas.height() && !inked[x]; ++y)
            inked[x] = qAlpha(canvas.pixel(x, y)) >= 128;
    return inked;
}

// The centres, in the label's pixels from its left edge, of the runs of inked columns: for
// a row of letters parted by blanks, one centre a letter, where the eye sees it.
inline QList<double> inkedRunCentres(const forms::Label &label)
{
    const QList<bool> inked = inkedColumns(label) << false;
    QList<double> centres;
    for (int x = 0, start = -1; x < inked.size(); ++x) {
        if (inked[x] && start < 0)
            start = x;
        if (!inked[x] && start >= 0)
            centres << (start + x) / 2.0;
        if (!inked[x])
            start = -1;
    }
    return centres;
}

} // namespace strumkin::test
