// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/stringnames.h"

#include "forms/form.h"
#include "forms/units.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/voicing.h"

#include <QWidget>

namespace strumkin::lessons {

std::vector<StringNames::Placed> StringNames::placed() const
{
    const auto *diagram = form().controlAs<DiagramLabel>(m_diagram);
    if (diagram == nullptr)
        return {};
    const QStringList names = letters();
    if (names.size() != StringCount)
        return {};
    // Where the diagram's glyph stands, and this label, in the window's
    // pixels; the glyph's em is its font's size on the same screen.
    const double pixelsPerUnit = form().pixelsPerUnit().width();
    const double glyph = (diagram->geometry().left() + diagram->drift().x()) * pixelsPerUnit;
    const QWidget &label = *widget();
    const double em =
        diagram->widget()->font().pointSizeF() * diagram->widget()->logicalDpiY() / 72.0;
    std::vector<Placed> placed;
    for (int string = 0; string < StringCount; ++string) {
        const double centre = glyph + diagram::stringX(string) * em - label.x();
        placed.push_back({names.at(string), centre});
    }
    return placed;
}

void StringNames::paint(QPainter &painter, const QRectF &box) const
{
    const std::vector<Placed> letters = placed();
    if (letters.empty())
        Label::paint(painter, box);
    else
        paintLetters(painter, box, letters);
}

const forms::PropertyTable<StringNames> &StringNames::properties()
{
    static const forms::PropertyTable<StringNames> table{
        {"Diagram", forms::Takes::text(), [](const StringNames &s) { return s.m_diagram; },
         [](StringNames &s, const QVariant &value) {
             s.m_diagram = value.toString();
             s.widget()->update();
         }},
    };
    return table;
}

} // namespace strumkin::lessons
