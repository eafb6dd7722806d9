#include "lessons/stringnames.h"

#include "forms/form.h"
#include "forms/units.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/voicing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace strumkin::lessons {

StringNames::StringNames(forms::Form &form, QString kind, QString name, forms::Control *container)
    : Label(form, std::move(kind), std::move(name), container)
{}

std::vector<StringNames::Placed> StringNames::placed() const
{
    const auto *diagram = form().controlAs<DiagramLabel>(m_diagram);
    if (diagram == nullptr)
        return {};
    std::vector<QChar> letters;
    for (const QChar c : caption()) {
        if (!c.isSpace())
            letters.push_back(c);
    }
    if (letters.size() != StringCount)
        return {};
    // Where the diagram's glyph stands, and this label, in the window's
    // pixels; the glyph's em is its font's size on the same screen.
    const forms::Scale scale = form().scale();
    const double pixelsPerUnit = scale.twipsPerUnitX * form().dpiX() / forms::TwipsPerInch;
    const double glyph = (diagram->geometry().left() + diagram->drift().x()) * pixelsPerUnit;
    const QWidget &names = *widget();
    const double em =
        diagram->widget()->font().pointSizeF() * diagram->widget()->logicalDpiY() / 72.0;
    std::vector<Placed> placed;
    for (int string = 0; string < StringCount; ++string) {
        const QString letter(letters[static_cast<std::size_t>(string)]);
        const double centre = glyph + diagram::stringX(string) * em - names.x();
        placed.push_back({letter, centre});
    }
    return placed;
}

void StringNames::paint(QPainter &painter, const QRectF &box) const
{
    const std::vector<Placed> letters = placed();
    if (letters.empty()) {
        Label::paint(painter, box);
        return;
    }
    // The box is the widget's on screen, the label's place on paper.
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

std::vector<forms::TextLayout> StringNames::textLayouts() const
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

std::optional<QVariant> StringNames::read(const QString &p) const
{
    if (p == QLatin1String("Diagram"))
        return m_diagram;
    return Label::read(p);
}

bool StringNames::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Diagram")) {
        m_diagram = value.toString();
        widget()->update();
        return true;
    }
    return Label::write(p, value);
}

} // namespace strumkin::lessons
