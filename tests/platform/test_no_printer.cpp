#include "platform/printer.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <QtTest>

using namespace strumkin;

// The computer as one without any printer: the print server cannot be reached.
class NoPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void printingSaysThereIsNoPrinter()
    {
        // Were a printer still found, print() would send it a real job.
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "a printer is reachable after all");
        int calls = 0;
        const auto result =
            platform::SystemPrinter().print(QStringLiteral("The A major"), QSizeF(6192, 4800), 96,
                                            [&calls](QPainter &, const QRectF &) { ++calls; });
        QCOMPARE(result.outcome, platform::PrintResult::NoPrinter);
        QCOMPARE(result.reason, QStringLiteral("There is no printer set up on this computer."));
        QCOMPARE(calls, 0);
    }
};

int main(int argc, char **argv)
{
    // Set here rather than by the test runner, so that running this program by hand cannot
    // print either; the print client reads it once, at its first query.
    qputenv("CUPS_SERVER", "/nonexistent/socket");
    QGuiApplication app(argc, argv);
    NoPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_no_printer.moc"
