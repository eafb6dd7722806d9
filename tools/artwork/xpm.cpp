#include "xpm.h"

#include <QColor>

#include <algorithm>
#include <limits>
#include <map>
#include <stdexcept>

namespace strumkin::artwork {

namespace {

// Squared distance with the eye's weights: green counts most, blue least.
int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return 3 * r * r + 4 * g * g + 2 * bl * bl;
}

} // namespace

QImage quantized(const QImage &image, const Palette &palette)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            QRgb best = palette.front().rgb;
            int bestDistance = std::numeric_limits<int>::max();
            for (const PaletteEntry &entry : palette) {
                const int d = distance(pixel, entry.rgb);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = entry.rgb;
                }
            }
            result.setPixel(x, y, best | 0xff000000u);
        }
    }
    return result;
}

Icon makeIcon(const QImage &image, const Palette &palette)
{
    return Icon{quantized(image, palette), palette};
}

QByteArray xpmText(const Icon &icon, const QByteArray &variable)
{
    const QImage image = icon.image.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, char> keys;
    for (const PaletteEntry &entry : icon.palette)
        keys.emplace(entry.rgb & 0xffffffu, entry.key);

    bool transparent = false;
    std::map<char, QRgb> used;
    QList<QByteArray> rows;
    for (int y = 0; y < image.height(); ++y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                transparent = true;
                row.append(' ');
                continue;
            }
            const auto found = keys.find(pixel & 0xffffffu);
            if (found == keys.end())
                throw std::runtime_error("a pixel of " + variable.toStdString() +
                                         " has a colour outside its palette");
            used.emplace(found->second, pixel & 0xffffffu);
            row.append(found->second);
        }
        rows.append(row);
    }

    const int colours = int(used.size()) + (transparent ? 1 : 0);
    QByteArray text = "/* XPM */\nstatic char *" + variable + "[] = {\n";
    text += '"' + QByteArray::number(image.width()) + ' ' + QByteArray::number(image.height()) +
            ' ' + QByteArray::number(colours) + " 1\",\n";
    if (transparent)
        text += "\"  c None\",\n";
    for (const auto &[key, rgb] : used)
        text += '"' + QByteArray(1, key) + " c " +
                QColor(rgb).name(QColor::HexRgb).toUpper().toLatin1() + "\",\n";
    for (qsizetype i = 0; i < rows.size(); ++i)
        text += '"' + rows[i] + (i + 1 < rows.size() ? "\",\n" : "\"\n");
    text += "};\n";
    return text;
}

} // namespace strumkin::artwork
