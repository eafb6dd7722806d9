#include "canvas.h"

#include <algorithm>

namespace strumkin::artwork {

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage supersampled(int width, int height, int factor, const QColor &background,
                    const std::function<void(QPainter &)> &draw)
{
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(background);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(factor, factor);
        draw(painter);
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void paintOn(QImage &image, bool antialiased, const std::function<void(QPainter &)> &draw)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    draw(painter);
}

QImage hardAlpha(const QImage &image)
{
    QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result = transparentImage(image.width(), image.height());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) >= 128)
                result.setPixel(x, y, qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    return result;
}

QImage outlined(const QImage &image, const QColor &colour, bool corners)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto opaque = [&image](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               qAlpha(image.pixel(x, y)) >= 128;
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (opaque(x, y))
                continue;
            bool edge =
                opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1);
            if (corners)
                edge = edge || opaque(x - 1, y - 1) || opaque(x + 1, y - 1) ||
                       opaque(x - 1, y + 1) || opaque(x + 1, y + 1);
            if (edge)
                result.setPixel(x, y, colour.rgb());
        }
    }
    return result;
}

QImage sunken(const QImage &image, qreal brightness)
{
    QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result = transparentImage(image.width(), image.height());
    for (int y = 0; y + 1 < source.height(); ++y) {
        for (int x = 0; x + 1 < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            const auto dim = [brightness](int value) {
                return std::clamp(int(value * brightness + 0.5), 0, 255);
            };
            result.setPixel(x + 1, y + 1,
                            qRgb(dim(qRed(pixel)), dim(qGreen(pixel)), dim(qBlue(pixel))));
        }
    }
    return result;
}

void compose(QImage &target, const QImage &layer, QPoint at)
{
    QPainter painter(&target);
    painter.drawImage(at, layer);
}

QImage flippedVertically(const QImage &image)
{
    return image.mirrored(false, true);
}

QImage enlarged(const QImage &image, int factor, const QColor &background)
{
    QImage result(image.width() * factor, image.height() * factor, QImage::Format_RGB32);
    result.fill(background);
    QPainter painter(&result);
    painter.drawImage(QRect(0, 0, result.width(), result.height()),
                      image.scaled(result.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return result;
}

QImage tiled(const QImage &tile, int columns, int rows)
{
    QImage result(tile.width() * columns, tile.height() * rows, QImage::Format_RGB32);
    QPainter painter(&result);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            painter.drawImage(column * tile.width(), row * tile.height(), tile);
    return result;
}

QColor mixed(const QColor &a, const QColor &b, qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace strumkin::artwork
