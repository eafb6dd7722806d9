#include "textures.h"

#include "canvas.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace strumkin::artwork {

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
// cells across the whole tile, so that the noise repeats with the tile.
// (u, v) are in tile units, 0 to 1 across.
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

// Octaves of noise, each twice as fine, starting from `cellsX` by `cellsY`
// cells; taller cells than wide give the upright strands of a flame.
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

} // namespace

QImage flameTile()
{
    QImage image(Size, Size, QImage::Format_RGB32);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const qreal u = (x + 0.5) / Size, v = (y + 0.5) / Size;
            // Sway the strands from side to side, more finely higher up the
            // flame; the sway is periodic noise too, so the tile repeats.
            const qreal sway = (fractal(u, v, 4, 4, 3, 11) - 0.5) * 0.35;
            const qreal lift = (fractal(u, v, 4, 4, 2, 17) - 0.5) * 0.25;
            // Tall, narrow tongues.
            const qreal tongues = fractal(u + sway, v + lift, 8, 2, 5, 5);
            // Finer flicker inside them.
            const qreal flicker = fractal(u + sway * 0.5, v, 16, 8, 3, 29);
            qreal t = smoothStep(0.30, 0.78, tongues) * 0.8 + (flicker - 0.5) * 0.45;
            t = std::clamp(t, 0.0, 1.0);
            image.setPixel(x, y, flameColour(t).rgb());
        }
    }
    return image;
}

} // namespace strumkin::artwork
