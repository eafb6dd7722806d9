#include "platform/printer.h"
#include "support/files.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
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
        painter.fillRect(target, Qt::white);
        QPen pen(Qt::black);
        pen.setWidthF(target.width() / 300.0);
        painter.setPen(pen);
        const QRectF neck(target.left() + target.width() * 0.3,
                          target.top() + target.height() * 0.1, target.width() * 0.4,
                          target.height() * 0.6);
        for (int string = 0; string < 6; ++string) {
            const double x = neck.left() + neck.width() * string / 5.0;
            painter.drawLine(QPointF(x, neck.top()), QPointF(x, neck.bottom()));
        }
        for (int fret = 0; fret < 5; ++fret) {
            const double y = neck.top() + neck.height() * fret / 4.0;
            painter.drawLine(QPointF(neck.left(), y), QPointF(neck.right(), y));
        }
        QPainterPath finger;
        finger.addEllipse(neck.center(), neck.width() / 12.0, neck.width() / 12.0);
        painter.fillPath(finger, Qt::black);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(12);
        painter.setFont(font);
        painter.setPen(Qt::red);
        painter.drawText(
            QRectF(target.left(), neck.bottom(), target.width(), target.bottom() - neck.bottom()),
            Qt::AlignCenter, Sentence);
    };
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of one "Name: value" line of pdfinfo.
QString infoField(const QString &info, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

} // namespace

class PrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }
    void cleanup() { m_tmp.reset(); }

    void pdfIsOnePageOfTextAndVectors()
    {
        const QString path = m_tmp->filePath(QStringLiteral("Amajor.pdf"));
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result = printer.savePdf(path, QStringLiteral("The A major"), AMajorSheet, 96,
                                            chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QVERIFY(result.reason.isEmpty());
        QCOMPARE(calls.size(), 1);
        const QByteArray pdf = readWholeFile(path);
        QVERIFY(pdf.startsWith("%PDF-"));
        // A page drawn through a bitmap at this resolution runs to megabytes.
        QVERIFY2(pdf.size() < 100 * 1024, qPrintable(QString::number(pdf.size())));

        if (tool("pdfinfo").isEmpty()) {
            static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
            QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
            QSKIP("pdfinfo and pdftotext (poppler-utils) are not installed");
        }
        const QString info = run(tool("pdfinfo"), {path});
        QCOMPARE(infoField(info, QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(infoField(info, QStringLiteral("Title")), QStringLiteral("The A major"));
        QVERIFY2(infoField(info, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")),
                 qPrintable(info));

        if (!tool("pdfimages").isEmpty()) {
            // The header of the listing is two lines; any more is an image.
            const QStringList images = run(tool("pdfimages"), {QStringLiteral("-list"), path})
                                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(images.size(), 2);
        }
        if (tool("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = run(tool("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY2(text.contains(Sentence), qPrintable(text));
    }

    void pageFillsThePaper_data()
    {
        // The PDF page is A4, 210 x 297 mm, with 10 mm margins: a printable
        // 190 x 277 mm, 10772 x 15704 twips.
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<bool>("fillsWidth");
        QTest::newRow("A major sheet") << AMajorSheet << 96 << true;
        QTest::newRow("A major sheet, 120 dpi") << AMajorSheet << 120 << true;
        QTest::newRow("A major sheet, 144 dpi") << AMajorSheet << 144 << true;
        QTest::newRow("G minor sheet") << QSizeF(6552, 4992) << 96 << true;
        QTest::newRow("tall and narrow") << QSizeF(1000, 3000) << 96 << false;
        QTest::newRow("the printable area's shape") << QSizeF(10772, 15704) << 96 << true;
        QTest::newRow("wider than the paper") << QSizeF(20000, 5000) << 96 << true;
        QTest::newRow("taller than the paper") << QSizeF(8000, 30000) << 96 << false;
        QTest::newRow("larger both ways") << QSizeF(40000, 40000) << 96 << true;
    }
    void pageFillsThePaper()
    {
        QFETCH(QSizeF, twips);
        QFETCH(int, dotsPerInch);
        QFETCH(bool, fillsWidth);
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result =
            printer.savePdf(m_tmp->filePath(QStringLiteral("sheet.pdf")), QStringLiteral("Form1"),
                            twips, dotsPerInch, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QCOMPARE(calls.size(), 1);
        const Call call = calls.first();
        // The page is laid out at its own resolution: the device has it, and
        // the target is the page's size in its pixels.
        QCOMPARE(call.resolution, dotsPerInch);
        QCOMPARE(call.target.width(), twips.width() * dotsPerInch / 1440.0);
        QCOMPARE(call.target.height(), twips.height() * dotsPerInch / 1440.0);
        // Then one uniform scale of the painter, text included, takes it
        // onto the paper.
        const QTransform &t = call.transform;
        QVERIFY(t.type() <= QTransform::TxScale);
        QCOMPARE(t.m11(), t.m22());

        const QRectF onPaper = t.mapRect(call.target);
        const double left = onPaper.left();
        const double right = call.device.width() - onPaper.right();
        const double top = onPaper.top();
        const double bottom = call.device.height() - onPaper.bottom();
        const QString gaps =
            QStringLiteral("gaps %1 %2 %3 %4").arg(left).arg(right).arg(top).arg(bottom);
        // Centred and on the paper, to a pixel; filling its printable width
        // or its height, whichever the page's shape meets first.
        QVERIFY2(qAbs(left - right) <= 1.0 && qAbs(top - bottom) <= 1.0, qPrintable(gaps));
        QVERIFY2(left >= -1.0 && top >= -1.0, qPrintable(gaps));
        QVERIFY2(qAbs(fillsWidth ? left : top) <= 1.0, qPrintable(gaps));
        // The printable area is what lies within 10 mm of the A4 edges, to a
        // millimetre (the device rounds it to whole pixels of whole points).
        const QSizeF millimetres = call.device * (25.4 / dotsPerInch);
        QVERIFY2(qAbs(millimetres.width() - 190.0) <= 1.0 &&
                     qAbs(millimetres.height() - 277.0) <= 1.0,
                 qPrintable(QStringLiteral("printable %1 x %2")
                                .arg(call.device.width())
                                .arg(call.device.height())));
    }

    void pdfInAMissingFolderIsRefused()
    {
        const QString folder = m_tmp->filePath(QStringLiteral("Chords"));
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result =
            printer.savePdf(folder + QStringLiteral("/Amajor.pdf"), QStringLiteral("The A major"),
                            AMajorSheet, 96, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Failed);
        QVERIFY2(result.reason.contains(QDir::toNativeSeparators(folder)),
                 qPrintable(result.reason));
        QCOMPARE(fileTree(m_tmp->path()), QStringList());
    }

    void pageWithoutSizeIsRefused_data()
    {
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<int>("dotsPerInch");
        QTest::newRow("no width") << QSizeF(0, 4800) << 96;
        QTest::newRow("no height") << QSizeF(6192, 0) << 96;
        QTest::newRow("negative") << QSizeF(-6192, -4800) << 96;
        QTest::newRow("no resolution") << AMajorSheet << 0;
    }
    void pageWithoutSizeIsRefused()
    {
        QFETCH(QSizeF, twips);
        QFETCH(int, dotsPerInch);
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result =
            printer.savePdf(m_tmp->filePath(QStringLiteral("sheet.pdf")), QStringLiteral("Form1"),
                            twips, dotsPerInch, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Failed);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(calls.size(), 0);
        QCOMPARE(fileTree(m_tmp->path()), QStringList());
    }

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
};

QTEST_MAIN(PrinterTest)
#include "test_printer.moc"
