#include "platform/printer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QtTest>

using namespace strumkin;

namespace {

// Runs one of the print server's tools; its output, or null when it failed.
QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    const QByteArray output = process.readAllStandardOutput();
    return output.isNull() ? QByteArray("") : output;
}

const QString Queue = QStringLiteral("strumkin-test-%1").arg(QCoreApplication::applicationPid());

} // namespace

// The system printer against a real print server, on a queue of the test's own made the
// default for this process: a queue that rejects jobs or is stopped must be reported, not
// taken for printed.
class PrintServerTest : public QObject {
    Q_OBJECT

    bool m_made = false;

private slots:
    void initTestCase()
    {
        if (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains("is running"))
            QSKIP("no print server is running (.ci/run starts one)");
        QByteArray driver;
        for (const QByteArray &line :
             run(QStringLiteral("lpinfo"), {QStringLiteral("-m")}).split('\n')) {
            if (line.toLower().contains("cups-pdf"))
                driver = line.left(line.indexOf(' '));
        }
        if (driver.isEmpty())
            QSKIP("the print server has no CUPS-PDF driver");
        m_made =
            !run(QStringLiteral("lpadmin"),
                 {QStringLiteral("-p"), Queue, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                  QStringLiteral("-E"), QStringLiteral("-m"), QString::fromLatin1(driver)})
                 .isNull();
        if (!m_made)
            QSKIP("a print queue cannot be made here (needs the print server's admin rights)");
    }
    void cleanupTestCase()
    {
        if (m_made)
            run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue});
    }
    void cleanup()
    {
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), Queue});
        run(QStringLiteral("cupsaccept"), {Queue});
        run(QStringLiteral("cupsenable"), {Queue});
    }

    void aQueueThatCannotPrintIsReported_data()
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
    void aQueueThatCannotPrintIsReported()
    {
        QFETCH(QString, command);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        if (!command.isEmpty())
            QVERIFY(!run(command, {Queue}).isNull());
        int painted = 0;

        const auto result = platform::SystemPrinter().print(
            QStringLiteral("The A major chord"), QSizeF(6192, 4800), 96,
            [&painted](QPainter &painter, const QRectF &target) {
                painter.drawRect(target);
                ++painted;
            });

        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.reason, reason.isEmpty() ? reason : reason.arg(Queue));
        QCOMPARE(painted, outcome == platform::PrintResult::Printed ? 1 : 0);
        // A printed page may already have gone through the queue; a refused one never came.
        if (painted == 0)
            QCOMPARE(run(QStringLiteral("lpstat"), {QStringLiteral("-o"), Queue}).count('\n'), 0);
    }
};

int main(int argc, char *argv[])
{
    // The test's queue is this process's default printer.
    qputenv("PRINTER", Queue.toLatin1());
    QGuiApplication application(argc, argv);
    PrintServerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_print_server.moc"
