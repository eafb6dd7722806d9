// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

#include <QImage>

namespace strumkin::forms {

// A picture box ("picturebox": the picture at its own size from the top-left
// corner, on its background colour, optionally sizing itself to the picture)
// or an image ("image": transparent, the picture stretched to its box or the
// box sized to the picture).
class Picture final : public Kinded<Picture> {
public:
    Picture(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] const QImage &picture() const { return m_picture; }
    [[nodiscard]] bool isImage() const { return m_isImage; }
    [[nodiscard]] bool stretch() const { return m_stretch; }
    [[nodiscard]] bool border() const { return m_border; }
    // The picture's own size on screen: its pixels at the designs' resolution.
    [[nodiscard]] QSizeF ownPixels() const;
    void click();
    // A picture box is pressed like a button; an image only shows.
    [[nodiscard]] AccessibleFacts accessibleFacts() const override;
    void paintOnto(QPainter &painter, const QPointF &origin, double scaleX,
                   double scaleY) const override;

    [[nodiscard]] static const PropertyTable<Picture> &properties();

private:
    [[nodiscard]] QSizeF ownUnits() const;
    void fit();

    QImage m_picture;
    bool m_isImage;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_border = false;
};

} // namespace strumkin::forms
