// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/placedletters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace strumkin::lessons {

QStringList PlacedLetters::letters() const
{
    QStringList letters;
    for (const QChar c : caption()) {
        if (!c.isSpace())
            letters << QString(c);
    }
    return letters;
}

void PlacedLetters::paintLetters(QPainter &painter, const QRectF &box,
                                 const std::vector<Placed> &letters) const
{
    const double scale = box.width() / std::max(1, widget()->width());
    painter.setFont(widget()->font());
    painter.setPen(widget()->palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const Placed &p : letters) {
        painter.drawText(
            QPointF(box.left() + p.centre * scale - metrics.horizontalAdvance(p.letter) / 2,
                    box.top() + metrics.ascent()),
            p.letter);
    }
}

std::vector<forms::TextLayout> PlacedLetters::textLayouts() const
{
    const std::vector<Placed> letters = placed();
    if (letters.empty())
        return Label::textLayouts();
    std::vector<forms::TextLayout> layouts;
    for (const Placed &p : letters) {
        // Centred on its place in the widest box the label has either side
        // of it: ink past that box is ink past the label's nearer edge.
        const double room = std::min(p.centre, widget()->width() - p.centre);
        const int left = static_cast<int>(std::lround(p.centre - room));
        const int width = static_cast<int>(std::lround(p.centre + room)) - left;
        layouts.push_back({p.letter, QRect(left, 0, std::max(0, width), widget()->height()),
                           Qt::AlignHCenter | Qt::AlignTop, widget()->font()});
    }
    return layouts;
}

} // namespace strumkin::lessons
