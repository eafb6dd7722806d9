// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/diagrampainting.h"

#include "lessons/diagramgeometry.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace strumkin::lessons {

namespace {

using namespace diagram;

// Stroke weights and mark sizes, in ems.
constexpr double StringWeight = 0.0095;
constexpr double FretWeight = 0.0095;
constexpr double NutWeight = 0.034;
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

} // namespace

void paintDiagram(QPainter &painter, const Voicing &voicing, const QPointF &origin, double points,
                  const QColor &ink)
{
    const QPaintDevice *device = painter.device();
    if (device == nullptr || points <= 0)
        return;
    // The ems a glyph of this size has on this device: printer dots on paper,
    // widget pixels on screen.
    const Grid grid(painter, origin, points * device->logicalDpiY() / 72.0);

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
    for (int i = voicing.firstFret == 1 ? 1 : 0; i <= FretRows; ++i)
        painter.drawRect(QRectF(left, lineAt[i] - fret / 2, right - left, fret));
    // The nut grows upwards from where the top fret line would be, so the
    // first row keeps the height of the others.
    if (voicing.firstFret == 1) {
        const double nut = grid.weightY(NutWeight);
        painter.drawRect(QRectF(left, lineAt[0] + fret / 2 - nut, right - left, nut));
    }

    const double radius = DotRadius * grid.em();
    for (int i = 0; i < StringCount; ++i) {
        const int row = voicing.frets[i] - voicing.firstFret + 1;
        if (voicing.frets[i] <= Open || row < 1 || row > FretRows)
            continue;
        const QPointF centre(stringAt[i], (lineAt[row - 1] + lineAt[row]) / 2);
        painter.drawEllipse(centre, radius, radius);
    }

    if (voicing.barre.fret > 0) {
        // At the barred fret, over its dots, so that it reads as that fret.
        const int row = voicing.barre.fret - voicing.firstFret + 1;
        const double crown = lineAt[row - 1] + fret / 2 + grid.weightY(SlurClearance);
        drawSlur(painter, stringAt[voicing.barre.lowString], stringAt[voicing.barre.highString],
                 (lineAt[row - 1] + lineAt[row]) / 2, crown, grid.weightY(SlurWeight),
                 SlurTip * grid.em());
    }

    painter.setBrush(Qt::NoBrush);
    const double markY = grid.at(0, MarkY).y();
    for (int i = 0; i < StringCount; ++i) {
        if (voicing.frets[i] == Open) {
            painter.setPen(QPen(ink, RingWeight * grid.em()));
            const double r = RingRadius * grid.em();
            painter.drawEllipse(QPointF(stringAt[i], markY), r, r);
        } else if (voicing.frets[i] == Muted) {
            painter.setPen(QPen(ink, CrossWeight * grid.em(), Qt::SolidLine, Qt::RoundCap));
            const double d = CrossHalf * grid.em();
            const QPointF c(stringAt[i], markY);
            painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            painter.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        }
    }

    const QString position = positionLabel(voicing);
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
