#pragma once

#include <QImage>

namespace strumkin::artwork {

// A 128 x 128 dark red and orange flame texture whose left and right edges,
// and top and bottom edges, join without a seam, so that it tiles.
QImage flameTile();

} // namespace strumkin::artwork
