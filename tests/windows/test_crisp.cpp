// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/artwork.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/pictures.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace strumkin;

namespace {

// How many of the pixels where `drawn` is opaque `shown` matches, and how
// many such pixels there are.
struct Match {
    int same = 0;
    int opaque = 0;
};

Match compareOpaque(const QImage &shown, const QPoint &at, const QImage &drawn)
{
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32);
    Match m;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const QRgb want = b.pixel(x, y);
            if (qAlpha(want) != 255)
                continue;
            ++m.opaque;
            const QRgb got = a.pixel(at.x() + x, at.y() + y);
            if (std::abs(qRed(got) - qRed(want)) <= 2 &&
                std::abs(qGreen(got) - qGreen(want)) <= 2 &&
                std::abs(qBlue(got) - qBlue(want)) <= 2)
                ++m.same;
        }
    return m;
}

// Pixels that differ, in colour or in cover, between two drawings of a size.
int differing(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int count = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            count += std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                             std::abs(qBlue(p) - qBlue(q)) > 2 ||
                             std::abs(qAlpha(p) - qAlpha(q)) > 2
                         ? 1
                         : 0;
        }
    return count;
}

// The colour of a bitmap's few that lies nearest.
QRgb nearest(QRgb colour, const QList<QRgb> &palette)
{
    const auto distance = [colour](QRgb p) {
        const int r = qRed(p) - qRed(colour), g = qGreen(p) - qGreen(colour),
                  b = qBlue(p) - qBlue(colour);
        return r * r + g * g + b * b;
    };
    return *std::min_element(palette.begin(), palette.end(),
                             [&](QRgb p, QRgb q) { return distance(p) < distance(q); });
}

// Pixels neither transparent nor opaque: the grey levels of a soft edge.
int softPixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int soft = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            soft += qAlpha(argb.pixel(x, y)) % 255 != 0 ? 1 : 0;
    return soft;
}

} // namespace

// At 200 % the icons, the button pictures and the window icons are drawn
// from their SVG sources at the screen's own pixels; at 100 % as the
// bitmaps they always were.
class CrispTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

private slots:
    void init()
    {
        forms::useVectorRenderer(QStringLiteral(STRUMKIN_VECTOR_MODULE));
        rig = test::allWindowsRig();
    }
    void cleanup() { rig.reset(); }

    // The renderer against the bitmaps made from the same sources by the
    // artwork script: at their own size they must agree, pressed ones too.
    void sourcesDrawTheirBitmaps_data()
    {
        QTest::addColumn<QString>("icon");
        for (const QString &name : QDir(QStringLiteral(":/icons")).entryList({"*.xpm"}))
            QTest::newRow(qPrintable(name)) << name;
    }
    void sourcesDrawTheirBitmaps()
    {
        QFETCH(QString, icon);
        const QImage bitmap = forms::readPicture(QStringLiteral(":/icons/") + icon)
                                  .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(forms::hasVectorSource(bitmap));
        const QImage drawn =
            forms::renderVector(bitmap, bitmap.size()).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), bitmap.size());
        // The bitmaps hold a few colours and hard edges: each pixel at least
        // half covered takes the nearest of those colours.
        QList<QRgb> palette;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                if (const QRgb p = bitmap.pixel(x, y); qAlpha(p) == 255 && !palette.contains(p))
                    palette << p;
        int same = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb want = bitmap.pixel(x, y);
                const QRgb got = drawn.pixel(x, y);
                const bool covered = qAlpha(got) >= 128;
                same +=
                    covered == (qAlpha(want) == 255) && (!covered || nearest(got, palette) == want)
                        ? 1
                        : 0;
            }
        const int all = bitmap.width() * bitmap.height();
        QVERIFY2(same >= all * 95 / 100, qPrintable(QStringLiteral("%1 of %2").arg(same).arg(all)));
    }

    // Pictures drawn onto a device at a scale: the bitmap at 100 %, else the
    // source at the pixels the picture covers.
    void drawnAtEachScale_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("fromSource");
        QTest::newRow("100 %") << 1.0 << 1.0 << false;
        QTest::newRow("200 % screen") << 2.0 << 1.0 << true;
        QTest::newRow("150 % screen") << 1.5 << 1.0 << true;
        QTest::newRow("zoomed 300 %") << 1.0 << 3.0 << true;
    }
    void drawnAtEachScale()
    {
        QFETCH(double, ratio);
        QFETCH(double, zoom);
        QFETCH(bool, fromSource);
        const QImage bitmap = forms::readPicture(QStringLiteral(":/icons/rings.xpm"));
        const QSize device(qRound(32 * ratio * zoom), qRound(32 * ratio * zoom));
        QImage canvas(device, QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::transparent);
        {
            QPainter painter(&canvas);
            painter.scale(zoom, zoom);
            forms::drawPicture(painter, QRectF(0, 0, 32, 32), bitmap);
        }
        canvas.setDevicePixelRatio(1);
        const QImage fromBitmap = bitmap.scaled(device);
        const QImage want = fromSource ? forms::renderVector(bitmap, device) : fromBitmap;
        QCOMPARE(differing(canvas, want), 0);
        // The rings' curves tell a source drawn at the size from the bitmap scaled.
        if (fromSource)
            QVERIFY(differing(canvas, fromBitmap) > device.width());
    }

    // A window at 200 %: the button pictures, up and
    // pressed, are the sources drawn at device pixels.
    void buttonsAt200_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("curved"); // has edges off the pixel grid
        QTest::newRow("save") << "frmC"
                              << "Command1" << false << false;
        QTest::newRow("print pressed") << "frmC"
                                       << "cmdprint" << true << false;
        QTest::newRow("start to learn") << "frmintro"
                                        << "cmdLearn" << false << true;
        QTest::newRow("help") << "frmsecret"
                              << "Command2" << false << true;
        QTest::newRow("continue") << "frmstart"
                                  << "Command1" << false << true;
        QTest::newRow("exit") << "frmstart"
                              << "Command2" << false << true;
    }
    void buttonsAt200()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(bool, down);
        QFETCH(bool, curved);
        rig->registry->show(window);
        auto &control = dynamic_cast<forms::Button &>(rig->window(window).control(button));
        auto *widget = static_cast<QPushButton *>(control.widget());
        widget->setDown(down);
        const QImage shown = widget->grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);

        const QRect box = control.pictureArea();
        const QImage &picture = down ? control.downPicture() : control.picture();
        const QImage want = forms::renderVector(picture, box.size() * 2);
        QVERIFY(!want.isNull());
        const Match m = compareOpaque(shown, box.topLeft() * 2, want);
        QVERIFY(m.opaque > box.width() * box.height() / 2);
        QCOMPARE(m.same, m.opaque);
        // Scaling a bitmap drawn on the pixel grid gives what its source
        // gives; off the grid it does not, and the check tells them apart.
        if (curved) {
            const Match scaled =
                compareOpaque(shown, box.topLeft() * 2, picture.scaled(box.size() * 2));
            QVERIFY2(scaled.same < scaled.opaque * 98 / 100,
                     qPrintable(QStringLiteral("%1 of %2").arg(scaled.same).arg(scaled.opaque)));
        }
    }

    // The window icons: the bitmap at 100 %, the source at 200 %, where an
    // edge that is hard in the source stays hard.
    void windowIcons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("icon");
        QTest::newRow("pages' guitar folder") << "frmC"
                                              << "guitar-folder";
        QTest::newRow("about's rings") << "frmabout"
                                       << "rings";
        QTest::newRow("welcome's traffic light") << "frmstart"
                                                 << "traffic-light";
        QTest::newRow("finder's triangle") << "frmfind"
                                           << "triangle-down";
    }
    void windowIcons()
    {
        QFETCH(QString, window);
        QFETCH(QString, icon);
        rig->registry->show(window);
        const QIcon shown = rig->window(window).form().windowIcon();
        const QImage at100 = shown.pixmap(QSize(32, 32), 1.0).toImage();
        const QImage at200 = shown.pixmap(QSize(32, 32), 2.0).toImage();
        const QImage bitmap = forms::readPicture(QStringLiteral(":/icons/%1.xpm").arg(icon));
        QCOMPARE(differing(at100, bitmap), 0);
        QCOMPARE(at200.size(), QSize(64, 64));
        // Drawn on the pixel grid, these icons have no soft edge at 200 %; a
        // bitmap scaled up smoothly would be soft along every edge.
        QCOMPARE(softPixels(at200), 0);
        const QImage smooth = at100.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(softPixels(smooth) > 64);
        QVERIFY(shown.availableSizes().contains(QSize(64, 64)));
    }

    // Without its renderer the program draws the bitmaps and goes on.
    void withoutTheRenderer()
    {
        forms::useVectorRenderer(QStringLiteral("/nonexistent/libstrumkin-vector.so"));
        const QImage bitmap = forms::readPicture(QStringLiteral(":/icons/tick.xpm"));
        QVERIFY(forms::renderVector(bitmap, QSize(64, 64)).isNull());
        QCOMPARE(forms::iconFrom(bitmap).pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
        rig->registry->show(QStringLiteral("frmstart"));
        auto &control = dynamic_cast<forms::Button &>(rig->window("frmstart").control("Command1"));
        const QImage shown = control.widget()->grab().toImage();
        const QRect box = control.pictureArea();
        // The black tick shows as large as the bitmap scaled; how smoothly it
        // is scaled is the painter's business.
        const QImage scaled = bitmap.scaled(box.size() * 2);
        const Match ink = compareOpaque(scaled, {}, scaled);
        int dark = 0;
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                dark += qGray(shown.pixel(box.left() * 2 + x, box.top() * 2 + y)) < 96 ? 1 : 0;
        QVERIFY2(dark > ink.opaque * 8 / 10 && dark < ink.opaque * 12 / 10,
                 qPrintable(QStringLiteral("%1 against %2").arg(dark).arg(ink.opaque)));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    CrispTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_crisp.moc"
