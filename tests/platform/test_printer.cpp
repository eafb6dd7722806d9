// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/printer.h"
#include "support/files.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace strumkin;

namespace {

const QSizeF AMajorSheet(6192, 4800);
// The test's own print queue, this process's default printer.
const QString Queue = QStringLiteral("strumkin-test-%1").arg(QCoreApplication::applicationPid());

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
        painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("This is A major."));
    };
}

} // namespace

// PDF files, and print() only on a queue of the test's own on a running print server (none
// where there is no server or queues cannot be made): never on a printer of the user's.
class PrinterTest : public QObject {
    Q_OBJECT

    QString m_noQueue; // why there is no queue of the test's own; empty once made

private slots:
    void initTestCase()
    {
        m_noQueue = QStringLiteral("no print server is running (.ci/run starts one)");
        if (!runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains("is running"))
            return;
        QByteArray driver;
        for (const QByteArray &line :
             runTool(QStringLiteral("lpinfo"), {QStringLiteral("-m")}).split('\n')) {
            if (line.toLower().contains("cups-pdf"))
                driver = line.left(line.indexOf(' '));
        }
        m_noQueue = QStringLiteral("the print server has no CUPS-PDF driver");
        if (!driver.isEmpty() &&
            !runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), Queue, QStringLiteral("-v"),
                                                 QStringLiteral("cups-pdf:/"), QStringLiteral("-E"),
                                                 QStringLiteral("-m"), QString::fromLatin1(driver)})
                 .isNull())
            m_noQueue.clear();
        else if (!driver.isEmpty())
            m_noQueue = QStringLiteral("a print queue cannot be made here (needs admin rights)");
    }
    void cleanup()
    {
        if (!m_noQueue.isEmpty())
            return;
        runTool(QStringLiteral("cancel"), {QStringLiteral("-a"), Queue});
        runTool(QStringLiteral("cupsaccept"), {Queue});
        runTool(QStringLiteral("cupsenable"), {Queue});
    }
    void cleanupTestCase()
    {
        if (m_noQueue.isEmpty())
            runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue});
    }

    // A page is laid out at its own resolution, at its size in those pixels, then one uniform
    // scale of the painter, text included, takes it onto A4 paper with 10 mm margins (a
    // printable 190 x 277 mm, 10772 x 15704 twips): centred, filling the printable width or
    // height, whichever the page's shape meets first. A page without a size is refused before
    // it is drawn; one whose file cannot be saved after, as any save is.
    void pdf_data()
    {
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("fillsWidth");
        QTest::addColumn<QString>("refused"); // part of the reason; %1: the folder
        const auto row = [](const char *tag, QSizeF twips, int dpi, bool fillsWidth = true,
                            const char *refused = "", const char *path = "Amajor.pdf") {
            QTest::newRow(tag) << twips << dpi << path << fillsWidth << refused;
        };
        row("A major sheet", AMajorSheet, 96);
        row("A major sheet, 144 dpi", AMajorSheet, 144);
        row("tall and narrow", QSizeF(1000, 3000), 96, false);
        row("no width", QSizeF(0, 4800), 96, true, "no size");
        row("negative", QSizeF(-6192, -4800), 96, true, "no size");
        row("no resolution", AMajorSheet, 0, true, "no size");
        row("folder missing", AMajorSheet, 96, true, "%1/Chords ", "Chords/Amajor.pdf");
    }
    void pdf()
    {
        QFETCH(QSizeF, twips);
        QFETCH(int, dotsPerInch);
        QFETCH(QString, path);
        QFETCH(bool, fillsWidth);
        QFETCH(QString, refused);
        QTemporaryDir dir;
        const QString file = dir.filePath(path);
        QList<Call> calls;

        // Words with XML's own characters, as the metadata must carry them.
        const platform::PageText text{QStringLiteral("The A major"),
                                      QStringLiteral("Low E string muted; <1st> & \"2nd\"")};
        const auto result =
            platform::SystemPrinter().savePdf(file, text, twips, dotsPerInch, chordSheet(calls));

        if (!refused.isEmpty()) {
            QCOMPARE(result.outcome, platform::PrintResult::Failed);
            QVERIFY2(result.reason.contains(QString(refused).replace("%1", dir.path())),
                     qPrintable(result.reason));
            QCOMPARE(calls.size(), refused.contains("%1") ? 1 : 0);
            QCOMPARE(fileTree(dir.path()), QStringList());
            return;
        }
        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QVERIFY(result.reason.isEmpty());
        QCOMPARE(calls.size(), 1);
        const Call call = calls.first();
        QCOMPARE(call.resolution, dotsPerInch);
        QCOMPARE(call.target.size(), twips * dotsPerInch / 1440.0);
        const QTransform &t = call.transform;
        QVERIFY(t.type() <= QTransform::TxScale);
        QCOMPARE(t.m11(), t.m22());
        // Centred and on the paper, to a pixel.
        const QRectF onPaper = t.mapRect(call.target);
        const double gaps[] = {onPaper.left(), call.device.width() - onPaper.right(), onPaper.top(),
                               call.device.height() - onPaper.bottom()};
        const QString where =
            QStringLiteral("gaps %1 %2 %3 %4").arg(gaps[0]).arg(gaps[1]).arg(gaps[2]).arg(gaps[3]);
        QVERIFY2(qAbs(gaps[0] - gaps[1]) <= 1.0 && qAbs(gaps[2] - gaps[3]) <= 1.0,
                 qPrintable(where));
        QVERIFY2(gaps[0] >= -1.0 && gaps[2] >= -1.0, qPrintable(where));
        QVERIFY2(qAbs(gaps[fillsWidth ? 0 : 2]) <= 1.0, qPrintable(where));
        const QSizeF millimetres = call.device * (25.4 / dotsPerInch);
        QVERIFY(qAbs(millimetres.width() - 190.0) <= 1.0);
        QVERIFY(qAbs(millimetres.height() - 277.0) <= 1.0);

        // One page of text and vectors: drawn through a bitmap it would run to megabytes.
        QVERIFY(readWholeFile(file).size() < 100 * 1024);
        const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {file}));
        if (info.isEmpty())
            QSKIP("pdfinfo (poppler-utils, scripts/setup) is missing");
        for (const char *line : {"Pages: +1\n", "Title: +The A major\n", "Page size: .*\\(A4\\)"})
            QVERIFY2(info.contains(QRegularExpression(QLatin1String(line))), qPrintable(info));
        // The description as the document's metadata, where readers look for it.
        const QString meta = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {"-meta", file}));
        QVERIFY2(
            meta.contains(QLatin1String("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">"
                                        "Low E string muted; &lt;1st&gt; &amp; &quot;2nd&quot;"
                                        "</rdf:li>")),
            qPrintable(meta));
    }

    // A queue that rejects jobs or is stopped is reported, not taken for printed.
    void queue_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("takes jobs") << "" << int(platform::PrintResult::Printed) << "";
        QTest::newRow("rejects jobs") << "cupsreject" << int(platform::PrintResult::Failed)
                                      << "The printer %1 does not take any jobs at the moment, "
                                         "so nothing was printed.";
        QTest::newRow("stopped") << "cupsdisable" << int(platform::PrintResult::Failed)
                                 << "The printer %1 is stopped, so nothing was printed. Start it "
                                    "again in the printer settings, then print once more.";
    }
    void queue()
    {
        QFETCH(QString, command);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        if (!m_noQueue.isEmpty())
            QSKIP(qPrintable(m_noQueue));
        if (!command.isEmpty())
            QVERIFY(!runTool(command, {Queue}).isNull());
        QList<Call> calls;

        const auto result = platform::SystemPrinter().print(
            {QStringLiteral("The A major chord"), {}}, AMajorSheet, 96, chordSheet(calls));

        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.reason, reason.isEmpty() ? reason : reason.arg(Queue));
        QCOMPARE(calls.size(), outcome == platform::PrintResult::Printed ? 1 : 0);
        // A printed page may already have gone through the queue; a refused one never came.
        if (calls.isEmpty())
            QCOMPARE(runTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), Queue}).count('\n'),
                     0);
    }
};

int main(int argc, char *argv[])
{
    qputenv("PRINTER", Queue.toLatin1());
    QGuiApplication application(argc, argv);
    PrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printer.moc"
