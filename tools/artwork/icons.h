#pragma once

#include "xpm.h"

#include <QImage>

// The window icons and button pictures, each drawn by one function. They are
// written as XPM files (text that is its own source and the shipped file).
namespace strumkin::artwork {

Icon trafficLightIcon();     // 32 x 32: welcome and title windows
Icon guitarFolderIcon();     // 32 x 32: a guitar in front of a yellow folder
Icon disketteIcon();         // 24 x 24: Save buttons
Icon printerIcon();          // 24 x 24: Print buttons
Icon stopIcon();             // 32 x 32: a red STOP sign
Icon tickIcon();             // 32 x 32: a black tick
Icon arrowRightIcon();       // 32 x 32: a black arrow pointing right
Icon ringsIcon();            // 32 x 32: yellow and red concentric rings
Icon greyArrowIcon(bool up); // 32 x 32: a grey arrow pointing down or up
Icon watchIcon();            // 32 x 32: a round watch face
Icon noteSheetIcon();        // 32 x 32: a lined note sheet
Icon questionMarkIcon();     // 23 x 34: a black question mark on white
Icon triangleDownIcon();     // 32 x 32: a grey triangle pointing down

// The same icon pressed in: moved one pixel right and down and darker.
Icon sunkenIcon(const Icon &icon);

} // namespace strumkin::artwork
