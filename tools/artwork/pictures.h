#pragma once

#include <QImage>

// The pictures shipped beside the program (written as 24-bit BMP files) and
// the application icon.
namespace strumkin::artwork {

QImage guitarPicture();    // guitar1.BMP, 177 x 153: the title window's guitar
QImage chordNeckPicture(); // pic1.BMP, 92 x 269: a neck with a C major chord
QImage handPicture();      // pic2.BMP, 98 x 246: a hand fretting a chord
QImage headstockPicture(); // pic3.BMP, 92 x 263: a headstock with its tuners
QImage infoPicture();      // skicon.BMP, 24 x 24: "info" on white
QImage applicationIcon();  // strumkin.png, 256 x 256: a pick with an S

} // namespace strumkin::artwork
