#include "platform/printer.h"
#include "support/files.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace strumkin;

// The computer as one without any printer: the print server cannot be reached.
class NoPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Were a printer still found, print() would send it a real job.
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "a printer is reachable after all");
    }

    void printingSaysThereIsNoPrinter()
    {
        int calls = 0;
        platform::SystemPrinter printer;

        const auto result = printer.print(QStringLiteral("The A major"), QSizeF(6192, 4800), 96,
                                          [&calls](QPainter &, const QRectF &) { ++calls; });

        QCOMPARE(result.outcome, platform::PrintResult::NoPrinter);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(calls, 0);
    }

    // The way out offered where there is no printer.
    void aPdfNeedsNoPrinter()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Amajor.pdf"));
        int calls = 0;
        platform::SystemPrinter printer;

        const auto result = printer.savePdf(path, QStringLiteral("The A major"), QSizeF(6192, 4800),
                                            96, [&calls](QPainter &, const QRectF &) { ++calls; });

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QCOMPARE(calls, 1);
        QVERIFY(readWholeFile(path).startsWith("%PDF-"));
    }
};

int main(int argc, char **argv)
{
    // Set here rather than by the test runner, so that running this program
    // by hand cannot print either; the print client reads it once, at its
    // first query.
    qputenv("CUPS_SERVER", "/nonexistent/socket");
    QGuiApplication app(argc, argv);
    NoPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_no_printer.moc"
