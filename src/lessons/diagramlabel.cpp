#include "lessons/diagramlabel.h"

#include "forms/eventwatch.h"
#include "forms/form.h"
#include "lessons/diagramgeometry.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>

namespace strumkin::lessons {

namespace {

using namespace diagram;

// Stroke weights and mark sizes, in ems.
constexpr double StringWeight = 0.0095;
constexpr double FretWeight = 0.0095;
constexpr double NutWeight = 0.034;
constexpr double RingRadius = 0.032;
constexpr double RingWeight = 0.0095;
constexpr double CrossHalf = 0.027;
constexpr double CrossWeight = 0.0105;
// The barre's slur lies in its own fret's row: its ends in the dots of the
// end strings, its crown this far below the fret line above, this thick at
// the crown and this thick at the ends.
constexpr double SlurClearance = 0.016;
constexpr double SlurWeight = 0.024;
constexpr double SlurTip = 0.007;
// The position label: sizes of its number and of "fr", its least gap after
// the last string's dots and its margin inside the box's right edge.
constexpr double NumberSize = 0.108;
constexpr double SuffixSize = 0.074;
constexpr double PositionGap = 0.007;
constexpr double PositionMargin = 0.002;
// Nothing of a diagram is drawn above the tops of its open-string circles.
constexpr double InkTop = MarkY - RingRadius - RingWeight;
// Room on screen around the glyph's box, in pixels, for strokes put on whole
// pixels and their smoothed edges.
constexpr int Pad = 2;

// Lays the diagram out on the painter's device pixels: at screen sizes a
// line a pixel wide straddling two pixels draws as a grey smear, so line
// edges are put on pixel boundaries whenever the device's axes are the
// painter's (on paper the shift is a fraction of a printer dot).
class Grid {
public:
    Grid(const QPainter &painter, const QPointF &origin, double em)
        : m_origin(origin), m_em(em), m_device(painter.deviceTransform()),
          m_snaps(m_device.type() <= QTransform::TxScale && m_device.m11() > 0 &&
                  m_device.m22() > 0)
    {}

    [[nodiscard]] double em() const { return m_em; }

    // A stroke weight in painter units, a whole number of device pixels.
    [[nodiscard]] double weightX(double ems) const { return weight(ems, m_device.m11()); }
    [[nodiscard]] double weightY(double ems) const { return weight(ems, m_device.m22()); }

    // The centre of a stroke of the given weight near a position in ems.
    [[nodiscard]] double x(double ems, double weight) const
    {
        return centre(m_origin.x() + ems * m_em, weight, m_device.m11(), m_device.dx());
    }
    [[nodiscard]] double y(double ems, double weight) const
    {
        return centre(m_origin.y() + ems * m_em, weight, m_device.m22(), m_device.dy());
    }
    // A point in ems, not snapped.
    [[nodiscard]] QPointF at(double xEms, double yEms) const
    {
        return m_origin + QPointF(xEms, yEms) * m_em;
    }

private:
    [[nodiscard]] double weight(double ems, double scale) const
    {
        const double units = ems * m_em;
        if (!m_snaps)
            return units;
        return std::max(1.0, std::round(units * scale)) / scale;
    }
    [[nodiscard]] double centre(double units, double weight, double scale, double offset) const
    {
        if (!m_snaps)
            return units;
        const double half = weight * scale / 2;
        const double edge = std::round(units * scale + offset - half);
        return (edge + half - offset) / scale;
    }

    QPointF m_origin;
    double m_em;
    QTransform m_device;
    bool m_snaps;
};

void drawSlur(QPainter &painter, double left, double right, double baseY, double crownY,
              double weight, double tip)
{
    // A slur as engravers cut it: a crescent, full at the crown and blunt,
    // not vanishing, at the ends.
    const auto curve = [&](QPainterPath &path, double from, double to, double endY, double topY) {
        // Controls a quarter in, lifted 4/3 of the rise, crown the curve at
        // exactly topY with shoulders fuller than a circle's.
        const double control = endY + (topY - endY) * 4.0 / 3.0;
        path.cubicTo(QPointF(from + (to - from) / 4, control),
                     QPointF(to - (to - from) / 4, control), QPointF(to, endY));
    };
    QPainterPath path(QPointF(left, baseY - tip));
    curve(path, left, right, baseY - tip, crownY);
    path.lineTo(right, baseY);
    curve(path, right, left, baseY, crownY + weight);
    path.closeSubpath();
    painter.drawPath(path);
}

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
    : Label(form, std::move(kind), std::move(name), container)
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

std::optional<QVariant> DiagramLabel::read(const QString &p) const
{
    if (p == QLatin1String("Anchor"))
        return m_across + QLatin1Char(',') + m_down;
    return Label::read(p);
}

bool DiagramLabel::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Anchor")) {
        const QStringList names = value.toString().split(QLatin1Char(','));
        if (names.size() != 2)
            return false;
        m_across = names.front().trimmed();
        m_down = names.back().trimmed();
        return true;
    }
    return Label::write(p, value);
}

void DiagramLabel::paint(QPainter &painter, const QRectF &given) const
{
    const Voicing *shape = voicing();
    const QPaintDevice *device = painter.device();
    const double points = widget()->font().pointSizeF();
    if (shape == nullptr || device == nullptr || points <= 0)
        return;
    // On screen the widget is placed around the glyph, where it stands.
    const QRectF box = device == widget() ? given.adjusted(Pad, Pad, -Pad, -Pad) : given;
    // The ems a glyph of this size has on this device: printer dots on paper,
    // widget pixels on screen.
    const Grid grid(painter, box.topLeft(), points * device->logicalDpiY() / 72.0);
    const QColor ink = widget()->palette().color(QPalette::WindowText);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);

    const double string = grid.weightX(StringWeight);
    const double fret = grid.weightY(FretWeight);
    double stringAt[StringCount];
    for (int i = 0; i < StringCount; ++i)
        stringAt[i] = grid.x(stringX(i), string);
    double lineAt[FretRows + 1];
    for (int i = 0; i <= FretRows; ++i)
        lineAt[i] = grid.y(fretLineY(i), fret);
    const double left = stringAt[0] - string / 2;
    const double right = stringAt[StringCount - 1] + string / 2;
    const double top = lineAt[0] - fret / 2;
    const double bottom = lineAt[FretRows] + fret / 2;

    for (const double x : stringAt)
        painter.drawRect(QRectF(x - string / 2, top, string, bottom - top));
    for (int i = shape->firstFret == 1 ? 1 : 0; i <= FretRows; ++i)
        painter.drawRect(QRectF(left, lineAt[i] - fret / 2, right - left, fret));
    // The nut grows upwards from where the top fret line would be, so the
    // first row keeps the height of the others.
    if (shape->firstFret == 1) {
        const double nut = grid.weightY(NutWeight);
        painter.drawRect(QRectF(left, lineAt[0] + fret / 2 - nut, right - left, nut));
    }

    const double radius = DotRadius * grid.em();
    for (int i = 0; i < StringCount; ++i) {
        const int row = shape->frets[i] - shape->firstFret + 1;
        if (shape->frets[i] <= Open || row < 1 || row > FretRows)
            continue;
        const QPointF centre(stringAt[i], (lineAt[row - 1] + lineAt[row]) / 2);
        painter.drawEllipse(centre, radius, radius);
    }

    if (shape->barre.fret > 0) {
        // At the barred fret, over its dots, so that it reads as that fret.
        const int row = shape->barre.fret - shape->firstFret + 1;
        const double crown = lineAt[row - 1] + fret / 2 + grid.weightY(SlurClearance);
        drawSlur(painter, stringAt[shape->barre.lowString], stringAt[shape->barre.highString],
                 (lineAt[row - 1] + lineAt[row]) / 2, crown, grid.weightY(SlurWeight),
                 SlurTip * grid.em());
    }

    painter.setBrush(Qt::NoBrush);
    const double markY = grid.at(0, MarkY).y();
    for (int i = 0; i < StringCount; ++i) {
        if (shape->frets[i] == Open) {
            painter.setPen(QPen(ink, RingWeight * grid.em()));
            const double r = RingRadius * grid.em();
            painter.drawEllipse(QPointF(stringAt[i], markY), r, r);
        } else if (shape->frets[i] == Muted) {
            painter.setPen(QPen(ink, CrossWeight * grid.em(), Qt::SolidLine, Qt::RoundCap));
            const double d = CrossHalf * grid.em();
            const QPointF c(stringAt[i], markY);
            painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            painter.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        }
    }

    const QString position = positionLabel(*shape);
    if (!position.isEmpty()) {
        // The fret number large, "fr" after it small, right-aligned in the
        // box beside the first row: the room past the last string is narrow.
        const qsizetype digits = position.size() - 2;
        const QString numberText = position.left(digits);
        const QString suffixText = position.mid(digits);
        QFont numberFont(QStringList{QStringLiteral("Nimbus Sans Narrow"),
                                     QStringLiteral("DejaVu Sans Condensed")});
        numberFont.setStyleHint(QFont::SansSerif);
        numberFont.setPointSizeF(points * NumberSize);
        QFont suffixFont = numberFont;
        suffixFont.setPointSizeF(points * SuffixSize);
        const QFontMetricsF numberMetrics(numberFont, device);
        const QFontMetricsF suffixMetrics(suffixFont, device);
        const double numberWidth = numberMetrics.horizontalAdvance(numberText);
        const double width = numberWidth + suffixMetrics.horizontalAdvance(suffixText);
        const double x = std::max(stringAt[StringCount - 1] + radius + PositionGap * grid.em(),
                                  grid.at(BoxWidth - PositionMargin, 0).x() - width);
        const double baseline = (lineAt[0] + lineAt[1]) / 2 + numberMetrics.capHeight() / 2;
        painter.setPen(ink);
        painter.setFont(numberFont);
        painter.drawText(QPointF(x, baseline), numberText);
        painter.setFont(suffixFont);
        painter.drawText(QPointF(x + numberWidth, baseline), suffixText);
    }
    painter.restore();
}

} // namespace strumkin::lessons
