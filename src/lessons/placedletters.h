// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/label.h"

#include <QStringList>

#include <vector>

namespace strumkin::lessons {

// A label whose caption's letters each stand centred on a place of their own
// (under a string, over a button), not where the font's blanks put them, so
// they stay there in any font and when the window grows.
class PlacedLetters : public forms::Label {
public:
    using Label::Label;

    [[nodiscard]] std::vector<forms::TextLayout> textLayouts() const override;

protected:
    struct Placed {
        QString letter;
        // Centre of the letter's advance, in the label's pixels.
        double centre;
    };
    // The letters at their places; empty where the label draws as a plain one.
    [[nodiscard]] virtual std::vector<Placed> placed() const = 0;
    // The caption's letters, blanks left out.
    [[nodiscard]] QStringList letters() const;
    // Draws the letters; the box is the widget's on screen, the label's own
    // place on paper.
    void paintLetters(QPainter &painter, const QRectF &box,
                      const std::vector<Placed> &letters) const;
};

} // namespace strumkin::lessons
