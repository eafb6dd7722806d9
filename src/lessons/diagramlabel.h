#pragma once

#include "forms/label.h"
#include "lessons/voicing.h"

namespace strumkin::lessons {

// A label whose one-letter caption names a chord (lower case major, capital
// minor) and which shows that chord's fretboard diagram instead of the
// letter: sized from its font's point size as a glyph of that size would be,
// drawn in its text colour, vector-sharp on any device.
class DiagramLabel final : public forms::Label {
public:
    DiagramLabel(forms::Form &form, QString kind, QString name, forms::Control *container);

    // The chord the caption names; null for any other caption.
    [[nodiscard]] const Voicing *voicing() const;

    void paint(QPainter &painter, const QRectF &box) const override;
    // The glyph box, for any caption.
    [[nodiscard]] QSize naturalSize() const override;
};

} // namespace strumkin::lessons
