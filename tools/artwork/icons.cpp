#include "icons.h"

#include "canvas.h"
#include "glyphs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace strumkin::artwork {

namespace {

constexpr QRgb opaque(QRgb rgb)
{
    return rgb | 0xff000000u;
}

bool isOpaque(const QImage &image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qAlpha(image.pixel(x, y)) >= 128;
}

// Sets every pixel whose centre satisfies `inside`.
template <typename Inside> void fillWhere(QImage &image, QRgb rgb, Inside inside)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inside(x + 0.5, y + 0.5))
                image.setPixel(x, y, opaque(rgb));
}

void fillPolygon(QImage &image, QRgb rgb, const QPolygonF &polygon)
{
    fillWhere(image, rgb, [&polygon](qreal x, qreal y) {
        return polygon.containsPoint(QPointF(x, y), Qt::OddEvenFill);
    });
}

void fillRect(QImage &image, QRgb rgb, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            image.setPixel(x, y, opaque(rgb));
}

// An outline of one pixel just inside the rectangle's edge.
void frameRect(QImage &image, QRgb rgb, int left, int top, int right, int bottom)
{
    fillRect(image, rgb, left, top, right, top);
    fillRect(image, rgb, left, bottom, right, bottom);
    fillRect(image, rgb, left, top, left, bottom);
    fillRect(image, rgb, right, top, right, bottom);
}

// Colours a flat shape like a raised button: the pixels on its upper and left
// edges light, those on its lower and right edges dark.
QImage bevelled(const QImage &shape, QRgb face, QRgb light, QRgb dark)
{
    QImage result = transparentImage(shape.width(), shape.height());
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            if (!isOpaque(shape, x, y))
                continue;
            QRgb rgb = face;
            if (!isOpaque(shape, x - 1, y) || !isOpaque(shape, x, y - 1))
                rgb = light;
            if (!isOpaque(shape, x + 1, y) || !isOpaque(shape, x, y + 1))
                rgb = dark;
            result.setPixel(x, y, opaque(rgb));
        }
    }
    return result;
}

QImage layered(int size, const QList<QImage> &layers)
{
    QImage image = transparentImage(size, size);
    for (const QImage &layer : layers)
        compose(image, layer);
    return image;
}

} // namespace

Icon trafficLightIcon()
{
    const Palette palette = {
        {'k', 0x000000}, {'d', 0x262626}, {'#', 0x444444}, {'l', 0x6e6e6e}, {'R', 0xff2418},
        {'r', 0x9a0000}, {'p', 0xffa8a0}, {'Y', 0xffe400}, {'y', 0x9a8200}, {'q', 0xfff8b8},
        {'G', 0x18d818}, {'g', 0x006a00}, {'e', 0xb0ffb0}, {'w', 0xffffff},
    };
    QImage image = transparentImage(32, 32);
    // The housing: a dark box with a lit left edge and a shaded right edge.
    fillRect(image, 0x444444, 11, 2, 20, 29);
    fillRect(image, 0x6e6e6e, 11, 2, 11, 29);
    fillRect(image, 0x262626, 20, 2, 20, 29);
    frameRect(image, 0x000000, 10, 1, 21, 30);
    for (const QPoint corner : {QPoint(10, 1), QPoint(21, 1), QPoint(10, 30), QPoint(21, 30)})
        image.setPixel(corner, 0);
    for (const QPoint corner : {QPoint(11, 2), QPoint(20, 2), QPoint(11, 29), QPoint(20, 29)})
        image.setPixel(corner, opaque(0x000000));

    struct Lamp {
        qreal centreY;
        QRgb base, dark, light;
    };
    const Lamp lamps[] = {
        {6.5, 0xff2418, 0x9a0000, 0xffa8a0},
        {16.0, 0xffe400, 0x9a8200, 0xfff8b8},
        {25.5, 0x18d818, 0x006a00, 0xb0ffb0},
    };
    for (const Lamp &lamp : lamps) {
        fillWhere(image, 0x000000, [&](qreal x, qreal y) {
            const qreal d = std::hypot(x - 16, y - lamp.centreY);
            return d <= 4.75 && d > 3.9;
        });
        for (int y = 0; y < 32; ++y) {
            for (int x = 11; x <= 20; ++x) {
                const qreal dx = x + 0.5 - 16, dy = y + 0.5 - lamp.centreY;
                const qreal d = std::hypot(dx, dy);
                if (d > 3.9)
                    continue;
                QRgb rgb = lamp.base;
                if (dx + dy > 2.4 || d > 3.3)
                    rgb = lamp.dark;
                const qreal spot = std::hypot(dx + 1.4, dy + 1.4);
                if (spot < 2.0)
                    rgb = lamp.light;
                if (spot < 0.9)
                    rgb = 0xffffff;
                image.setPixel(x, y, opaque(rgb));
            }
        }
    }
    return makeIcon(image, palette);
}

Icon guitarFolderIcon()
{
    const Palette palette = {
        {'k', 0x000000}, {'O', 0xa07010}, {'o', 0xc89820}, {'y', 0xf0d040},
        {'Y', 0xfff090}, {'R', 0xe88c34}, {'r', 0xb85c18}, {'q', 0x8a3e10},
        {'n', 0x5a3010}, {'N', 0x8a5424}, {'h', 0x201008}, {'s', 0xe8e8e8},
    };
    // Back of the folder with its tab.
    QImage back = transparentImage(32, 32);
    fillRect(back, 0xc89820, 3, 5, 11, 7);
    fillRect(back, 0xc89820, 3, 8, 28, 26);
    fillRect(back, 0xfff090, 3, 5, 11, 5);
    fillRect(back, 0xa07010, 12, 8, 28, 8);
    back = outlined(back, Qt::black, false);

    // Front flap, slanting forward.
    QImage front = transparentImage(32, 32);
    fillPolygon(front, 0xf0d040, QPolygonF({{5.6, 13}, {31, 13}, {28.4, 28}, {3, 28}}));
    for (int x = 0; x < 32; ++x)
        if (isOpaque(front, x, 13))
            front.setPixel(x, 13, opaque(0xfff090));
    front = outlined(front, Qt::black, false);

    // The guitar, lying across the folder from lower left to upper right.
    const QPointF u(std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2);
    const QPointF n(-u.y(), u.x());
    const QPointF lower(8.0, 24.4);
    const auto along = [&](qreal t, qreal s = 0) { return lower + t * u + s * n; };
    QImage guitar = supersampled(32, 32, 8, Qt::transparent, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        // Neck and headstock.
        p.setPen(QPen(QColor(0x5a, 0x30, 0x10), 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(along(9), along(22.8));
        p.setPen(QPen(QColor(0x3c, 0x1e, 0x08), 3.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(along(23), along(26.6));
        // Body: lower and upper bout.
        QLinearGradient wood(along(0, -6), along(0, 6));
        wood.setColorAt(0, QColor(0xe8, 0x8c, 0x34));
        wood.setColorAt(0.55, QColor(0xb8, 0x5c, 0x18));
        wood.setColorAt(1, QColor(0x8a, 0x3e, 0x10));
        p.setPen(Qt::NoPen);
        p.setBrush(wood);
        QPainterPath body;
        body.addEllipse(along(0), 6.3, 6.3);
        body.addEllipse(along(7.0), 4.8, 4.8);
        body.setFillRule(Qt::WindingFill);
        p.drawPath(body.simplified());
        // Soundhole and bridge.
        p.setBrush(QColor(0x20, 0x10, 0x08));
        p.drawEllipse(along(5.2), 2.3, 2.3);
        p.setPen(QPen(QColor(0x20, 0x10, 0x08), 1.8, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(along(-2.4, -2.8), along(-2.4, 2.8));
    });
    guitar = hardAlpha(guitar);
    // Strings and tuning pegs, one pixel wide.
    paintOn(guitar, false, [&](QPainter &p) {
        p.setPen(QColor(0xe8, 0xe8, 0xe8));
        p.drawLine(along(-2.4), along(26));
        p.setPen(QColor(0xe8, 0xe8, 0xe8));
        p.drawPoint(along(24, -2.2));
        p.drawPoint(along(25.8, 2.2));
    });
    guitar = outlined(guitar, Qt::black, false);

    return makeIcon(layered(32, {back, front, guitar}), palette);
}

Icon disketteIcon()
{
    const Palette palette = {
        {'k', 0x000000}, {'B', 0x6080e0}, {'b', 0x2848a8}, {'d', 0x182c70}, {'g', 0x707070},
        {'s', 0xc8c8c8}, {'S', 0xe8e8e8}, {'w', 0xffffff}, {'l', 0x8898c8},
    };
    QImage image = transparentImage(24, 24);
    // Body, lit on its upper and left edges.
    fillRect(image, 0x2848a8, 2, 2, 21, 21);
    fillRect(image, 0x6080e0, 2, 2, 2, 21);
    fillRect(image, 0x6080e0, 2, 2, 21, 2);
    fillRect(image, 0x182c70, 21, 3, 21, 21);
    fillRect(image, 0x182c70, 3, 21, 21, 21);
    frameRect(image, 0x000000, 1, 1, 22, 22);
    // The cut corner at the top right.
    for (int i = 0; i < 3; ++i) {
        for (int x = 20 + i; x <= 22; ++x)
            image.setPixel(x, 1 + i, 0);
        image.setPixel(19 + i, 1 + i, opaque(0x000000));
    }
    // Metal shutter with its window.
    fillRect(image, 0xc8c8c8, 7, 2, 16, 8);
    fillRect(image, 0xe8e8e8, 7, 2, 7, 8);
    frameRect(image, 0x000000, 6, 1, 17, 9);
    fillRect(image, 0x707070, 12, 3, 14, 7);
    fillRect(image, 0x000000, 12, 3, 14, 3);
    // Paper label with ruled lines.
    fillRect(image, 0xffffff, 5, 13, 18, 21);
    frameRect(image, 0x000000, 4, 12, 19, 22);
    for (const int y : {15, 17, 19})
        fillRect(image, 0x8898c8, 6, y, 17, y);
    // Write-protect hole.
    fillRect(image, 0x000000, 2, 19, 2, 20);
    return makeIcon(image, palette);
}

Icon printerIcon()
{
    const Palette palette = {
        {'k', 0x000000}, {'w', 0xffffff}, {'t', 0x303030}, {'C', 0xe8e8e8}, {'c', 0xc4c4c4},
        {'m', 0x848484}, {'p', 0xd8d8d8}, {'l', 0x00c800}, {'b', 0x5070d0},
    };
    QImage image = transparentImage(24, 24);
    // The sheet going in, with lines of text.
    fillRect(image, 0xffffff, 7, 1, 16, 9);
    frameRect(image, 0x000000, 6, 0, 17, 10);
    for (const int y : {3, 5})
        fillRect(image, 0x303030, 8, y, 15, y);
    fillRect(image, 0x303030, 8, 7, 12, 7);
    // Body: light top face, grey front, shaded right side.
    fillRect(image, 0xc4c4c4, 2, 10, 21, 17);
    fillRect(image, 0xe8e8e8, 2, 10, 21, 10);
    fillRect(image, 0xe8e8e8, 2, 10, 2, 17);
    fillRect(image, 0x848484, 21, 11, 21, 17);
    fillRect(image, 0x848484, 2, 17, 21, 17);
    frameRect(image, 0x000000, 1, 9, 22, 18);
    fillRect(image, 0x00c800, 18, 11, 19, 11);
    fillRect(image, 0x5070d0, 15, 11, 16, 11);
    // Output slot and the printed sheet coming out of it.
    fillRect(image, 0x000000, 4, 13, 19, 13);
    fillRect(image, 0x848484, 5, 14, 18, 14);
    fillRect(image, 0xffffff, 6, 15, 17, 21);
    fillRect(image, 0xd8d8d8, 6, 15, 17, 15);
    frameRect(image, 0x000000, 5, 14, 18, 22);
    fillRect(image, 0x303030, 7, 17, 16, 17);
    fillRect(image, 0x303030, 7, 19, 12, 19);
    return makeIcon(image, palette);
}

Icon sunkenIcon(const Icon &icon)
{
    constexpr qreal Brightness = 0.7;
    Palette palette;
    for (const PaletteEntry &entry : icon.palette) {
        const auto dim = [](int value) {
            return std::clamp(int(value * Brightness + 0.5), 0, 255);
        };
        palette.append(
            {entry.key, qRgb(dim(qRed(entry.rgb)), dim(qGreen(entry.rgb)), dim(qBlue(entry.rgb))) &
                            0xffffffu});
    }
    return Icon{sunken(icon.image, Brightness), palette};
}

Icon stopIcon()
{
    const Palette palette = {
        {'k', 0x3c0000}, {'w', 0xffffff}, {'r', 0xdc0000}, {'R', 0xff3c30}, {'d', 0xa80000},
    };
    QImage image = transparentImage(32, 32);
    // A regular octagon of apothem a round the centre of the icon.
    const auto octagon = [](qreal a) {
        return [a](qreal x, qreal y) {
            const qreal dx = std::abs(x - 16), dy = std::abs(y - 16);
            return dx <= a && dy <= a && dx + dy <= a * std::numbers::sqrt2;
        };
    };
    fillWhere(image, 0x3c0000, octagon(15.9));
    fillWhere(image, 0xffffff, octagon(14.9));
    fillWhere(image, 0xdc0000, octagon(13.0));
    // Light from the upper left, shade towards the lower right.
    fillWhere(image, 0xff3c30, [&](qreal x, qreal y) {
        return octagon(13.0)(x, y) && !octagon(12.0)(x - 1, y - 1);
    });
    fillWhere(image, 0xa80000, [&](qreal x, qreal y) {
        return octagon(13.0)(x, y) && !octagon(12.0)(x + 1, y + 1);
    });
    const QByteArray word = "STOP";
    drawPixelText(image, QPoint(16 - pixelTextWidth(word) / 2, 13), word, opaque(0xffffff));
    return makeIcon(image, palette);
}

Icon tickIcon()
{
    const Palette palette = {{'k', 0x000000}};
    QImage image = supersampled(32, 32, 8, Qt::transparent, [](QPainter &p) {
        QPainterPath tick;
        tick.moveTo(2.5, 17.5);
        tick.lineTo(7.0, 13.2);
        tick.lineTo(12.6, 19.4);
        tick.cubicTo(17, 12, 22, 6.5, 27.8, 2.6);
        tick.lineTo(30.2, 5.2);
        tick.cubicTo(24, 11, 18.5, 19, 14.2, 28.6);
        tick.lineTo(11.2, 28.6);
        tick.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(tick);
    });
    return makeIcon(hardAlpha(image), palette);
}

Icon arrowRightIcon()
{
    const Palette palette = {{'k', 0x000000}};
    QImage image = transparentImage(32, 32);
    fillPolygon(
        image, 0x000000,
        QPolygonF({{2, 11.5}, {16, 11.5}, {16, 3}, {30.5, 16}, {16, 29}, {16, 20.5}, {2, 20.5}}));
    return makeIcon(image, palette);
}

Icon ringsIcon()
{
    const Palette palette = {
        {'k', 0x400000}, {'R', 0xff2010}, {'r', 0xb80000}, {'Y', 0xffe800}, {'y', 0xc89c00},
    };
    QImage image = transparentImage(32, 32);
    // Bands from the outside in, red and yellow in turn, each with a darker
    // line along its inner edge.
    const qreal outer = 15.6, width = 3.1;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const qreal dx = x + 0.5 - 16, dy = y + 0.5 - 16;
            const qreal d = std::hypot(dx, dy);
            if (d > outer + 0.4)
                continue;
            if (d > outer - 0.6) {
                image.setPixel(x, y, opaque(0x400000));
                continue;
            }
            const int band = int((outer - 0.6 - d) / width);
            const qreal inBand = (outer - 0.6 - d) - band * width;
            const bool red = band % 2 == 0;
            QRgb rgb = red ? 0xff2010 : 0xffe800;
            if (inBand > width - 0.9 && d > 1.2)
                rgb = red ? 0xb80000 : 0xc89c00;
            image.setPixel(x, y, opaque(rgb));
        }
    }
    return makeIcon(image, palette);
}

Icon greyArrowIcon(bool up)
{
    const Palette palette = {
        {'k', 0x202020},
        {'#', 0x9c9c9c},
        {'w', 0xe4e4e4},
        {'d', 0x5c5c5c},
    };
    QImage shape = transparentImage(32, 32);
    fillPolygon(
        shape, 0x9c9c9c,
        QPolygonF(
            {{11.5, 2}, {20.5, 2}, {20.5, 15}, {28.5, 15}, {16, 29.5}, {3.5, 15}, {11.5, 15}}));
    if (up)
        shape = flippedVertically(shape);
    const QImage arrow = outlined(bevelled(shape, 0x9c9c9c, 0xe4e4e4, 0x5c5c5c), 0x202020, false);
    return makeIcon(arrow, palette);
}

Icon watchIcon()
{
    const Palette palette = {
        {'k', 0x000000}, {'s', 0x7a4a20}, {'S', 0x4a2a10}, {'c', 0xb0b0b0},
        {'C', 0xececec}, {'D', 0x686868}, {'w', 0xffffff}, {'f', 0xd8dce8},
        {'t', 0x303030}, {'r', 0xe00000}, {'b', 0x203080},
    };
    const QPointF centre(16, 16);
    QImage image = supersampled(32, 32, 8, Qt::transparent, [&](QPainter &p) {
        // Strap above and below.
        QLinearGradient strap(QPointF(10, 0), QPointF(22, 0));
        strap.setColorAt(0, QColor(0x4a, 0x2a, 0x10));
        strap.setColorAt(0.3, QColor(0x7a, 0x4a, 0x20));
        strap.setColorAt(0.7, QColor(0x7a, 0x4a, 0x20));
        strap.setColorAt(1, QColor(0x4a, 0x2a, 0x10));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(strap);
        p.drawRect(QRectF(10.5, -1, 11, 8));
        p.drawRect(QRectF(10.5, 25, 11, 8));
        // Crown at three o'clock.
        p.setBrush(QColor(0xb0, 0xb0, 0xb0));
        p.drawRect(QRectF(26.5, 14, 3, 4));
        // Case.
        QLinearGradient metal(QPointF(6, 6), QPointF(26, 26));
        metal.setColorAt(0, QColor(0xec, 0xec, 0xec));
        metal.setColorAt(0.5, QColor(0xb0, 0xb0, 0xb0));
        metal.setColorAt(1, QColor(0x68, 0x68, 0x68));
        p.setBrush(metal);
        p.drawEllipse(centre, 11.6, 11.6);
        // Face.
        QRadialGradient face(centre - QPointF(2.5, 2.5), 11);
        face.setColorAt(0, Qt::white);
        face.setColorAt(0.75, Qt::white);
        face.setColorAt(1, QColor(0xd8, 0xdc, 0xe8));
        p.setPen(QPen(QColor(0x68, 0x68, 0x68), 0.8));
        p.setBrush(face);
        p.drawEllipse(centre, 9.2, 9.2);
        // Hour marks at 12, 3, 6 and 9.
        for (int hour = 0; hour < 12; ++hour) {
            const qreal angle = hour * std::numbers::pi / 6;
            const QPointF dir(std::sin(angle), -std::cos(angle));
            if (hour % 3 == 0) {
                p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.7, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(centre + 6.2 * dir, centre + 8.8 * dir);
            }
        }
        // Hands at ten past ten, and the red second hand.
        const auto hand = [&](qreal hours, qreal length, qreal width, const QColor &colour) {
            const qreal angle = hours * std::numbers::pi / 6;
            const QPointF dir(std::sin(angle), -std::cos(angle));
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(centre - 1.2 * dir, centre + length * dir);
        };
        hand(10.2, 5.0, 2.2, QColor(0x20, 0x30, 0x80));
        hand(2.0, 7.2, 1.7, QColor(0x20, 0x30, 0x80));
        hand(6.6, 7.0, 1.0, QColor(0xe0, 0x00, 0x00));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x00, 0x00));
        p.drawEllipse(centre, 1.3, 1.3);
    });
    return makeIcon(hardAlpha(image), palette);
}

Icon noteSheetIcon()
{
    const Palette palette = {
        {'k', 0x000000}, {'w', 0xffffff}, {'e', 0xd4d4d4}, {'g', 0x808080},
        {'b', 0x6c8ce8}, {'r', 0xe84040}, {'t', 0x202050},
    };
    QImage image = transparentImage(32, 32);
    // Shadow, page, dog-ear.
    fillPolygon(image, 0x808080, QPolygonF({{7, 3}, {22, 3}, {29, 10}, {29, 32}, {7, 32}}));
    QImage page = transparentImage(32, 32);
    fillPolygon(page, 0xffffff, QPolygonF({{5, 2}, {20, 2}, {27, 9}, {27, 30}, {5, 30}}));
    page = outlined(page, Qt::black, false);
    compose(image, page);
    fillPolygon(image, 0xd4d4d4, QPolygonF({{20, 2}, {27, 9}, {20, 9}}));
    for (int i = 0; i <= 7; ++i) {
        image.setPixel(20, 2 + i, opaque(0x000000));
        image.setPixel(20 + i, 9, opaque(0x000000));
        image.setPixel(20 + i, 2 + i, opaque(0x000000));
    }
    // Ruled lines, a red margin and a few lines of writing.
    for (int y = 12; y <= 27; y += 3)
        fillRect(image, 0x6c8ce8, 6, y, 26, y);
    fillRect(image, 0x6c8ce8, 6, 9, 19, 9);
    fillRect(image, 0xe84040, 9, 3, 9, 29);
    const int writing[][3] = {{8, 11, 18}, {11, 11, 24}, {14, 11, 21}, {17, 11, 23}, {20, 11, 16}};
    for (const auto &line : writing)
        for (int x = line[1]; x <= line[2]; ++x)
            if ((x * 7 + line[0] * 3) % 11 != 0)
                image.setPixel(x, line[0], opaque(0x202050));
    return makeIcon(image, palette);
}

Icon questionMarkIcon()
{
    const Palette palette = {{'k', 0x000000}, {'w', 0xffffff}};
    QImage image = supersampled(23, 34, 8, Qt::white, [](QPainter &p) {
        p.setPen(QPen(Qt::black, 4.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(questionStroke());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(questionDot(), 2.5, 2.5);
    });
    return makeIcon(image, palette);
}

Icon triangleDownIcon()
{
    const Palette palette = {
        {'k', 0x202020},
        {'#', 0xa4a4a4},
        {'w', 0xe8e8e8},
        {'d', 0x606060},
    };
    QImage shape = transparentImage(32, 32);
    fillPolygon(shape, 0xa4a4a4, QPolygonF({{2.5, 7}, {29.5, 7}, {16, 27.5}}));
    const QImage triangle = outlined(bevelled(shape, 0xa4a4a4, 0xe8e8e8, 0x606060), 0x202020, true);
    return makeIcon(triangle, palette);
}

} // namespace strumkin::artwork
