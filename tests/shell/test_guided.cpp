#include "forms/form.h"
#include "forms/label.h"
#include "forms/menuitem.h"
#include "forms/picture.h"
#include "forms/surface.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "shell/tiling.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/ink.h"
#include "support/windowsize.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFontMetricsF>
#include <QPointer>
#include <QtTest>

#include <cmath>

using namespace strumkin;

// The title window with its tiled texture, and the introduction.
class GuidedTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QTemporaryDir program;

    shell::WindowClass &window(const char *name)
    {
        return *rig->registry->instance(QLatin1String(name));
    }
    void click(const char *windowName, const char *control)
    {
        forms::Control &c = window(windowName).control(QLatin1String(control));
        if (auto *button = qobject_cast<QAbstractButton *>(c.widget()))
            button->click();
        else
            c.set(QStringLiteral("Value"), true);
    }
    void trigger(const char *windowName, const char *item)
    {
        window(windowName).controlAs<forms::MenuItem>(QLatin1String(item)).action()->trigger();
    }
    // Puts the program in a folder of the test's, holding a guitar picture
    // made of the given bytes (none: no picture at all).
    void programIn(const QString &folder, const QByteArray *picture)
    {
        QVERIFY(QDir().mkpath(folder));
        if (picture != nullptr) {
            QFile file(folder + QStringLiteral("/guitar1.BMP"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(*picture);
        }
        *rig->paths = platform::Paths(folder, rig->drive.path());
    }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        shell::registerShellWindows(*rig->registry);
        lessons::registerLessonWindows(*rig->registry);
        rig->standIn({QStringLiteral("frmsecret"), QStringLiteral("frmabout")});
    }
    void cleanup() { rig.reset(); }

    void tilingBounds_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("fw");
        QTest::addColumn<double>("fh");
        QTest::addColumn<int>("columns"); // -1: the tiling ends at once
        QTest::addColumn<int>("rows");
        QTest::newRow("title window") << 1920.0 << 1920.0 << 6555.0 << 7200.0 << 4 << 4;
        QTest::newRow("exact fit still one more") << 100.0 << 100.0 << 300.0 << 200.0 << 4 << 3;
        QTest::newRow("halves round to even") << 2.5 << 3.5 << 10.0 << 10.0 << 6 << 3;
        QTest::newRow("no picture") << 0.0 << 0.0 << 6555.0 << 7200.0 << -1 << -1;
        QTest::newRow("no height") << 1920.0 << 0.4 << 6555.0 << 7200.0 << -1 << -1;
        QTest::newRow("last 16-bit bound") << 1.0 << 1.0 << 32766.0 << 10.0 << 32767 << 11;
        QTest::newRow("beyond 16 bits") << 1.0 << 1.0 << 32767.0 << 10.0 << -1 << -1;
    }
    void tilingBounds()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, fw);
        QFETCH(double, fh);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const auto run = shell::tileRun(w, h, fw, fh);
        QCOMPARE(run.has_value(), columns >= 0);
        if (run) {
            QCOMPARE(run->columns, columns);
            QCOMPARE(run->rows, rows);
            int tiles = 0;
            QRectF last;
            shell::tile(*run, w, h, [&](const QRectF &at) {
                ++tiles;
                last = at;
            });
            QCOMPARE(tiles, (columns + 1) * (rows + 1));
            QCOMPARE(last, QRectF(columns * w, rows * h, w, h));
        }
    }

    void tilesReachPastTheRightAndBottomEdges()
    {
        rig->registry->show(QStringLiteral("frmstart"));
        forms::Form &form = window("frmstart").form();
        const QImage &background = form.surface().background();
        const QSize client = form.clientArea()->size();
        QVERIFY(background.width() > client.width());
        QVERIFY(background.height() > client.height());
        // Painted everywhere the window shows, up to its far corner.
        QCOMPARE(background.pixelColor(client.width() - 1, client.height() - 1).alpha(), 255);
        QCOMPARE(background.pixelColor(0, 0).alpha(), 255);
        QVERIFY(!window("frmstart")
                     .form()
                     .controlAs<forms::Picture>(QStringLiteral("Picture1"))
                     ->widget()
                     ->isVisible());
    }

    void theGuitarIsFoundInAFolderWithBlanks()
    {
        const QByteArray bytes = bitmapBytes();
        programIn(program.filePath(QStringLiteral("my guitar programs/strumkin")), &bytes);
        rig->registry->show(QStringLiteral("frmstart"));
        QCOMPARE(window("frmstart")
                     .form()
                     .controlAs<forms::Picture>(QStringLiteral("Image1"))
                     ->picture()
                     .size(),
                 QSize(40, 30));
    }

    void goingBackFromTheIntroductionTilesAgain()
    {
        rig->registry->show(QStringLiteral("frmstart"));
        // A pointer, not an address: a new window may be built where the old one was.
        const QPointer<forms::Form> first = &window("frmstart").form();
        click("frmstart", "Command1");
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmintro")});
        trigger("frmintro", "goback");
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmstart")});
        QVERIFY(first.isNull());
        QVERIFY(!window("frmstart").form().surface().background().isNull());
    }

    void theIntroductionShowsTheAMajorDiagramAtItsFretLabels()
    {
        rig->registry->show(QStringLiteral("frmintro"));
        const forms::Control &diagram = window("frmintro").control(QStringLiteral("Label4"));
        QCOMPARE(diagram.kind(), QStringLiteral("diagram"));
        QCOMPARE(diagram.get(QStringLiteral("Caption"))->toString(), QStringLiteral("a"));
        QCOMPARE(diagram.get(QStringLiteral("FontSize"))->toDouble(), 72.0);
    }

    // The dark-red paragraphs are the designed colour where the strokes are,
    // not a dim smear of it.
    void darkRedTextKeepsItsColour()
    {
        rig->registry->show(QStringLiteral("frmintro"));
        forms::Form &form = window("frmintro").form();
        const QWidget *text = window("frmintro").control(QStringLiteral("Label7")).widget();
        const QImage grab =
            form.grab(QRect(text->mapTo(&form, QPoint(0, 0)), text->size())).toImage();
        int strongest = 0;
        int ink = 0;
        int full = 0;
        for (int y = 0; y < grab.height(); ++y) {
            for (int x = 0; x < grab.width(); ++x) {
                const int red = qRed(grab.pixel(x, y));
                strongest = std::max(strongest, red);
                ink += red > 40 ? 1 : 0;
                full += red >= 188 ? 1 : 0;
            }
        }
        QVERIFY(ink > 0);
        QVERIFY2(strongest >= 188 && full * 2 >= ink,
                 qPrintable(QStringLiteral("strongest red %1, %2 of %3 inked pixels at 188 or more")
                                .arg(strongest)
                                .arg(full)
                                .arg(ink)));
    }

    // What the introduction teaches with its example: the string names each
    // under its string, each "Fret ___" at a fret row, as designed and
    // enlarged (the diagram keeps its size and its distance to the names and
    // the upper label, so the lower label moves on by a row).
    void theExampleLinesUpWithItsLabels_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("lowerRow");
        QTest::newRow("as designed") << 1.0 << 3;
        QTest::newRow("half as large again") << 1.5 << 4;
    }
    void theExampleLinesUpWithItsLabels()
    {
        QFETCH(double, factor);
        QFETCH(int, lowerRow);
        rig->registry->show(QStringLiteral("frmintro"));
        forms::Form &form = window("frmintro").form();
        test::resizeClient(form, factor);
        const auto &diagram =
            window("frmintro").controlAs<lessons::DiagramLabel>(QStringLiteral("Label4"));
        const forms::Scale scale = form.scale();
        const double twipsPerPixel = forms::TwipsPerInch / form.dpiX();
        const double em = diagram.widget()->font().pointSizeF() * 20; // twips
        const QPointF glyph((diagram.geometry().left() + diagram.drift().x()) * scale.twipsPerUnitX,
                            (diagram.geometry().top() + diagram.drift().y()) * scale.twipsPerUnitY);
        using namespace lessons::diagram;

        // Glyph centres of the names, as drawn, against the strings.
        const auto &names = window("frmintro").controlAs<forms::Label>(QStringLiteral("Label10"));
        const QList<double> centres = test::inkedRunCentres(names);
        QCOMPARE(centres.size(), lessons::StringCount);
        const double pitch = StringPitch * em;
        QStringList offsets;
        double worst = 0;
        for (int string = 0; string < lessons::StringCount; ++string) {
            const double off = names.geometry().left() * scale.twipsPerUnitX +
                               centres.at(string) * twipsPerPixel -
                               (glyph.x() + stringX(string) * em);
            offsets << QString::number(off / twipsPerPixel, 'f', 1);
            worst = std::max(worst, std::abs(off));
        }
        QVERIFY2(worst < 0.35 * pitch, qPrintable(QStringLiteral("names off their strings (px): %1")
                                                      .arg(offsets.join(QStringLiteral(", ")))));

        // The first line of each label against the rows: the upper one points
        // at the first fret the diagram shows, the lower one at the third, or
        // further down once it has moved with the grown window.
        const std::pair<const char *, int> markers[] = {{"Label5", 1}, {"Label6", lowerRow}};
        for (const auto &[markerName, row] : markers) {
            const forms::Control &marker = window("frmintro").control(QLatin1String(markerName));
            const double pointsAt =
                marker.geometry().top() * scale.twipsPerUnitY +
                QFontMetricsF(marker.widget()->font(), marker.widget()).height() / 2 *
                    twipsPerPixel;
            const double rowAt = glyph.y() + rowCentreY(row) * em;
            QVERIFY2(std::abs(pointsAt - rowAt) <= 0.35 * FretSpacing * em,
                     qPrintable(QStringLiteral("%1 at %2 twips, row %3 at %4")
                                    .arg(QLatin1String(markerName))
                                    .arg(pointsAt)
                                    .arg(row)
                                    .arg(rowAt)));
        }
    }
};

QTEST_MAIN(GuidedTest)
#include "test_guided.moc"
