#include "pictures.h"

#include "canvas.h"
#include "glyphs.h"
#include "guitar.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace strumkin::artwork {

namespace {

constexpr int Detail = 4; // supersampling of the pictures

const QColor Skin(0xf4, 0xc4, 0x9c);
const QColor SkinShade(0xc8, 0x88, 0x5c);
const QColor SkinLight(0xfc, 0xdc, 0xbc);
const QColor SkinEdge(0x9a, 0x5c, 0x38);

// An eighth note, or two beamed ones, as a decoration.
void drawNote(QPainter &p, QPointF head, qreal size, const QColor &colour, bool pair)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const auto noteHead = [&](QPointF at) {
        p.save();
        p.translate(at);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), size * 0.62, size * 0.44);
        p.restore();
    };
    const qreal stem = size * 2.6;
    const QPointF top = head + QPointF(size * 0.55, -stem);
    noteHead(head);
    p.setPen(QPen(colour, size * 0.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(head + QPointF(size * 0.55, -size * 0.1), top);
    if (pair) {
        const QPointF second = head + QPointF(size * 1.9, size * 0.3);
        noteHead(second);
        const QPointF secondTop = second + QPointF(size * 0.55, -stem);
        p.drawLine(second + QPointF(size * 0.55, -size * 0.1), secondTop);
        p.setPen(QPen(colour, size * 0.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(top + QPointF(0, size * 0.2), secondTop + QPointF(0, size * 0.2));
    } else {
        QPainterPath flag;
        flag.moveTo(top);
        flag.cubicTo(top + QPointF(size * 0.2, size * 0.9), top + QPointF(size * 1.3, size * 0.9),
                     top + QPointF(size * 0.9, size * 2.0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, size * 0.28, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(flag);
    }
    p.restore();
}

// A rounded card with a soft vertical gradient on white; the three chord
// menu pictures share it, each in its own colour.
void drawCard(QPainter &p, QSizeF size, const QColor &top, const QColor &bottom,
              const QColor &border)
{
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    QLinearGradient fill(QPointF(0, 0), QPointF(0, size.height()));
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 9, 9);
}

void clipToCard(QPainter &p, QSizeF size)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(1.8, 1.8, size.width() - 3.6, size.height() - 3.6), 8.2, 8.2);
    p.setClipPath(card);
}

QList<qreal> fretPositions(qreal nut, qreal scale, int count)
{
    QList<qreal> frets;
    for (int n = 1; n <= count; ++n)
        frets.append(nut + scale * (1 - std::pow(2.0, -n / 12.0)));
    return frets;
}

// A finger dot of a chord chart with its finger number.
void drawFingerDot(QPainter &p, QPointF centre, qreal radius, int finger)
{
    QRadialGradient ball(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
    ball.setColorAt(0, QColor(0xff, 0x8c, 0x5a));
    ball.setColorAt(1, QColor(0xc8, 0x20, 0x10));
    p.setPen(QPen(Qt::white, radius * 0.18));
    p.setBrush(ball);
    p.drawEllipse(centre, radius, radius);
    const qreal scale = radius * 1.05 / 14;
    QTransform place;
    place.translate(centre.x() - 5 * scale, centre.y() - 7 * scale);
    place.scale(scale, scale);
    p.setPen(QPen(Qt::white, radius * 0.26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(place.map(digitStroke(finger)));
}

// A finger seen from the back, from its knuckle to its tip, pressing a string.
void drawFinger(QPainter &p, QPointF knuckle, QPointF tip, qreal width)
{
    const QLineF line(knuckle, tip);
    const QPointF along = (tip - knuckle) / line.length();
    const QPointF across(-along.y(), along.x());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SkinEdge, width + 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(knuckle, tip);
    p.setPen(QPen(Skin, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(knuckle, tip);
    // Light along the upper side.
    p.setPen(QPen(SkinLight, width * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(knuckle - across * width * 0.22, tip - across * width * 0.22 - along * width * 0.3);
    // Creases at the joints.
    p.setPen(QPen(SkinShade, width * 0.1, Qt::SolidLine, Qt::RoundCap));
    for (const qreal t : {0.38, 0.68}) {
        const QPointF at = knuckle + (tip - knuckle) * t;
        p.drawLine(at - across * width * 0.3, at + across * width * 0.3);
    }
    // The nail at the tip.
    p.save();
    p.translate(tip - along * width * 0.2);
    p.rotate(std::atan2(along.y(), along.x()) * 180 / std::numbers::pi);
    p.setPen(QPen(SkinShade, width * 0.08));
    p.setBrush(QColor(0xfc, 0xe4, 0xdc));
    p.drawRoundedRect(QRectF(-width * 0.5, -width * 0.3, width * 0.62, width * 0.6), width * 0.22,
                      width * 0.22);
    p.restore();
}

} // namespace

QImage guitarPicture()
{
    constexpr int W = 177, H = 153;
    // The guitar leans with its headstock to the upper right.
    QTransform lean;
    lean.rotate(42);
    QPainterPath extent = acousticGuitarSilhouette();
    extent.addRect(QRectF(-95, 0, 190, 150));
    const QRectF leaning = lean.map(extent).boundingRect();
    const QRectF target(4, 5, W - 8, H - 9);
    const qreal scale =
        std::min(target.width() / leaning.width(), target.height() / leaning.height());
    QTransform place;
    place.translate(target.center().x(), target.center().y());
    place.scale(scale, scale);
    place.translate(-leaning.center().x(), -leaning.center().y());
    const QTransform toPicture = lean * place;

    // A soft shadow of the guitar on the backdrop.
    QImage shadow = transparentImage(W, H);
    paintOn(shadow, true, [&](QPainter &p) {
        p.setTransform(toPicture * QTransform::fromTranslate(3, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 150));
        p.drawPath(acousticGuitarSilhouette());
    });
    shadow = shadow.scaled(W / 4, H / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 .scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    return supersampled(W, H, Detail, Qt::black, [&](QPainter &p) {
        // A stage: deep blue with a spotlight behind the guitar.
        QRadialGradient stage(QPointF(W * 0.5, H * 0.45), W * 0.75);
        stage.setColorAt(0, QColor(0x5a, 0x80, 0xd0));
        stage.setColorAt(0.5, QColor(0x26, 0x40, 0x88));
        stage.setColorAt(1, QColor(0x0a, 0x14, 0x38));
        p.fillRect(QRectF(0, 0, W, H), stage);
        const QColor note(0xc8, 0xdc, 0xff, 200);
        drawNote(p, QPointF(18, 40), 6.5, note, false);
        drawNote(p, QPointF(34, 24), 4.5, QColor(0xc8, 0xdc, 0xff, 150), true);
        drawNote(p, QPointF(138, 132), 6.0, note, true);
        drawNote(p, QPointF(160, 108), 4.0, QColor(0xc8, 0xdc, 0xff, 150), false);
        p.drawImage(QRectF(0, 0, W, H), shadow);
        p.setTransform(toPicture, true);
        drawAcousticGuitar(p);
    });
}

QImage chordNeckPicture()
{
    constexpr int W = 92, H = 269;
    return supersampled(W, H, Detail, Qt::white, [&](QPainter &p) {
        drawCard(p, QSizeF(W, H), QColor(0xea, 0xf3, 0xff), QColor(0xc6, 0xdc, 0xfa),
                 QColor(0x7a, 0xa2, 0xd8));
        // The chord's name in a badge: a C drawn as an open ring.
        p.setPen(QPen(QColor(0xa0, 0x30, 0x10), 1));
        p.setBrush(QColor(0xf0, 0x70, 0x20));
        p.drawEllipse(QPointF(W / 2.0, 18), 12, 12);
        p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(W / 2.0 - 6.5, 11.5, 13, 13), 45 * 16, 270 * 16);

        clipToCard(p, QSizeF(W, H));
        Neck neck;
        neck.left = 19;
        neck.right = 73;
        neck.top = 50;
        neck.bottom = H;
        neck.nut = 52;
        neck.frets = fretPositions(neck.nut, 840, 6);
        neck.stringInset = 5;
        drawNeck(p, neck);

        // C major: low E muted, A 3rd fret, D 2nd, G open, B 1st, high E open.
        const int frets[6] = {-1, 3, 2, 0, 1, 0};
        const int fingers[6] = {0, 3, 2, 0, 1, 0};
        for (int string = 0; string < 6; ++string) {
            const qreal x = neck.stringX(string);
            if (frets[string] < 0) {
                p.setPen(QPen(QColor(0xc0, 0x20, 0x10), 2.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(x - 3.5, 37.5), QPointF(x + 3.5, 44.5));
                p.drawLine(QPointF(x + 3.5, 37.5), QPointF(x - 3.5, 44.5));
            } else if (frets[string] == 0) {
                p.setPen(QPen(QColor(0x20, 0x40, 0x80), 1.8));
                p.setBrush(Qt::white);
                p.drawEllipse(QPointF(x, 41), 3.8, 3.8);
            } else {
                const qreal above = frets[string] == 1 ? neck.nut : neck.frets[frets[string] - 2];
                const qreal below = neck.frets[frets[string] - 1];
                drawFingerDot(p, QPointF(x, above + (below - above) * 0.6), 7.6, fingers[string]);
            }
        }
    });
}

QImage handPicture()
{
    constexpr int W = 98, H = 246;
    return supersampled(W, H, Detail, Qt::white, [&](QPainter &p) {
        drawCard(p, QSizeF(W, H), QColor(0xff, 0xf8, 0xe0), QColor(0xff, 0xe4, 0xa8),
                 QColor(0xe0, 0xb0, 0x50));
        clipToCard(p, QSizeF(W, H));

        Neck neck;
        neck.left = 42;
        neck.right = 90;
        neck.top = 0;
        neck.bottom = H;
        neck.nut = 16;
        neck.frets = fretPositions(neck.nut, 860, 7);
        neck.stringInset = 4.5;

        // The back of the hand lies behind the neck, the wrist goes down to
        // the left, into a sleeve.
        QPainterPath palm;
        palm.moveTo(neck.left + 2, 42);
        palm.cubicTo(32, 38, 18, 46, 15, 72);
        palm.cubicTo(11, 112, 16, 165, 8, 214);
        palm.lineTo(44, 218);
        palm.cubicTo(44, 194, 46, 174, neck.left + 2, 160);
        palm.closeSubpath();
        QLinearGradient palmShade(QPointF(8, 0), QPointF(neck.left, 0));
        palmShade.setColorAt(0, SkinShade);
        palmShade.setColorAt(0.6, Skin);
        palmShade.setColorAt(1, Skin);
        p.setPen(QPen(SkinEdge, 1.4));
        p.setBrush(palmShade);
        p.drawPath(palm);
        QPainterPath sleeve;
        sleeve.moveTo(-12, 206);
        sleeve.quadTo(20, 196, 50, 210);
        sleeve.lineTo(50, 250);
        sleeve.lineTo(-12, 250);
        sleeve.closeSubpath();
        QLinearGradient cuff(QPointF(0, 0), QPointF(48, 0));
        cuff.setColorAt(0, QColor(0x20, 0x50, 0xa8));
        cuff.setColorAt(1, QColor(0x48, 0x80, 0xe0));
        p.setPen(QPen(QColor(0x10, 0x2a, 0x60), 1.4));
        p.setBrush(cuff);
        p.drawPath(sleeve);
        p.setPen(QPen(QColor(0x80, 0xb0, 0xf0), 2));
        p.drawLine(QPointF(-4, 214), QPointF(44, 220));

        drawNeck(p, neck);

        // C major again: index finger on the B string at the 1st fret,
        // middle on the D string at the 2nd, ring on the A string at the
        // 3rd; the little finger rests beside the 4th. The fingers come over
        // the bass edge of the neck from the hand behind it.
        const auto tipAt = [&](int string, int fret) {
            const qreal above = fret == 1 ? neck.nut : neck.frets[fret - 2];
            const qreal below = neck.frets[fret - 1];
            return QPointF(neck.stringX(string), above + (below - above) * 0.62);
        };
        const qreal knuckle = neck.left - 7;
        drawFinger(p, QPointF(knuckle + 2, 148), QPointF(50, tipAt(0, 4).y() + 2), 10.5);
        drawFinger(p, QPointF(knuckle, 118), tipAt(1, 3), 11.5);
        drawFinger(p, QPointF(knuckle, 86), tipAt(2, 2), 12);
        drawFinger(p, QPointF(knuckle + 1, 56), tipAt(4, 1), 11.5);
    });
}

QImage headstockPicture()
{
    constexpr int W = 92, H = 263;
    return supersampled(W, H, Detail, Qt::white, [&](QPainter &p) {
        drawCard(p, QSizeF(W, H), QColor(0xec, 0xf9, 0xe6), QColor(0xc4, 0xea, 0xb8),
                 QColor(0x78, 0xb8, 0x64));
        clipToCard(p, QSizeF(W, H));

        const qreal nutY = 128;
        Neck neck;
        neck.left = 27;
        neck.right = 65;
        neck.top = nutY;
        neck.bottom = H;
        neck.nut = nutY;
        neck.frets = fretPositions(nutY, 700, 5);
        neck.stringInset = 4;

        const qreal postY[3] = {98, 66, 34};
        // Tuner keys and shafts outside the headstock.
        for (int side = -1; side <= 1; side += 2) {
            for (const qreal y : postY) {
                const qreal edge = W / 2.0 + side * 21;
                p.setPen(QPen(QColor(0x90, 0x90, 0x90), 3, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(QPointF(edge, y), QPointF(edge + side * 8, y));
                QLinearGradient key(QPointF(0, y - 6), QPointF(0, y + 6));
                key.setColorAt(0, QColor(0xfc, 0xf6, 0xe6));
                key.setColorAt(1, QColor(0xc8, 0xb4, 0x90));
                p.setPen(QPen(QColor(0x70, 0x60, 0x44), 1));
                p.setBrush(key);
                p.drawRoundedRect(QRectF(side < 0 ? edge - 20 : edge + 7, y - 6.5, 13, 13), 5, 5);
            }
        }
        // The headstock: wider at the top, with a crown cut into it.
        QPainterPath head;
        head.moveTo(W / 2.0 - 19, nutY + 2);
        head.lineTo(W / 2.0 - 23, 24);
        head.quadTo(W / 2.0 - 24, 8, W / 2.0 - 13, 8);
        head.quadTo(W / 2.0, 16, W / 2.0 + 13, 8);
        head.quadTo(W / 2.0 + 24, 8, W / 2.0 + 23, 24);
        head.lineTo(W / 2.0 + 19, nutY + 2);
        head.closeSubpath();
        QLinearGradient face(QPointF(W / 2.0 - 23, 0), QPointF(W / 2.0 + 23, 0));
        face.setColorAt(0, QColor(0x3a, 0x22, 0x14));
        face.setColorAt(0.45, QColor(0x6a, 0x40, 0x24));
        face.setColorAt(1, QColor(0x2e, 0x1a, 0x0e));
        p.setPen(QPen(QColor(0x1e, 0x10, 0x08), 1.5));
        p.setBrush(face);
        p.drawPath(head);
        // Housings on the edges, posts on the face.
        for (int side = -1; side <= 1; side += 2) {
            for (const qreal y : postY) {
                const qreal edge = W / 2.0 + side * 21;
                p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
                p.setBrush(QColor(0xc8, 0xc8, 0xc8));
                p.drawRoundedRect(QRectF(edge - 3, y - 5, 6, 10), 2, 2);
            }
        }
        // A little pick as the maker's mark.
        QPainterPath pick;
        pick.moveTo(W / 2.0, 22);
        pick.cubicTo(W / 2.0 + 8, 22, W / 2.0 + 8, 27, W / 2.0 + 6, 30);
        pick.cubicTo(W / 2.0 + 4, 34, W / 2.0 + 1, 38, W / 2.0, 38);
        pick.cubicTo(W / 2.0 - 1, 38, W / 2.0 - 4, 34, W / 2.0 - 6, 30);
        pick.cubicTo(W / 2.0 - 8, 27, W / 2.0 - 8, 22, W / 2.0, 22);
        p.setPen(QPen(QColor(0xa0, 0x30, 0x10), 0.8));
        p.setBrush(QColor(0xf0, 0x70, 0x20));
        p.drawPath(pick);

        drawNeck(p, neck);
        // Strings from the nut up to their posts.
        for (int string = 0; string < 6; ++string) {
            const bool bass = string < 3;
            const QPointF post(W / 2.0 + (bass ? -12 : 12), postY[bass ? string : 5 - string]);
            const qreal width = (neck.right - neck.left) * (0.045 - string * 0.005);
            const QColor colour = string < 4 ? QColor(0xe0, 0xbe, 0x80) : QColor(0xf2, 0xf2, 0xf2);
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(neck.stringX(string), nutY), post);
        }
        for (int side = -1; side <= 1; side += 2) {
            for (const qreal y : postY) {
                p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
                p.setBrush(QColor(0xec, 0xec, 0xec));
                p.drawEllipse(QPointF(W / 2.0 + side * 12, y), 3.2, 3.2);
            }
        }
    });
}

QImage infoPicture()
{
    return supersampled(24, 24, 8, Qt::white, [](QPainter &p) {
        QRadialGradient ball(QPointF(9, 8), 14);
        ball.setColorAt(0, QColor(0x7c, 0xb4, 0xff));
        ball.setColorAt(1, QColor(0x14, 0x4c, 0xb8));
        p.setPen(QPen(QColor(0x0e, 0x34, 0x80), 0.9));
        p.setBrush(ball);
        p.drawEllipse(QPointF(12, 12), 10.8, 10.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 6.9), 1.9, 1.9);
        p.drawRoundedRect(QRectF(10.3, 9.9, 3.4, 8.4), 1, 1);
        p.drawRoundedRect(QRectF(8.8, 16.8, 6.4, 1.8), 0.6, 0.6);
        p.drawRoundedRect(QRectF(8.8, 9.9, 4.0, 1.6), 0.6, 0.6);
    });
}

QImage applicationIcon()
{
    return supersampled(256, 256, 4, Qt::transparent, [](QPainter &p) {
        QPainterPath pick;
        pick.moveTo(128, 16);
        pick.cubicTo(192, 16, 242, 32, 240, 80);
        pick.cubicTo(238, 132, 172, 202, 142, 234);
        pick.cubicTo(134, 243, 122, 243, 114, 234);
        pick.cubicTo(84, 202, 18, 132, 16, 80);
        pick.cubicTo(14, 32, 64, 16, 128, 16);
        pick.closeSubpath();

        // Shadow under the pick.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawPath(QTransform::fromTranslate(4, 6).map(pick));

        QRadialGradient plastic(QPointF(104, 76), 190);
        plastic.setColorAt(0, QColor(0xff, 0x9c, 0x48));
        plastic.setColorAt(0.45, QColor(0xe8, 0x48, 0x18));
        plastic.setColorAt(1, QColor(0x90, 0x14, 0x06));
        p.setPen(QPen(QColor(0x5a, 0x0c, 0x04), 5));
        p.setBrush(plastic);
        p.drawPath(pick);

        // A lighter inner rim and a gloss on the upper left.
        QTransform inner;
        inner.translate(128, 110);
        inner.scale(0.9, 0.9);
        inner.translate(-128, -110);
        p.setPen(QPen(QColor(255, 255, 255, 70), 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(inner.map(pick));
        QPainterPath gloss;
        gloss.moveTo(52, 56);
        gloss.cubicTo(70, 34, 130, 28, 170, 36);
        gloss.cubicTo(130, 44, 90, 60, 62, 96);
        gloss.cubicTo(50, 86, 46, 68, 52, 56);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 80));
        p.drawPath(gloss);

        // The S, with a dark edge and a shadow so it stands out.
        QTransform letter;
        letter.translate(128 - 50 * 0.92, 112 - 70 * 0.92);
        letter.scale(0.92, 0.92);
        const QPainterPath s = letter.map(letterSStroke());
        p.setPen(QPen(QColor(0x40, 0x08, 0x00, 120), 30, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(QTransform::fromTranslate(3, 5).map(s));
        p.setPen(QPen(QColor(0x70, 0x10, 0x04), 29, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
        p.setPen(QPen(QColor(0xff, 0xfa, 0xf0), 22, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    });
}

} // namespace strumkin::artwork
