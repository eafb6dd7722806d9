// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "lessons/voicing.h"

#include <QColor>
#include <QPointF>

class QPainter;

namespace strumkin::lessons {

// Paints a voicing's fretboard diagram with the top-left of its box at an
// origin, in the painter's units: as large as a glyph of a font of that many
// points on the painter's device, in one colour. Lines land on whole device
// pixels where the device's axes are the painter's.
void paintDiagram(QPainter &painter, const Voicing &voicing, const QPointF &origin, double points,
                  const QColor &ink);

} // namespace strumkin::lessons
