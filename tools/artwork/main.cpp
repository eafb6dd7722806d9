// artwork: draws every icon, picture and tile that Strumkin ships and writes
// them into the repository.
//
//   artwork <repository root> [--preview <folder>]
//
// writes assets/icons/*.xpm and *.png (compiled into the program) and
// assets/pictures/*.BMP (shipped beside it). With --preview it also writes
// enlarged PNG copies for looking at, and the tile repeated 3 x 3.
//
// Nothing here uses a font: letters and digits are drawn as paths, so the
// outputs are the same on every machine.

#include "canvas.h"
#include "icons.h"
#include "pictures.h"
#include "textures.h"
#include "xpm.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace strumkin::artwork;

namespace {

struct Outputs {
    QDir icons;
    QDir pictures;
    QString preview; // empty: no previews
    std::vector<std::pair<QString, QImage>> iconPreviews;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
    std::printf("wrote %s (%lld bytes)\n", qPrintable(QDir::current().relativeFilePath(path)),
                static_cast<long long>(bytes.size()));
}

void savePreview(const Outputs &out, const QString &name, const QImage &image)
{
    if (out.preview.isEmpty())
        return;
    const QString path = QDir(out.preview).filePath(name);
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void writeXpm(Outputs &out, const QString &name, const Icon &icon, QSize size)
{
    if (icon.image.size() != size)
        throw std::runtime_error(name.toStdString() + " has the wrong size");
    QByteArray variable = name.toLatin1();
    variable.replace('-', '_');
    const QString path = out.icons.filePath(name + QLatin1String(".xpm"));
    writeFile(path, xpmText(icon, variable));
    // Read it back as the program will.
    const QImage reread(path, "XPM");
    if (reread.size() != size)
        throw std::runtime_error(name.toStdString() + ".xpm does not load");
    out.iconPreviews.emplace_back(name, reread);
    savePreview(out, name + QLatin1String(".png"), enlarged(reread, 8, QColor(0xc0, 0xc0, 0xc0)));
}

void writePng(Outputs &out, const QString &name, const QImage &image, QSize size)
{
    if (image.size() != size)
        throw std::runtime_error(name.toStdString() + " has the wrong size");
    const QString path = out.icons.filePath(name + QLatin1String(".png"));
    if (!image.save(path, "PNG", 9))
        throw std::runtime_error("cannot write " + path.toStdString());
    std::printf("wrote %s (%lld bytes)\n", qPrintable(QDir::current().relativeFilePath(path)),
                static_cast<long long>(QFileInfo(path).size()));
}

// A 24-bit Windows bitmap, with the exact name the program asks for.
void writeBmp(Outputs &out, const QString &name, const QImage &image, QSize size)
{
    if (image.size() != size)
        throw std::runtime_error(name.toStdString() + " has the wrong size");
    const QString path = out.pictures.filePath(name);
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM") || quint8(header[28]) != 24)
        throw std::runtime_error(name.toStdString() + " is not a 24-bit BMP file");
    std::printf("wrote %s (%lld bytes)\n", qPrintable(QDir::current().relativeFilePath(path)),
                static_cast<long long>(file.size()));
    savePreview(out, name.section('.', 0, 0) + QLatin1String("-bmp.png"),
                enlarged(QImage(path, "BMP"), 3, Qt::white));
}

// How far the tile's opposite edges differ, against how far neighbouring
// columns and rows inside it differ: near 1 means no visible seam.
double seamRatio(const QImage &tile)
{
    const auto difference = [&tile](QPoint a, QPoint b) {
        const QRgb p = tile.pixel(a), q = tile.pixel(b);
        return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    };
    const int w = tile.width(), h = tile.height();
    double seams = 0, inside = 0;
    for (int i = 0; i < h; ++i) {
        seams += difference({w - 1, i}, {0, i});
        inside += difference({w / 2 - 1, i}, {w / 2, i});
    }
    for (int i = 0; i < w; ++i) {
        seams += difference({i, h - 1}, {i, 0});
        inside += difference({i, h / 2 - 1}, {i, h / 2});
    }
    return inside > 0 ? seams / inside : 0;
}

QImage contactSheet(const std::vector<std::pair<QString, QImage>> &icons)
{
    constexpr int Cell = 40, Scale = 4;
    QImage sheet(int(icons.size()) * Cell * Scale, Cell * Scale * 2, QImage::Format_RGB32);
    sheet.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter p(&sheet);
    p.fillRect(0, Cell * Scale, sheet.width(), Cell * Scale, Qt::black);
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const QImage &icon = icons[i].second;
        const QImage big =
            icon.scaled(icon.size() * Scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const int x = int(i) * Cell * Scale + (Cell * Scale - big.width()) / 2;
        p.drawImage(x, (Cell * Scale - big.height()) / 2, big);
        p.drawImage(x, Cell * Scale + (Cell * Scale - big.height()) / 2, big);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && !(argc == 4 && QByteArray(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: artwork <repository root> [--preview <folder>]\n");
        return 2;
    }
    try {
        const QDir root(QString::fromLocal8Bit(argv[1]));
        Outputs out{QDir(root.filePath(QStringLiteral("assets/icons"))),
                    QDir(root.filePath(QStringLiteral("assets/pictures"))),
                    argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString(),
                    {}};
        if (!root.mkpath(out.icons.path()) || !root.mkpath(out.pictures.path()) ||
            (!out.preview.isEmpty() && !QDir().mkpath(out.preview)))
            throw std::runtime_error("cannot make the output folders");

        const QSize small(24, 24), icon(32, 32);
        writeXpm(out, QStringLiteral("traffic-light"), trafficLightIcon(), icon);
        writeXpm(out, QStringLiteral("guitar-folder"), guitarFolderIcon(), icon);
        const Icon diskette = disketteIcon();
        writeXpm(out, QStringLiteral("diskette"), diskette, small);
        writeXpm(out, QStringLiteral("diskette-down"), sunkenIcon(diskette), small);
        const Icon printer = printerIcon();
        writeXpm(out, QStringLiteral("printer"), printer, small);
        writeXpm(out, QStringLiteral("printer-down"), sunkenIcon(printer), small);
        writeXpm(out, QStringLiteral("stop"), stopIcon(), icon);
        writeXpm(out, QStringLiteral("tick"), tickIcon(), icon);
        writeXpm(out, QStringLiteral("arrow-right"), arrowRightIcon(), icon);
        writeXpm(out, QStringLiteral("rings"), ringsIcon(), icon);
        writeXpm(out, QStringLiteral("arrow-down-grey"), greyArrowIcon(false), icon);
        writeXpm(out, QStringLiteral("arrow-up-grey"), greyArrowIcon(true), icon);
        writeXpm(out, QStringLiteral("watch"), watchIcon(), icon);
        writeXpm(out, QStringLiteral("note-sheet"), noteSheetIcon(), icon);
        writeXpm(out, QStringLiteral("question"), questionMarkIcon(), QSize(23, 34));
        writeXpm(out, QStringLiteral("triangle-down"), triangleDownIcon(), icon);
        savePreview(out, QStringLiteral("icons.png"), contactSheet(out.iconPreviews));

        const QImage flame = flameTile();
        writePng(out, QStringLiteral("flame-tile"), flame, QSize(128, 128));
        std::printf("flame-tile seams: %.2f of the inside difference\n", seamRatio(flame));
        savePreview(out, QStringLiteral("flame-tile-3x3.png"), tiled(flame, 3, 3));

        const QImage application = applicationIcon();
        writePng(out, QStringLiteral("strumkin"), application, QSize(256, 256));
        QImage onGrey(256 * 2, 256, QImage::Format_RGB32);
        onGrey.fill(QColor(0xd8, 0xd8, 0xd8));
        {
            QPainter p(&onGrey);
            p.fillRect(256, 0, 256, 256, QColor(0x30, 0x30, 0x40));
            p.drawImage(0, 0, application);
            p.drawImage(256, 0, application);
            p.drawImage(256 + 160, 160,
                        application.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            p.drawImage(160, 160,
                        application.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
        savePreview(out, QStringLiteral("strumkin.png"), onGrey);

        writeBmp(out, QStringLiteral("guitar1.BMP"), guitarPicture(), QSize(177, 153));
        writeBmp(out, QStringLiteral("pic1.BMP"), chordNeckPicture(), QSize(92, 269));
        writeBmp(out, QStringLiteral("pic2.BMP"), handPicture(), QSize(98, 246));
        writeBmp(out, QStringLiteral("pic3.BMP"), headstockPicture(), QSize(92, 263));
        writeBmp(out, QStringLiteral("skicon.BMP"), infoPicture(), QSize(24, 24));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
