#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

namespace strumkin::artwork {

// A fully transparent ARGB image.
QImage transparentImage(int width, int height);

// Paints `draw` into an image `factor` times the final size and scales it down
// with area averaging, so thin strings and round edges come out smooth. The
// painter's coordinates are those of the final image. A transparent
// background gives an image with alpha.
QImage supersampled(int width, int height, int factor, const QColor &background,
                    const std::function<void(QPainter &)> &draw);

// A painter on `image`, antialiased or not, for pixel-exact icon work.
void paintOn(QImage &image, bool antialiased, const std::function<void(QPainter &)> &draw);

// Every pixel that is at least half covered becomes opaque (its colour
// unpremultiplied), every other one transparent.
QImage hardAlpha(const QImage &image);

// Adds a one-pixel border of `colour` round the opaque pixels; with
// `corners` the diagonal neighbours count too.
QImage outlined(const QImage &image, const QColor &colour, bool corners);

// The same picture pressed into the screen: one pixel lower and further
// right, every colour multiplied by `brightness`.
QImage sunken(const QImage &image, qreal brightness);

// Draws `layer` over `target` with its top-left corner at `at`.
void compose(QImage &target, const QImage &layer, QPoint at = {});

// A copy mirrored top to bottom.
QImage flippedVertically(const QImage &image);

// Previews: an enlarged copy with visible pixels over a background, and a
// picture repeated over a grid.
QImage enlarged(const QImage &image, int factor, const QColor &background);
QImage tiled(const QImage &tile, int columns, int rows);

// A mix of two colours, t = 0 gives `a`, t = 1 gives `b`.
QColor mixed(const QColor &a, const QColor &b, qreal t);

} // namespace strumkin::artwork
