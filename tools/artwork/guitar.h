#pragma once

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace strumkin::artwork {

// An acoustic steel-string guitar standing upright in its own coordinates:
// the headstock's tip at y = 0, the bottom of the body at y = 1000, the
// centre line at x = 0. The body is 390 wide, the tuner keys reach 90 to
// either side.
void drawAcousticGuitar(QPainter &painter);
QRectF acousticGuitarBounds();

// The guitar's silhouette without the tuner keys, for its shadow.
QPainterPath acousticGuitarSilhouette();

// A straight piece of a guitar neck seen from the front, as in a chord chart:
// the headstock is above, low E is the leftmost string.
struct Neck {
    qreal left = 0;
    qreal right = 0;
    qreal top = 0;
    qreal bottom = 0;
    qreal nut = -1;        // y of the nut, or below zero for none
    QList<qreal> frets;    // y of each fret wire, first fret first
    qreal stringInset = 0; // distance of the outer strings from the edges

    // x of string 0 (low E) to 5 (high E).
    qreal stringX(int string) const;
    // The middle of fret space `fret` (1 is between the nut and fret wire 1).
    qreal fretMiddle(int fret) const;
};

// Fretboard, frets, inlay dots at the 3rd, 5th, 7th and 9th fret and strings.
void drawNeck(QPainter &painter, const Neck &neck);

// Strings only, for a neck that something is drawn over.
void drawStrings(QPainter &painter, const Neck &neck, qreal top, qreal bottom);

} // namespace strumkin::artwork
