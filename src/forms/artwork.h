// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace strumkin::forms {

// The program's icons are bitmaps drawn for 96 dpi, each rendered from an SVG
// source that ships beside it in the resources. Where an icon lands on more or
// fewer device pixels than it was drawn for (a 200 % screen, paper), it is
// drawn from that source instead, so it stays sharp.

// Remembers in the picture the vector source of the bitmap read from path:
// NAME.svg for NAME.xpm, and for NAME-down.xpm the same source pressed in.
void markVectorSource(QImage &picture, const QString &path);

[[nodiscard]] bool hasVectorSource(const QImage &picture);

// Where the renderer of vector sources is: a module file, loaded when it is
// first needed. Without one, or when it cannot be loaded, bitmaps are drawn.
void useVectorRenderer(const QString &module);

// The picture rendered afresh from its vector source at the given device
// pixels; a null image for a picture without one.
[[nodiscard]] QImage renderVector(const QImage &picture, const QSize &devicePixels);

// Draws the picture into target: the bitmap itself where a logical pixel is a
// device pixel, else its vector source, if it has one, at the device pixels
// the target covers.
void drawPicture(QPainter &painter, const QRectF &target, const QImage &picture);

// A window icon that is the bitmap at its own size and the vector source at
// any other.
[[nodiscard]] QIcon iconFrom(const QImage &picture);

} // namespace strumkin::forms
