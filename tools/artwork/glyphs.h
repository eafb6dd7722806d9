#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRgb>

// Letters drawn by hand rather than taken from a font, so that the outputs do
// not depend on the fonts of the machine that runs the generator.
namespace strumkin::artwork {

// Sets the pixels of a small pixel-font text ("STOP"): each letter is seven
// pixels high, letters one pixel apart. Returns the width in pixels.
int drawPixelText(QImage &image, QPoint topLeft, const QByteArray &text, QRgb colour);
int pixelTextWidth(const QByteArray &text);

// Centre lines of the digits 1 to 4 in a box 10 wide and 14 high, to be
// stroked with a round pen.
QPainterPath digitStroke(int digit);

// The centre line of a capital S in a box 100 wide and 140 high.
QPainterPath letterSStroke();

// The centre line of a question mark's hook and stem in a box 23 wide and 34
// high; its dot is a circle round questionDot().
QPainterPath questionStroke();
QPointF questionDot();

} // namespace strumkin::artwork
