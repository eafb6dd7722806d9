#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "support/doubles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace strumkin;
using Watch = platform::DesktopLauncher::Watch;

namespace {

// True while this process has a child, running or not yet reaped.
bool anyChild()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0;
}

} // namespace

// The real launcher, with a stand-in opener first on the program search path.
class DesktopLauncherTest : public QObject {
    Q_OBJECT

    QTemporaryDir bin;
    QByteArray searchPath;
    pid_t lingering = 0;

    bool opener(const QByteArray &body) const
    {
        const QString file = bin.filePath(QStringLiteral("xdg-open"));
        QFile::remove(file);
        QFile script(file);
        return script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n" + body + "\n") > 0 &&
               script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    struct Host {
        test::ScriptedPrompter prompter;
        platform::Paths paths{QStringLiteral("/opt/strumkin"), QStringLiteral("/home/player")};
        std::unique_ptr<platform::DesktopLauncher> launcher;
        platform::Services services;

        explicit Host(Watch watch) : launcher(std::make_unique<platform::DesktopLauncher>(watch))
        {
            services.prompter = &prompter;
            services.paths = &paths;
            services.launcher = launcher.get();
        }
    };

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
        searchPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + searchPath);
    }
    void cleanupTestCase() { qputenv("PATH", searchPath); }
    void cleanup()
    {
        // A stand-in left waiting for the word gets it, so none lingers on.
        const int word = ::open(QFile::encodeName(bin.filePath(QStringLiteral("go"))).constData(),
                                O_WRONLY | O_NONBLOCK);
        if (word >= 0) {
            [[maybe_unused]] const ssize_t written = ::write(word, "\n", 1);
            ::close(word);
        }
        if (lingering > 0) {
            ::kill(lingering, SIGKILL);
            ::waitpid(lingering, nullptr, 0);
            lingering = 0;
        }
    }

    void theEndIsReportedLater_data()
    {
        QTest::addColumn<Watch>("watch");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("signalled");
        QTest::addColumn<int>("exitCode");
        for (const auto &[watch, name] :
             {std::pair{Watch::Descriptor, "descriptor"}, std::pair{Watch::Polling, "polling"}}) {
            QTest::addRow("%s, opened", name) << watch << QByteArray("exit 0") << false << 0;
            QTest::addRow("%s, no program", name) << watch << QByteArray("exit 3") << false << 3;
            QTest::addRow("%s, failed", name) << watch << QByteArray("exit 4") << false << 4;
            QTest::addRow("%s, killed", name) << watch << QByteArray("kill -KILL $$") << true << 0;
        }
    }
    void theEndIsReportedLater()
    {
        QFETCH(Watch, watch);
        QFETCH(QByteArray, body);
        QFETCH(bool, signalled);
        QFETCH(int, exitCode);
        QVERIFY(opener(body));
        platform::DesktopLauncher launcher(watch);
        std::vector<platform::LaunchEnd> ends;

        QVERIFY(launcher.start(QStringLiteral("xdg-open"),
                               {QStringLiteral("https://www.example.org/strumkin")},
                               [&ends](const platform::LaunchEnd &end) { ends.push_back(end); }));
        QVERIFY(ends.empty());
        // Qt's own child processes come and go without taking ours.
        QCOMPARE(QProcess::execute(QStringLiteral("true")), 0);

        QTRY_COMPARE(ends.size(), 1u);
        QCOMPARE(ends[0].signalled, signalled);
        QCOMPARE(ends[0].exitCode, exitCode);
        QVERIFY2(!anyChild(), "the ended opener is reaped");
    }

    void theOperationsTellWhatCouldNotBeOpened_data()
    {
        QTest::addColumn<bool>("readme");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("named");

        const QString readme = QStringLiteral("The readme file \"/opt/strumkin/readme.txt\"");
        const QString address =
            QStringLiteral("The address \"https://www.example.org/strumkin/members\"");
        QTest::newRow("readme opened") << true << 0 << QString();
        QTest::newRow("address opened") << false << 0 << QString();
        QTest::newRow("readme, no program") << true << 3 << readme;
        QTest::newRow("address, no program") << false << 3 << address;
        QTest::newRow("readme, failed") << true << 4 << readme;
        QTest::newRow("address, failed") << false << 4 << address;
    }
    void theOperationsTellWhatCouldNotBeOpened()
    {
        QFETCH(bool, readme);
        QFETCH(int, exitCode);
        QFETCH(QString, named);
        QVERIFY(opener("exit " + QByteArray::number(exitCode)));
        Host host(Watch::Descriptor);

        if (readme)
            shell::OpenReadme(host.services);
        else
            shell::OpenAddress(host.services, QLatin1String(shell::MemberWebPage));
        QVERIFY(host.prompter.shown.empty());

        // The end is told in the same turn that reaps the opener.
        QTRY_VERIFY(!anyChild());
        if (named.isEmpty()) {
            QVERIFY(host.prompter.shown.empty());
            return;
        }
        QCOMPARE(host.prompter.shown.size(), 1u);
        const QString text = host.prompter.shown.front().text;
        QVERIFY2(text.startsWith(named + QStringLiteral(" could not be opened: ")),
                 qPrintable(text));
    }

    void aLingeringOpenerOutlivesTheLauncher_data()
    {
        QTest::addColumn<Watch>("watch");
        QTest::newRow("descriptor") << Watch::Descriptor;
        QTest::newRow("polling") << Watch::Polling;
    }
    void aLingeringOpenerOutlivesTheLauncher()
    {
        QFETCH(Watch, watch);
        const QByteArray pidFile = QFile::encodeName(bin.filePath(QStringLiteral("pid")));
        const QByteArray go = QFile::encodeName(bin.filePath(QStringLiteral("go")));
        QFile::remove(QFile::decodeName(pidFile));
        QFile::remove(QFile::decodeName(go));
        QCOMPARE(::mkfifo(go.constData(), 0600), 0);
        // Says who it is, then waits for the test's word and gives up.
        QVERIFY(opener("echo $$ >'" + pidFile + ".tmp' && mv '" + pidFile + ".tmp' '" + pidFile +
                       "'\nread line <'" + go + "'\nexit 3"));
        Host host(watch);

        shell::OpenReadme(host.services);
        QTRY_VERIFY(QFile::exists(QFile::decodeName(pidFile)));
        QFile written(QFile::decodeName(pidFile));
        QVERIFY(written.open(QIODevice::ReadOnly));
        lingering = written.readAll().trimmed().toInt();
        QVERIFY(lingering > 0);
        QCoreApplication::processEvents();
        QVERIFY(host.prompter.shown.empty());
        QCOMPARE(::getsid(lingering), lingering);

        host.launcher.reset();
        int status = 0;
        QCOMPARE(::waitpid(lingering, &status, WNOHANG), 0);

        // Its end now reaches nobody: the test reaps it, and no message comes.
        {
            QFile word(QFile::decodeName(go));
            QVERIFY(word.open(QIODevice::WriteOnly));
            QVERIFY(word.write("\n") == 1);
        }
        QCOMPARE(::waitpid(lingering, &status, 0), lingering);
        lingering = 0;
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 3);
        QCoreApplication::processEvents();
        QVERIFY(host.prompter.shown.empty());
    }

    void aProgramThatIsNowhereIsNotStarted()
    {
        platform::DesktopLauncher launcher;
        QVERIFY(!launcher.start(QStringLiteral("strumkin-no-such-program"), {}, {}));
        QVERIFY(!anyChild());
    }
};

QTEST_GUILESS_MAIN(DesktopLauncherTest)
#include "test_desktoplauncher.moc"
