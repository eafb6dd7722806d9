#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace strumkin::artwork {

// One colour of an icon and the character that stands for it in the XPM text.
struct PaletteEntry {
    char key;
    QRgb rgb;
};
using Palette = QList<PaletteEntry>;

// An icon ready to be written: every opaque pixel is a colour of its palette.
struct Icon {
    QImage image;
    Palette palette;
};

// Maps every pixel to the nearest colour of `palette`; pixels less than half
// opaque become transparent. Drawing with antialiasing and then quantizing
// keeps icons to the few colours the old 16-colour icons had.
QImage quantized(const QImage &image, const Palette &palette);

// Quantizes `image` to `palette` and pairs them.
Icon makeIcon(const QImage &image, const Palette &palette);

// The XPM text of an icon, named `variable` inside. Transparent pixels are
// written as blanks with the colour None; only the colours that occur are
// listed. Throws std::runtime_error for a colour outside the palette.
QByteArray xpmText(const Icon &icon, const QByteArray &variable);

} // namespace strumkin::artwork
