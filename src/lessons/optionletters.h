// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"
#include "lessons/placedletters.h"

#include <QStringList>

namespace strumkin::lessons {

// A row of letters over a row of option buttons ("A B C D E F G"): each
// letter of the caption is centred over the round box of its button, the
// buttons named by Options in the letters' order, wherever the font's blanks
// would have put it. The letters keep their size when the window grows and
// move apart with their buttons. Without those buttons, or with another
// number of letters, it draws as a plain label in its designed place.
class OptionLetters final : public forms::Kinded<OptionLetters, PlacedLetters> {
public:
    using Kinded::Kinded;

    [[nodiscard]] static const forms::PropertyTable<OptionLetters> &properties();

    void paint(QPainter &painter, const QRectF &box) const override;
    void applyGeometry() override;

protected:
    [[nodiscard]] std::vector<Placed> placed() const override;

private:
    QStringList m_options;
};

} // namespace strumkin::lessons
