// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"
#include "lessons/placedletters.h"

namespace strumkin::lessons {

class DiagramLabel;

// A row of string names ("E A D G B E") under a chord diagram: each letter
// of the caption, low E first, is centred under its string of the diagram
// that Diagram names, wherever the font's blanks would have put it, so the
// names stay under their strings in any font and when the window grows.
// Without such a diagram, or with another number of letters, it draws as a
// plain label.
class StringNames final : public forms::Kinded<StringNames, PlacedLetters> {
public:
    using Kinded::Kinded;

    [[nodiscard]] static const forms::PropertyTable<StringNames> &properties();

    void paint(QPainter &painter, const QRectF &box) const override;

protected:
    [[nodiscard]] std::vector<Placed> placed() const override;

private:
    QString m_diagram;
};

} // namespace strumkin::lessons
