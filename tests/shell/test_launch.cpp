#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "support/doubles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace strumkin;
using Watch = platform::DesktopLauncher::Watch;

namespace {

enum Operation { Help, Readme, Address };

void run(Operation operation, const platform::Services &services,
         const QString &address = QLatin1String(shell::MemberWebPage))
{
    if (operation == Help)
        shell::OpenHelpFile(services);
    else if (operation == Readme)
        shell::OpenReadme(services);
    else
        shell::OpenAddress(services, address);
}

// True while this process has a child, running or not yet reaped.
bool anyChild()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0;
}

} // namespace

// The command lines, what the recording launcher is asked to start and what
// the user is told; then the real launcher, with a stand-in opener first on
// the program search path.
class LaunchTest : public QObject {
    Q_OBJECT

    test::ScriptedPrompter prompter;
    platform::Paths paths{QStringLiteral("/opt/strumkin"), QStringLiteral("/home/player")};
    test::RecordingLauncher recorder;
    std::unique_ptr<platform::DesktopLauncher> desktop;
    platform::Services services;
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

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
        searchPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + searchPath);
    }
    void cleanupTestCase() { qputenv("PATH", searchPath); }
    void init()
    {
        prompter.shown.clear();
        recorder.starts.clear();
        recorder.result = true;
        paths = platform::Paths(QStringLiteral("/opt/strumkin"), QStringLiteral("/home/player"));
        services.prompter = &prompter;
        services.paths = &paths;
        services.launcher = &recorder;
    }
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
        desktop.reset();
    }

    // Each operation's command line as the original platform would start it,
    // and what the host starts instead.
    void commandLines_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("argument"); // the program folder or the address
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("host");
        QTest::newRow("help") << int(Help) << "/opt/strumkin"
                              << "winhelp \\opt\\strumkin\\chords.hlp"
                              << "/opt/strumkin/chords.html";
        QTest::newRow("readme, blanks kept") << int(Readme) << "/opt/a  b/c d"
                                             << "notepad \\opt\\a  b\\c d\\readme.txt"
                                             << "/opt/a  b/c d/readme.txt";
        // On the mapped drive the host path lies under the drive root.
        QTest::newRow("help on the drive") << int(Help) << "C:/Program Files/Strumkin"
                                           << "winhelp C:\\Program Files\\Strumkin\\chords.hlp"
                                           << "/home/player/Program Files/Strumkin/chords.html";
        const char *const addresses[][2] = {
            {"www.example.org/strumkin", "https://www.example.org/strumkin"},
            {"www.example.org:8080/strumkin", "https://www.example.org:8080/strumkin"},
            {"http://www.example.org/strumkin", "http://www.example.org/strumkin"},
            {"mailto:strumkin@example.org", "mailto:strumkin@example.org"},
            {"www.example.org/a b", "https://www.example.org/a b"}};
        for (const auto &[address, host] : addresses) {
            QTest::addRow("%s", address)
                << int(Address) << address << QStringLiteral("Start.exe ") + QLatin1String(address)
                << host;
        }
    }
    void commandLines()
    {
        QFETCH(int, operation);
        QFETCH(QString, argument);
        QFETCH(QString, command);
        QFETCH(QString, host);
        paths = platform::Paths(argument, QStringLiteral("/home/player"));
        const shell::CommandLine line =
            operation == Help     ? shell::helpFileCommand(paths.programFolder())
            : operation == Readme ? shell::readmeCommand(paths.programFolder())
                                  : shell::addressCommand(argument);
        QCOMPARE(line.text, command);
        QCOMPARE(line.showMode, operation == Address ? 0 : 1);
        run(Operation(operation), services, argument);
        QCOMPARE(recorder.starts.size(), 1u);
        QCOMPARE(recorder.starts[0].program, QStringLiteral("xdg-open"));
        QCOMPARE(recorder.starts[0].arguments, QStringList{host});
        QVERIFY(prompter.shown.empty());
    }

    // Until the project has a home, no link may lead to a real site.
    void everyAddressIsAnExampleOne()
    {
        for (const char *address : {shell::AuthorWebPage, shell::AuthorMail, shell::TeacherWebPage,
                                    shell::MemberWebPage}) {
            const shell::CommandLine command = shell::addressCommand(QLatin1String(address));
            const QUrl url(shell::hostCommand(command, paths).arguments.value(0), QUrl::StrictMode);
            const QString domain =
                url.host().isEmpty() ? url.path().section(QLatin1Char('@'), -1) : url.host();
            QVERIFY2(url.isValid() && (domain.endsWith(QLatin1String("example.org")) ||
                                       domain.endsWith(QLatin1String("example.com"))),
                     address);
        }
    }

    // How the opener ended, told when it ends; -1: it could not be started.
    void whatCouldNotBeOpenedIsTold_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<bool>("signalled");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString help = QStringLiteral("The help file \"/opt/strumkin/chords.html\"");
        const QString readme = QStringLiteral("The readme file \"/opt/strumkin/readme.txt\"");
        const QString address =
            QStringLiteral("The address \"https://www.example.org/strumkin/members\"");
        QTest::newRow("opened") << int(Help) << false << 0 << QString();
        QTest::newRow("killed") << int(Readme) << true << 9 << QString();
        QTest::newRow("bad command line")
            << int(Help) << false << 1
            << help + " could not be opened: the desktop's opener \"xdg-open\" did not "
                      "understand the request.";
        QTest::newRow("no such file")
            << int(Readme) << false << 2 << readme + " could not be opened: it could not be found.";
        QTest::newRow("no program for it")
            << int(Address) << false << 3
            << address + " could not be opened: this computer has no program for opening it.";
        QTest::newRow("its program failed")
            << int(Readme) << false << 4
            << readme + " could not be opened: the program that should have opened it failed.";
        QTest::newRow("other")
            << int(Address) << false << 127
            << address + " could not be opened: the desktop's opener \"xdg-open\" stopped with "
                         "error 127.";
        QTest::newRow("not started")
            << int(Help) << false << -1
            << "The help file /opt/strumkin/chords.html could not be opened. The desktop's "
               "opener \"xdg-open\" may be missing.";
    }
    void whatCouldNotBeOpenedIsTold()
    {
        QFETCH(int, operation);
        QFETCH(bool, signalled);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        recorder.result = exitCode >= 0;
        run(Operation(operation), services);
        QCOMPARE(recorder.starts.size(), 1u);
        if (exitCode >= 0) {
            QVERIFY(prompter.shown.empty());
            recorder.finish(0, {.signalled = signalled, .exitCode = exitCode});
        }
        QCOMPARE(prompter.shown.size(), message.isEmpty() ? 0u : 1u);
        if (!message.isEmpty()) {
            QVERIFY(!prompter.shown.front().question);
            QCOMPARE(prompter.shown.front().text, message);
        }
    }

    void theRealEndIsReportedLater_data()
    {
        QTest::addColumn<Watch>("watch");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("signalled");
        QTest::addColumn<int>("exitCode");
        for (const auto &[watch, name] :
             {std::pair{Watch::Descriptor, "descriptor"}, std::pair{Watch::Polling, "polling"}}) {
            QTest::addRow("%s, no program", name) << watch << QByteArray("exit 3") << false << 3;
            QTest::addRow("%s, killed", name) << watch << QByteArray("kill -KILL $$") << true << 0;
        }
    }
    void theRealEndIsReportedLater()
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
        // Told in the same turn that reaps the opener.
        QVERIFY2(!anyChild(), "the ended opener is reaped");
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
        desktop = std::make_unique<platform::DesktopLauncher>(watch);
        services.launcher = desktop.get();

        shell::OpenReadme(services);
        QTRY_VERIFY(QFile::exists(QFile::decodeName(pidFile)));
        QFile written(QFile::decodeName(pidFile));
        QVERIFY(written.open(QIODevice::ReadOnly));
        lingering = written.readAll().trimmed().toInt();
        QVERIFY(lingering > 0);
        QCoreApplication::processEvents();
        QVERIFY(prompter.shown.empty());
        QCOMPARE(::getsid(lingering), lingering);

        desktop.reset();
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
        QVERIFY(prompter.shown.empty());
    }
};

QTEST_GUILESS_MAIN(LaunchTest)
#include "test_launch.moc"
