// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/diagramlabel.h"

#include "forms/eventwatch.h"
#include "forms/form.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagrampainting.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace strumkin::lessons {

namespace {

using namespace diagram;

// Room on screen around the glyph's box, in pixels, for strokes put on whole
// pixels and their smoothed edges.
constexpr int Pad = 2;

// How far to move a span [from, to) so that it lies within [0, size): not at
// all when it does, to the start when it is longer than that.
int shiftInto(int from, int to, int size)
{
    int shift = 0;
    if (to > size)
        shift = size - to;
    if (from + shift < 0)
        shift = -from;
    return shift;
}

} // namespace

DiagramLabel::DiagramLabel(forms::Form &form, QString kind, QString name, forms::Control *container)
    : Kinded(form, std::move(kind), std::move(name), container)
{}

const Voicing *DiagramLabel::voicing() const
{
    if (caption().size() != 1)
        return nullptr;
    return voicingFor(caption().front());
}

QSize DiagramLabel::naturalSize() const
{
    const double em = widget()->font().pointSizeF() * widget()->logicalDpiY() / 72.0;
    // Rounded up: a box a fraction short would clip the diagram's last pixels.
    return {static_cast<int>(std::ceil(BoxWidth * em - 1e-9)),
            static_cast<int>(std::ceil(BoxHeight * em - 1e-9))};
}

void DiagramLabel::applyGeometry()
{
    place();
}

void DiagramLabel::leaderMoved()
{
    place();
}

void DiagramLabel::place()
{
    QWidget *w = widget();
    const QSize glyph = naturalSize();
    QRect box(toPixels(QRectF(geometry().topLeft() + drift(), QSizeF())).topLeft(), glyph);
    // Where the area cannot hold the glyph where its labels put it, the
    // window's edge would cut it: it moves in, as little as keeps it whole,
    // and shows its top left where the area is smaller than the drawing.
    const QWidget *area = w->parentWidget();
    if (area != nullptr && !area->size().isEmpty()) {
        const double em = w->font().pointSizeF() * w->logicalDpiY() / 72.0;
        const int inkTop = box.top() + static_cast<int>(std::floor(InkTop * em));
        box.translate(shiftInto(box.left(), box.left() + glyph.width(), area->width()),
                      shiftInto(inkTop, box.top() + glyph.height(), area->height()));
    }
    w->setGeometry(box.adjusted(-Pad, -Pad, Pad, Pad));
}

void DiagramLabel::loaded()
{
    m_acrossLabel = form().control(m_across);
    m_downLabel = form().control(m_down);
    const auto gap = [this](const forms::Control *other, bool across) {
        if (other == nullptr)
            return 0.0;
        return across ? other->geometry().left() - geometry().left()
                      : other->geometry().top() - geometry().top();
    };
    m_designGap = QPointF(gap(m_acrossLabel, true), gap(m_downLabel, false));
    // The labels may be moved after this one while the window is resized.
    for (forms::Control *c : {m_acrossLabel, m_downLabel}) {
        if (c != nullptr)
            c->addFollower(*this);
    }
    if (QWidget *area = widget()->parentWidget())
        m_areaWatcher =
            std::make_unique<forms::EventWatch>(*area, QEvent::Resize, [this] { place(); });
    place();
}

QPointF DiagramLabel::drift() const
{
    QPointF drift;
    if (m_acrossLabel != nullptr)
        drift.setX(m_acrossLabel->geometry().left() - geometry().left() - m_designGap.x());
    if (m_downLabel != nullptr)
        drift.setY(m_downLabel->geometry().top() - geometry().top() - m_designGap.y());
    return drift;
}

const forms::PropertyTable<DiagramLabel> &DiagramLabel::properties()
{
    // The two labels it lines up with: "finger row,fret marker"; and, for
    // whoever plays the chord, its frets from low E, -1 for a muted string.
    static const forms::PropertyTable<DiagramLabel> table{
        {"Frets", forms::Takes::text(),
         [](const DiagramLabel &d) {
             QStringList frets;
             for (const int fret : d.voicing()->frets)
                 frets << QString::number(fret);
             return frets.join(QLatin1Char(' '));
         },
         nullptr, [](const DiagramLabel &d) { return d.voicing() != nullptr; },
         forms::Property<DiagramLabel>::Design::MayNot},
        {"Anchor", forms::Takes::text(),
         [](const DiagramLabel &d) { return d.m_across + QLatin1Char(',') + d.m_down; },
         [](DiagramLabel &d, const QVariant &value) {
             const QStringList names = value.toString().split(QLatin1Char(','));
             if (names.size() != 2)
                 return false;
             d.m_across = names.front().trimmed();
             d.m_down = names.back().trimmed();
             return true;
         }},
    };
    return table;
}

forms::AccessibleFacts DiagramLabel::accessibleFacts() const
{
    const Voicing *shape = voicing();
    if (shape == nullptr)
        return {QAccessible::Graphic, {}, {}, true, {}};
    const QChar letter = caption().front();
    const QString chord = QStringLiteral("%1 %2").arg(
        letter.toUpper(), letter.isLower() ? QLatin1String("major") : QLatin1String("minor"));
    QList<int> fingers;
    if (const auto *row = dynamic_cast<const forms::Label *>(m_acrossLabel)) {
        for (const QChar c : row->caption()) {
            if (c.isDigit())
                fingers << c.digitValue();
        }
    }
    return {QAccessible::Graphic,
            QStringLiteral("%1 chord diagram").arg(chord),
            describeFingering(*shape, fingers),
            false,
            {}};
}

void DiagramLabel::paint(QPainter &painter, const QRectF &given) const
{
    const Voicing *shape = voicing();
    if (shape == nullptr)
        return;
    // On screen the widget is placed around the glyph, where it stands.
    const QRectF box = painter.device() == widget() ? given.adjusted(Pad, Pad, -Pad, -Pad) : given;
    paintDiagram(painter, *shape, box.topLeft(), widget()->font().pointSizeF(),
                 widget()->palette().color(QPalette::WindowText));
}

} // namespace strumkin::lessons
