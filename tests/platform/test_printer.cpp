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

        const auto result =
            printer.savePdf(path, QStringLiteral("The A major"), AMajorSheet, chordSheet(calls));

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

    void pageKeepsItsSizeOnThePaper_data()
    {
        // The PDF page is A4 as 595 x 842 points, 11900 x 16840 twips.
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<bool>("shrunk");
        QTest::newRow("A major sheet") << AMajorSheet << false;
        QTest::newRow("G minor sheet") << QSizeF(6552, 4992) << false;
        QTest::newRow("as large as the paper") << QSizeF(11900, 16840) << false;
        QTest::newRow("wider than the paper") << QSizeF(20000, 5000) << true;
        QTest::newRow("taller than the paper") << QSizeF(8000, 30000) << true;
        QTest::newRow("larger both ways") << QSizeF(40000, 40000) << true;
    }
    void pageKeepsItsSizeOnThePaper()
    {
        QFETCH(QSizeF, twips);
        QFETCH(bool, shrunk);
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result = printer.savePdf(m_tmp->filePath(QStringLiteral("sheet.pdf")),
                                            QStringLiteral("Form1"), twips, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QCOMPARE(calls.size(), 1);
        const Call call = calls.first();
        // The target is the page at its physical size in device pixels.
        QVERIFY(call.resolution > 0);
        QCOMPARE(call.target.width(), twips.width() * call.resolution / 1440.0);
        QCOMPARE(call.target.height(), twips.height() * call.resolution / 1440.0);
        // Any shrinking is one uniform scale of the painter, text included.
        const QTransform &t = call.transform;
        QVERIFY(t.type() <= QTransform::TxScale);
        QCOMPARE(t.m11(), t.m22());
        QCOMPARE(t.m11() < 1.0, shrunk);

        const QRectF onPaper = t.mapRect(call.target);
        const double left = onPaper.left();
        const double right = call.device.width() - onPaper.right();
        const double top = onPaper.top();
        const double bottom = call.device.height() - onPaper.bottom();
        const QString gaps =
            QStringLiteral("gaps %1 %2 %3 %4").arg(left).arg(right).arg(top).arg(bottom);
        // Centred and on the paper, to a pixel.
        QVERIFY2(qAbs(left - right) <= 1.0 && qAbs(top - bottom) <= 1.0, qPrintable(gaps));
        QVERIFY2(left >= -1.0 && top >= -1.0, qPrintable(gaps));
        // Shrunk no more than needed: it then spans the paper one way.
        if (shrunk)
            QVERIFY2(qMin(left, top) <= 1.0, qPrintable(gaps));
    }

    void pdfInAMissingFolderIsRefused()
    {
        const QString folder = m_tmp->filePath(QStringLiteral("Chords"));
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result =
            printer.savePdf(folder + QStringLiteral("/Amajor.pdf"), QStringLiteral("The A major"),
                            AMajorSheet, chordSheet(calls));

        QCOMPARE(result.outcome, platform::PrintResult::Failed);
        QVERIFY2(result.reason.contains(QDir::toNativeSeparators(folder)),
                 qPrintable(result.reason));
        QCOMPARE(fileTree(m_tmp->path()), QStringList());
    }

    void pageWithoutSizeIsRefused_data()
    {
        QTest::addColumn<QSizeF>("twips");
        QTest::newRow("no width") << QSizeF(0, 4800);
        QTest::newRow("no height") << QSizeF(6192, 0);
        QTest::newRow("negative") << QSizeF(-6192, -4800);
    }
    void pageWithoutSizeIsRefused()
    {
        QFETCH(QSizeF, twips);
        QList<Call> calls;
        platform::SystemPrinter printer;

        const auto result = printer.savePdf(m_tmp->filePath(QStringLiteral("sheet.pdf")),
                                            QStringLiteral("Form1"), twips, chordSheet(calls));

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
