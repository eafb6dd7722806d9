#include "guitar.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace strumkin::artwork {

namespace {

const QColor Ivory(0xf3, 0xe6, 0xc9);
const QColor DarkEdge(0x2a, 0x12, 0x08);
const QColor Mahogany(0x7a, 0x3e, 0x18);
const QColor Rosewood(0x3b, 0x24, 0x17);
const QColor FretSilver(0xd8, 0xd8, 0xd8);
const QColor Pearl(0xf2, 0xef, 0xe6);

// Where the strings cross the nut and the saddle.
constexpr qreal NutY = 150;
constexpr qreal SaddleY = 858;
constexpr qreal NutSpread = 24;
constexpr qreal BridgeSpread = 36;

QPainterPath bodyPath()
{
    QPainterPath path;
    path.moveTo(0, 535);
    path.cubicTo(80, 535, 150, 560, 150, 610);
    path.cubicTo(150, 655, 112, 670, 112, 700);
    path.cubicTo(112, 740, 195, 750, 195, 830);
    path.cubicTo(195, 930, 110, 1000, 0, 1000);
    path.cubicTo(-110, 1000, -195, 930, -195, 830);
    path.cubicTo(-195, 750, -112, 740, -112, 700);
    path.cubicTo(-112, 670, -150, 655, -150, 610);
    path.cubicTo(-150, 560, -80, 535, 0, 535);
    path.closeSubpath();
    return path;
}

QPainterPath headstockPath()
{
    QPainterPath path;
    path.moveTo(-32, NutY);
    path.lineTo(-50, 45);
    path.quadTo(-53, 8, -30, 6);
    path.quadTo(0, 20, 30, 6);
    path.quadTo(53, 8, 50, 45);
    path.lineTo(32, NutY);
    path.closeSubpath();
    return path;
}

QPainterPath neckPath(qreal half, qreal halfAtBody, qreal end)
{
    QPainterPath path;
    path.moveTo(-half, NutY);
    path.lineTo(half, NutY);
    path.lineTo(halfAtBody, end);
    path.lineTo(-halfAtBody, end);
    path.closeSubpath();
    return path;
}

// Fret wire n of a scale from the nut to the saddle.
qreal fretY(int n)
{
    return NutY + (SaddleY - NutY) * (1.0 - std::pow(2.0, -n / 12.0));
}

qreal fretboardHalfWidth(qreal y)
{
    return 28 + (y - NutY) / (620 - NutY) * 7;
}

qreal stringAt(int string, qreal y)
{
    const qreal t = (y - NutY) / (SaddleY - NutY);
    const qreal spread = NutSpread + (BridgeSpread - NutSpread) * t;
    return -spread + string * spread * 2 / 5;
}

// Tuner post of each string: bass strings on the left, the outer strings
// nearest the nut.
QPointF postOf(int string)
{
    if (string < 3)
        return {-31, 122 - 40.0 * string};
    return {31, 122 - 40.0 * (5 - string)};
}

void drawTuners(QPainter &painter)
{
    for (int string = 0; string < 6; ++string) {
        const QPointF post = postOf(string);
        const qreal side = post.x() < 0 ? -1 : 1;
        // Shaft and key outside the headstock.
        painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 7, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(side * 48, post.y()), QPointF(side * 72, post.y()));
        QLinearGradient key(QPointF(0, post.y() - 9), QPointF(0, post.y() + 9));
        key.setColorAt(0, QColor(0xfa, 0xf4, 0xe4));
        key.setColorAt(1, QColor(0xc8, 0xb8, 0x98));
        painter.setPen(QPen(QColor(0x6a, 0x5a, 0x40), 2));
        painter.setBrush(key);
        painter.drawRoundedRect(QRectF(side > 0 ? 68 : -92, post.y() - 10, 24, 20), 8, 8);
        // Housing on the edge.
        painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
        painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
        painter.drawRoundedRect(QRectF(side > 0 ? 44 : -56, post.y() - 8, 12, 16), 3, 3);
    }
}

void drawPosts(QPainter &painter)
{
    for (int string = 0; string < 6; ++string) {
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
        painter.setBrush(QColor(0xe8, 0xe8, 0xe8));
        painter.drawEllipse(postOf(string), 7, 7);
    }
}

void drawGuitarStrings(QPainter &painter)
{
    for (int string = 0; string < 6; ++string) {
        const qreal width = 4.2 - string * 0.45;
        const QColor colour = string < 4 ? QColor(0xe8, 0xc8, 0x88) : QColor(0xf0, 0xf0, 0xf0);
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        const QPointF bridge(stringAt(string, SaddleY + 16), SaddleY + 16);
        const QPointF saddle(stringAt(string, SaddleY), SaddleY);
        const QPointF nut(stringAt(string, NutY), NutY);
        painter.drawLine(bridge, saddle);
        painter.drawLine(saddle, nut);
        painter.drawLine(nut, postOf(string));
    }
}

} // namespace

QRectF acousticGuitarBounds()
{
    return QRectF(-200, 0, 400, 1005);
}

QPainterPath acousticGuitarSilhouette()
{
    QPainterPath path = bodyPath();
    path = path.united(neckPath(34, 38, 600));
    path = path.united(headstockPath());
    return path;
}

void drawAcousticGuitar(QPainter &painter)
{
    painter.save();

    // The tuner keys stick out behind the headstock.
    drawTuners(painter);

    // Headstock with a dark face and a lighter rim.
    QLinearGradient face(QPointF(-50, 0), QPointF(50, 0));
    face.setColorAt(0, QColor(0x3a, 0x22, 0x14));
    face.setColorAt(0.45, QColor(0x5a, 0x36, 0x20));
    face.setColorAt(1, QColor(0x2a, 0x18, 0x0e));
    painter.setPen(QPen(DarkEdge, 4));
    painter.setBrush(face);
    painter.drawPath(headstockPath());

    // Neck, then the body over the heel.
    painter.setPen(QPen(DarkEdge, 3));
    painter.setBrush(Mahogany);
    painter.drawPath(neckPath(33, 38, 600));

    QRadialGradient burst(QPointF(0, 770), 280);
    burst.setColorAt(0, QColor(0xf8, 0xd0, 0x78));
    burst.setColorAt(0.45, QColor(0xe8, 0xa0, 0x40));
    burst.setColorAt(0.75, QColor(0xb0, 0x58, 0x1e));
    burst.setColorAt(1, QColor(0x50, 0x20, 0x0a));
    const QPainterPath body = bodyPath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(burst);
    painter.drawPath(body);
    // Binding: a dark edge with a cream line inside it.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(DarkEdge, 10));
    painter.drawPath(body);
    painter.setPen(QPen(Ivory, 4));
    painter.drawPath(body);

    // Soundhole and rosette.
    const QPointF hole(0, 680);
    painter.setPen(QPen(QColor(0x3a, 0x20, 0x10), 8));
    painter.setBrush(QColor(0x1a, 0x0d, 0x06));
    painter.drawEllipse(hole, 52, 52);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ivory, 3));
    painter.drawEllipse(hole, 60, 60);
    painter.drawEllipse(hole, 70, 70);
    painter.setPen(QPen(QColor(0x6a, 0x32, 0x14), 4));
    painter.drawEllipse(hole, 65, 65);

    // Pickguard below and right of the soundhole.
    QPainterPath guard;
    guard.moveTo(46, 722);
    guard.cubicTo(80, 736, 104, 764, 100, 804);
    guard.cubicTo(96, 842, 50, 840, 34, 806);
    guard.cubicTo(24, 784, 30, 748, 46, 722);
    painter.setPen(QPen(QColor(0x2a, 0x0c, 0x04), 2));
    painter.setBrush(QColor(0x4a, 0x1a, 0x08, 220));
    painter.drawPath(guard);

    // Bridge with saddle and pins.
    painter.setPen(QPen(QColor(0x12, 0x08, 0x04), 2));
    painter.setBrush(QColor(0x2e, 0x1a, 0x10));
    painter.drawRoundedRect(QRectF(-78, SaddleY - 14, 156, 40), 14, 14);
    painter.setPen(QPen(Ivory, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-44, SaddleY), QPointF(44, SaddleY));

    // Fretboard over the neck, ending at the soundhole.
    QPainterPath board;
    board.moveTo(-fretboardHalfWidth(NutY), NutY);
    board.lineTo(fretboardHalfWidth(NutY), NutY);
    board.lineTo(fretboardHalfWidth(622), 622);
    board.lineTo(-fretboardHalfWidth(622), 622);
    board.closeSubpath();
    painter.setPen(QPen(QColor(0x1a, 0x0e, 0x08), 2));
    painter.setBrush(Rosewood);
    painter.drawPath(board);
    for (int fret = 1; fretY(fret) < 618; ++fret) {
        const qreal y = fretY(fret);
        const qreal half = fretboardHalfWidth(y);
        painter.setPen(QPen(FretSilver, 3.5));
        painter.drawLine(QPointF(-half, y), QPointF(half, y));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Pearl);
    for (const int fret : {3, 5, 7, 9, 15})
        painter.drawEllipse(QPointF(0, (fretY(fret - 1) + fretY(fret)) / 2), 6, 6);
    const qreal twelfth = (fretY(11) + fretY(12)) / 2;
    painter.drawEllipse(QPointF(-13, twelfth), 5.5, 5.5);
    painter.drawEllipse(QPointF(13, twelfth), 5.5, 5.5);
    // Nut.
    painter.setPen(QPen(QColor(0x8a, 0x7a, 0x5a), 1.5));
    painter.setBrush(Ivory);
    painter.drawRect(QRectF(-31, NutY - 6, 62, 10));

    drawPosts(painter);
    drawGuitarStrings(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ivory);
    for (int string = 0; string < 6; ++string)
        painter.drawEllipse(QPointF(stringAt(string, SaddleY + 16), SaddleY + 16), 4.5, 4.5);

    // A soft gloss on the upper left of the top.
    QRadialGradient gloss(QPointF(-80, 640), 120);
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.setClipPath(body);
    painter.drawEllipse(QPointF(-80, 640), 120, 120);

    painter.restore();
}

qreal Neck::stringX(int string) const
{
    return left + stringInset + (right - left - 2 * stringInset) * string / 5.0;
}

qreal Neck::fretMiddle(int fret) const
{
    const qreal above = fret <= 1 ? nut : frets.value(fret - 2);
    return (above + frets.value(fret - 1)) / 2;
}

void drawStrings(QPainter &painter, const Neck &neck, qreal top, qreal bottom)
{
    for (int string = 0; string < 6; ++string) {
        const qreal x = neck.stringX(string);
        const qreal width = (neck.right - neck.left) * (0.045 - string * 0.005);
        const QColor colour = string < 4 ? QColor(0xe0, 0xbe, 0x80) : QColor(0xf2, 0xf2, 0xf2);
        painter.setPen(QPen(QColor(0, 0, 0, 70), width + 1.2));
        painter.drawLine(QPointF(x + 0.8, top), QPointF(x + 0.8, bottom));
        painter.setPen(QPen(colour, width));
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
}

void drawNeck(QPainter &painter, const Neck &neck)
{
    const qreal width = neck.right - neck.left;
    const QRectF board(neck.left, neck.top, width, neck.bottom - neck.top);
    QLinearGradient wood(board.topLeft(), board.topRight());
    wood.setColorAt(0, QColor(0x2e, 0x1a, 0x10));
    wood.setColorAt(0.5, QColor(0x4a, 0x2c, 0x1a));
    wood.setColorAt(1, QColor(0x2e, 0x1a, 0x10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wood);
    painter.drawRect(board);
    // Binding along both edges.
    painter.setBrush(Ivory);
    painter.drawRect(QRectF(neck.left - width * 0.03, neck.top, width * 0.03, board.height()));
    painter.drawRect(QRectF(neck.right, neck.top, width * 0.03, board.height()));

    // Inlay dots.
    painter.setBrush(Pearl);
    for (const int fret : {3, 5, 7, 9}) {
        if (fret <= neck.frets.size())
            painter.drawEllipse(QPointF((neck.left + neck.right) / 2, neck.fretMiddle(fret)),
                                width * 0.08, width * 0.08);
    }

    for (const qreal y : neck.frets) {
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), width * 0.055));
        painter.drawLine(QPointF(neck.left, y + width * 0.012),
                         QPointF(neck.right, y + width * 0.012));
        painter.setPen(QPen(FretSilver, width * 0.035));
        painter.drawLine(QPointF(neck.left, y), QPointF(neck.right, y));
    }
    if (neck.nut >= 0) {
        painter.setPen(QPen(QColor(0x8a, 0x7a, 0x5a), width * 0.015));
        painter.setBrush(Ivory);
        painter.drawRect(
            QRectF(neck.left - width * 0.03, neck.nut - width * 0.07, width * 1.06, width * 0.1));
    }
    drawStrings(painter, neck, neck.nut >= 0 ? neck.nut : neck.top, neck.bottom);
}

} // namespace strumkin::artwork
