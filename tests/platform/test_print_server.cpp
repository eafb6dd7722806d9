#include "platform/printer.h"
#include "support/findings.h"

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

// The system printer against a real print server, on a queue of the test's
// own made the default for this process: a queue that rejects jobs or is
// stopped must be reported, not taken for printed.
class PrintServerTest : public QObject {
    Q_OBJECT

    bool m_made = false;
    test::Findings m_findings{{QStringLiteral("Printing (print server)")}};

    int jobsWaiting() const
    {
        const QByteArray jobs = run(QStringLiteral("lpstat"), {QStringLiteral("-o"), Queue});
        return int(jobs.count('\n'));
    }

private slots:
    void initTestCase()
    {
        // Until a queue is made, every case counts as not run here.
        m_findings.skipped();
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
        if (run(QStringLiteral("lpadmin"),
                {QStringLiteral("-p"), Queue, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                 QStringLiteral("-E"), QStringLiteral("-m"), QString::fromLatin1(driver)})
                .isNull())
            QSKIP("a print queue cannot be made here (needs the print server's admin rights)");
        m_made = true;
        m_findings = test::Findings{{QStringLiteral("Printing (print server)")}};
    }
    void cleanupTestCase()
    {
        if (!m_made)
            return;
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), Queue});
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue});
        test::holdAgainstPage(m_findings, QStringLiteral(STRUMKIN_RELIABILITY_PAGE),
                              QStringLiteral(STRUMKIN_ARTEFACTS));
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
        QTest::addColumn<int>("jobs");
        QTest::newRow("the default queue takes jobs")
            << "" << int(platform::PrintResult::Printed) << "" << 1;
        QTest::newRow("the default queue rejects jobs")
            << "cupsreject" << int(platform::PrintResult::Failed) << "does not take any jobs" << 0;
        QTest::newRow("the default queue is stopped")
            << "cupsdisable" << int(platform::PrintResult::Failed) << "is stopped" << 0;
    }
    void aQueueThatCannotPrintIsReported()
    {
        QFETCH(QString, command);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        QFETCH(int, jobs);
        test::FindingScope finding(m_findings, QStringLiteral("Printing (print server)"),
                                   QString::fromLatin1(QTest::currentDataTag()));
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
        QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
        finding.saw(
            result.outcome == platform::PrintResult::Printed
                ? QStringLiteral("printed")
                : QStringLiteral("not printed: \"%1\"")
                      .arg(QString(result.reason).replace(Queue, QStringLiteral("<queue>"))));
        QCOMPARE(painted, jobs);
        // A printed page may already have gone through the queue.
        if (jobs == 0) {
            QCOMPARE(jobsWaiting(), 0);
            finding.saw(QStringLiteral("no job left in the queue"));
        }
    }
};

int main(int argc, char *argv[])
{
    // Test functions named on the command line run alone.
    test::setWholeRun(argc == 1);
    // The test's queue is this process's default printer.
    qputenv("PRINTER", Queue.toLatin1());
    QGuiApplication application(argc, argv);
    PrintServerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_print_server.moc"
