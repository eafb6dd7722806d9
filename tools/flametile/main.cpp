// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
// flametile: draws the 128 x 128 flame tile that fills the title window and
// writes it as a PNG.
//
//   flametile <output.png>
//
// The flames are periodic noise, so the tile repeats without a seam; it
// prints how far its opposite edges differ against neighbouring pixels
// inside it (near 1: no visible seam).

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Size = 128;

// A fixed hash, so that every run draws the same flames.
std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

qreal lattice(int x, int y, int cellsX, int cellsY, std::uint32_t seed)
{
    const int wx = ((x % cellsX) + cellsX) % cellsX;
    const int wy = ((y % cellsY) + cellsY) % cellsY;
    return (hash(std::uint32_t(wx), std::uint32_t(wy), seed) & 0xffffu) / 65535.0;
}

qreal smooth(qreal t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// Value noise on a lattice that wraps round the tile: `cellsX` by `cellsY`
// cells across the whole tile. (u, v) are in tile units, 0 to 1 across.
qreal periodicNoise(qreal u, qreal v, int cellsX, int cellsY, std::uint32_t seed)
{
    const qreal x = u * cellsX, y = v * cellsY;
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const qreal fx = smooth(x - x0), fy = smooth(y - y0);
    const qreal a = lattice(x0, y0, cellsX, cellsY, seed);
    const qreal b = lattice(x0 + 1, y0, cellsX, cellsY, seed);
    const qreal c = lattice(x0, y0 + 1, cellsX, cellsY, seed);
    const qreal d = lattice(x0 + 1, y0 + 1, cellsX, cellsY, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

// Octaves of noise, each twice as fine; taller cells than wide give the
// upright strands of a flame.
qreal fractal(qreal u, qreal v, int cellsX, int cellsY, int octaves, std::uint32_t seed)
{
    qreal sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * periodicNoise(u, v, cellsX, cellsY, seed + std::uint32_t(octave));
        weight += amplitude;
        amplitude *= 0.55;
        cellsX *= 2;
        cellsY *= 2;
    }
    return sum / weight;
}

qreal smoothStep(qreal from, qreal to, qreal t)
{
    const qreal x = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

QColor mixed(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The flame colours from the darkest gap to the brightest tongue.
QColor flameColour(qreal t)
{
    struct Stop {
        qreal at;
        QColor colour;
    };
    static const std::array<Stop, 6> stops = {{
        {0.00, QColor(0x20, 0x00, 0x00)},
        {0.35, QColor(0x5c, 0x04, 0x00)},
        {0.58, QColor(0x98, 0x14, 0x00)},
        {0.76, QColor(0xcc, 0x3c, 0x04)},
        {0.90, QColor(0xf0, 0x70, 0x10)},
        {1.00, QColor(0xff, 0xa0, 0x30)},
    }};
    if (t <= stops.front().at)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const qreal local = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            return mixed(stops[i - 1].colour, stops[i].colour, local);
        }
    }
    return stops.back().colour;
}

QImage flameTile()
{
    QImage image(Size, Size, QImage::Format_RGB32);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const qreal u = (x + 0.5) / Size, v = (y + 0.5) / Size;
            // Sway the strands from side to side; the sway is periodic noise
            // too, so the tile still repeats.
            const qreal sway = (fractal(u, v, 4, 4, 3, 11) - 0.5) * 0.35;
            const qreal lift = (fractal(u, v, 4, 4, 2, 17) - 0.5) * 0.25;
            const qreal tongues = fractal(u + sway, v + lift, 8, 2, 5, 5);
            const qreal flicker = fractal(u + sway * 0.5, v, 16, 8, 3, 29);
            const qreal t = smoothStep(0.30, 0.78, tongues) * 0.8 + (flicker - 0.5) * 0.45;
            image.setPixel(x, y, flameColour(std::clamp(t, 0.0, 1.0)).rgb());
        }
    }
    return image;
}

double seamRatio(const QImage &tile)
{
    const auto difference = [&tile](int ax, int ay, int bx, int by) {
        const QRgb p = tile.pixel(ax, ay), q = tile.pixel(bx, by);
        return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    };
    double seams = 0, inside = 0;
    for (int i = 0; i < Size; ++i) {
        seams += difference(Size - 1, i, 0, i) + difference(i, Size - 1, i, 0);
        inside +=
            difference(Size / 2 - 1, i, Size / 2, i) + difference(i, Size / 2 - 1, i, Size / 2);
    }
    return inside > 0 ? seams / inside : 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: flametile <output.png>\n");
        return 2;
    }
    const QImage tile = flameTile();
    if (!tile.save(QString::fromLocal8Bit(argv[1]), "PNG", 9)) {
        std::fprintf(stderr, "flametile: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("flame tile seams: %.2f of the inside difference\n", seamRatio(tile));
    return 0;
}
