#pragma once

#include "lessons/placedletters.h"

namespace strumkin::lessons {

class DiagramLabel;

// A row of string names ("E A D G B E") under a chord diagram: each letter
// of the caption, low E first, is centred under its string of the diagram
// that Diagram names, wherever the font's blanks would have put it, so the
// names stay under their strings in any font and when the window grows.
// Without such a diagram, or with another number of letters, it draws as a
// plain label.
class StringNames final : public PlacedLetters {
public:
    using PlacedLetters::PlacedLetters;

    void paint(QPainter &painter, const QRectF &box) const override;

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;
    [[nodiscard]] std::vector<Placed> placed() const override;

private:
    QString m_diagram;
};

} // namespace strumkin::lessons
