#include "platform/printer.h"
#include "support/files.h"

#include <QPaintDevice>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace strumkin;

namespace {

const QString Sentence = QStringLiteral("This is the A major chord.");
const QSizeF AMajorSheet(6192, 4800);

// What the page painter was given, one entry per call.
struct Call {
    QRectF target;
    QTransform transform;
    QSizeF device;
    int resolution = 0;
};

// A chord sheet's kind of content: strokes, a filled shape and a sentence.
platform::PagePainter chordSheet(QList<Call> &calls)
{
    return [&calls](QPainter &painter, const QRectF &target) {
        const QPaintDevice &device = *painter.device();
        calls.append({target, painter.worldTransform(), QSizeF(device.width(), device.height()),
                      device.logicalDpiX()});
        for (int string = 0; string < 6; ++string)
            painter.drawLine(target.topLeft() + QPointF(string * 10, 0),
                             target.bottomLeft() + QPointF(string * 10, 0));
        painter.setBrush(Qt::black);
        painter.drawEllipse(target.center(), 8, 8);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
        painter.drawText(target, Qt::AlignCenter, Sentence);
    };
}

// A tool's output, or empty when it is not installed or fails.
QString run(const char *tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), arguments);
    process.waitForFinished(30000);
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : "";
}

} // namespace

class PrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

private slots:
    void pdfIsOnePageOfTextAndVectors()
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("pdfinfo, pdfimages and pdftotext (poppler-utils, scripts/setup) are missing");
        const QString path = tmp.filePath(QStringLiteral("Amajor.pdf"));
        QList<Call> calls;

        const auto result = platform::SystemPrinter().savePdf(path, QStringLiteral("The A major"),
                                                              AMajorSheet, 96, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QVERIFY(result.reason.isEmpty());
        QCOMPARE(calls.size(), 1);
        // A page drawn through a bitmap at this resolution runs to megabytes.
        QVERIFY(readWholeFile(path).size() < 100 * 1024);
        const QString info = run("pdfinfo", {path});
        for (const char *line : {"Pages: +1\n", "Title: +The A major\n", "Page size: .*\\(A4\\)"})
            QVERIFY2(info.contains(QRegularExpression(QLatin1String(line))), qPrintable(info));
        // The listing's header is two lines; any more is an image.
        QCOMPARE(run("pdfimages", {QStringLiteral("-list"), path}).count('\n'), 2);
        QVERIFY(run("pdftotext", {path, QStringLiteral("-")}).contains(Sentence));
    }

    void pageFillsThePaper_data()
    {
        // The PDF page is A4, 210 x 297 mm, with 10 mm margins: a printable 190 x 277 mm,
        // 10772 x 15704 twips.
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<bool>("fillsWidth");
        QTest::newRow("A major sheet") << AMajorSheet << 96 << true;
        QTest::newRow("A major sheet, 144 dpi") << AMajorSheet << 144 << true;
        QTest::newRow("tall and narrow") << QSizeF(1000, 3000) << 96 << false;
        QTest::newRow("the printable area's shape") << QSizeF(10772, 15704) << 96 << true;
        QTest::newRow("larger both ways") << QSizeF(40000, 40000) << 96 << true;
    }
    void pageFillsThePaper()
    {
        QFETCH(QSizeF, twips);
        QFETCH(int, dotsPerInch);
        QFETCH(bool, fillsWidth);
        QList<Call> calls;

        const auto result =
            platform::SystemPrinter().savePdf(tmp.filePath("sheet.pdf"), QStringLiteral("Form1"),
                                              twips, dotsPerInch, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QCOMPARE(calls.size(), 1);
        const Call call = calls.first();
        // Laid out at the page's own resolution, at its size in those pixels...
        QCOMPARE(call.resolution, dotsPerInch);
        QCOMPARE(call.target.size(), twips * dotsPerInch / 1440.0);
        // ...then one uniform scale of the painter, text included, takes it onto the paper.
        const QTransform &t = call.transform;
        QVERIFY(t.type() <= QTransform::TxScale);
        QCOMPARE(t.m11(), t.m22());
        // Centred and on the paper, to a pixel; filling its printable width or its height,
        // whichever the page's shape meets first.
        const QRectF onPaper = t.mapRect(call.target);
        const double gaps[] = {onPaper.left(), call.device.width() - onPaper.right(), onPaper.top(),
                               call.device.height() - onPaper.bottom()};
        const QString where =
            QStringLiteral("gaps %1 %2 %3 %4").arg(gaps[0]).arg(gaps[1]).arg(gaps[2]).arg(gaps[3]);
        QVERIFY2(qAbs(gaps[0] - gaps[1]) <= 1.0 && qAbs(gaps[2] - gaps[3]) <= 1.0,
                 qPrintable(where));
        QVERIFY2(gaps[0] >= -1.0 && gaps[2] >= -1.0, qPrintable(where));
        QVERIFY2(qAbs(gaps[fillsWidth ? 0 : 2]) <= 1.0, qPrintable(where));
        // The printable area lies within 10 mm of the A4 edges, to a millimetre.
        const QSizeF millimetres = call.device * (25.4 / dotsPerInch);
        QVERIFY(qAbs(millimetres.width() - 190.0) <= 1.0);
        QVERIFY(qAbs(millimetres.height() - 277.0) <= 1.0);
    }

    void pdfRefused_data()
    {
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("calls");
        QTest::newRow("no width") << QSizeF(0, 4800) << 96 << "sheet.pdf" << 0;
        QTest::newRow("no height") << QSizeF(6192, 0) << 96 << "sheet.pdf" << 0;
        QTest::newRow("negative") << QSizeF(-6192, -4800) << 96 << "sheet.pdf" << 0;
        QTest::newRow("no resolution") << AMajorSheet << 0 << "sheet.pdf" << 0;
        // Drawn, then refused as any save is.
        QTest::newRow("folder missing") << AMajorSheet << 96 << "Chords/Amajor.pdf" << 1;
    }
    void pdfRefused()
    {
        QFETCH(QSizeF, twips);
        QFETCH(int, dotsPerInch);
        QFETCH(QString, path);
        QFETCH(int, calls);
        QTemporaryDir empty;
        QList<Call> made;

        const auto result = platform::SystemPrinter().savePdf(
            empty.filePath(path), QStringLiteral("Form1"), twips, dotsPerInch, chordSheet(made));

        QCOMPARE(result.outcome, platform::PrintResult::Failed);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(result.reason.contains(calls == 0 ? "no size" : empty.filePath("Chords ")));
        QCOMPARE(made.size(), calls);
        QCOMPARE(fileTree(empty.path()), QStringList());
    }
};

QTEST_MAIN(PrinterTest)
#include "test_printer.moc"
