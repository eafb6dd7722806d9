// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QLibrary>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace strumkin::forms {

namespace {

const QString SourceKey = QStringLiteral("VectorSource");
const QString PressedKey = QStringLiteral("VectorPressed");

// The renderer lives in a module of its own, loaded the first time a picture
// is drawn at another scale: at 100 % its libraries never load.
using RenderSvg = int (*)(const char *data, long size, int width, int height, unsigned char *pixels,
                          int stride);

struct Renderer {
    QString module;
    bool tried = false;
    RenderSvg render = nullptr;
};

Renderer &renderer()
{
    static Renderer held;
    return held;
}

RenderSvg renderFunction()
{
    Renderer &r = renderer();
    if (!r.tried && !r.module.isEmpty()) {
        r.tried = true;
        QLibrary library(r.module);
        r.render = reinterpret_cast<RenderSvg>(library.resolve("strumkin_render_svg"));
        if (r.render == nullptr)
            qWarning("Icons are drawn from their bitmaps: %s", qPrintable(library.errorString()));
    }
    return r.render;
}

const QByteArray &sourceText(const QString &source)
{
    static QHash<QString, QByteArray> texts;
    auto found = texts.find(source);
    if (found == texts.end()) {
        QFile file(source);
        found =
            texts.insert(source, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return *found;
}

// Pressed into the screen, as the pressed bitmaps are made: one pixel (at the
// icon's own size) lower and further right, every colour times 0.7.
QImage pressedIn(const QImage &drawn, int shift)
{
    QImage pressed(drawn.size(), QImage::Format_ARGB32_Premultiplied);
    pressed.fill(Qt::transparent);
    for (int y = shift; y < drawn.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(drawn.constScanLine(y - shift));
        auto *to = reinterpret_cast<QRgb *>(pressed.scanLine(y));
        for (int x = shift; x < drawn.width(); ++x) {
            const QRgb p = from[x - shift];
            const auto dim = [](int c) { return static_cast<int>(std::floor(c * 0.7 + 0.5)); };
            to[x] = qRgba(dim(qRed(p)), dim(qGreen(p)), dim(qBlue(p)), qAlpha(p));
        }
    }
    return pressed;
}

class VectorIconEngine final : public QIconEngine {
public:
    explicit VectorIconEngine(QImage picture) : m_picture(std::move(picture)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        drawPicture(*painter, rect, m_picture);
    }
    // Qt asks in device pixels when the screen is scaled.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const QSize fitted = m_picture.size().scaled(size, Qt::KeepAspectRatio);
        if (fitted.isEmpty())
            return {};
        if (fitted == m_picture.size())
            return QPixmap::fromImage(m_picture);
        // Without the renderer the bitmap, scaled: an icon all the same.
        const QImage drawn = renderVector(m_picture, fitted);
        return QPixmap::fromImage(drawn.isNull() ? m_picture.scaled(fitted, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation)
                                                 : drawn);
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_picture.size().scaled(size, Qt::KeepAspectRatio);
    }
    // What a window manager is offered: the icon at 100 %, and on a scaled
    // screen at its scale too. Offering more at 100 % would load the
    // renderer at start for nothing.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes{m_picture.size()};
        if (const double ratio = qApp->devicePixelRatio(); ratio > 1.0)
            sizes << (QSizeF(m_picture.size()) * ratio).toSize();
        return sizes;
    }
    [[nodiscard]] QIconEngine *clone() const override { return new VectorIconEngine(m_picture); }
    [[nodiscard]] QString key() const override { return QStringLiteral("StrumkinVector"); }

private:
    QImage m_picture;
};

} // namespace

void markVectorSource(QImage &picture, const QString &path)
{
    // Only the program's own resources have sources; files beside the program
    // are drawn as they are.
    if (picture.isNull() || !path.startsWith(QLatin1String(":/")) ||
        !path.endsWith(QLatin1String(".xpm")))
        return;
    const QString stem = path.chopped(4);
    if (const QString source = stem + QStringLiteral(".svg"); QFile::exists(source)) {
        picture.setText(SourceKey, source);
        return;
    }
    const QString up = stem.chopped(5) + QStringLiteral(".svg");
    if (stem.endsWith(QLatin1String("-down")) && QFile::exists(up)) {
        picture.setText(SourceKey, up);
        picture.setText(PressedKey, QStringLiteral("1"));
    }
}

bool hasVectorSource(const QImage &picture)
{
    return !picture.text(SourceKey).isEmpty();
}

void useVectorRenderer(const QString &module)
{
    renderer() = Renderer{module};
}

QImage renderVector(const QImage &picture, const QSize &devicePixels)
{
    const RenderSvg render = hasVectorSource(picture) ? renderFunction() : nullptr;
    if (render == nullptr || devicePixels.isEmpty() || devicePixels.width() > 4096 ||
        devicePixels.height() > 4096)
        return {};
    const QString source = picture.text(SourceKey);
    const bool pressed = !picture.text(PressedKey).isEmpty();
    // A window being resized asks for a new size at every step.
    using Key = std::tuple<QString, bool, int, int>;
    static std::map<Key, QImage> renders;
    const Key key{source, pressed, devicePixels.width(), devicePixels.height()};
    if (const auto found = renders.find(key); found != renders.end())
        return found->second;

    const QByteArray &text = sourceText(source);
    QImage drawn(devicePixels, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    if (text.isEmpty() || render(text.constData(), text.size(), drawn.width(), drawn.height(),
                                 drawn.bits(), static_cast<int>(drawn.bytesPerLine())) == 0)
        return {};
    if (pressed) {
        const double scale = static_cast<double>(devicePixels.width()) / picture.width();
        drawn = pressedIn(drawn, std::max(1, static_cast<int>(std::lround(scale))));
    }
    if (renders.size() >= 64)
        renders.clear();
    renders.emplace(key, drawn);
    return drawn;
}

void drawPicture(QPainter &painter, const QRectF &target, const QImage &picture)
{
    // The whole way to device pixels: the painter's own transform and the
    // device's pixel ratio. At 100 % the bitmap is drawn as the window was
    // designed, even where its box shrinks it.
    const QTransform t = painter.deviceTransform();
    const double scaleX = std::hypot(t.m11(), t.m12());
    const double scaleY = std::hypot(t.m21(), t.m22());
    const bool scaled = std::abs(scaleX - 1.0) > 1e-3 || std::abs(scaleY - 1.0) > 1e-3;
    if (scaled && hasVectorSource(picture)) {
        const QSize device(static_cast<int>(std::lround(target.width() * scaleX)),
                           static_cast<int>(std::lround(target.height() * scaleY)));
        if (const QImage drawn = renderVector(picture, device); !drawn.isNull()) {
            painter.drawImage(target, drawn);
            return;
        }
    }
    painter.drawImage(target, picture);
}

QIcon iconFrom(const QImage &picture)
{
    if (picture.isNull())
        return {};
    if (!hasVectorSource(picture))
        return QIcon(QPixmap::fromImage(picture));
    return QIcon(new VectorIconEngine(picture));
}

} // namespace strumkin::forms
