#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "support/doubles.h"
#include "support/files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

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

// A program folder whose name a shell would run, redirect and expand.
const QString Folder =
    QStringLiteral("/opt/Bob's \"guitar\" $(touch pwned); touch `pwned` & | * > x");

} // namespace

// The command lines, what the recording launcher is asked to start; then the
// real launcher, with a stand-in opener first on the program search path.
class LaunchTest : public QObject {
    Q_OBJECT

    test::ScriptedPrompter prompter;
    platform::Paths paths{QStringLiteral("/opt/strumkin"), QStringLiteral("/home/player")};
    test::RecordingLauncher recorder;
    platform::Services services;
    QTemporaryDir bin;
    QByteArray searchPath;

    bool opener(const QByteArray &body) const
    {
        const QString file = bin.filePath(QStringLiteral("xdg-open"));
        return writeWholeFile(file, "#!/bin/sh\n" + body + "\n") &&
               QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    // Lets a stand-in waiting for the word go on.
    void release() const
    {
        const int word = ::open(QFile::encodeName(bin.filePath(QStringLiteral("go"))).constData(),
                                O_WRONLY | O_NONBLOCK);
        if (word >= 0) {
            [[maybe_unused]] const ssize_t written = ::write(word, "\n", 1);
            ::close(word);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
        searchPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + searchPath);
        // Whatever a shell made of a name would land here.
        QVERIFY(QDir::setCurrent(bin.path()));
        QCOMPARE(::mkfifo("go", 0600), 0);
    }
    void cleanupTestCase() { qputenv("PATH", searchPath); }
    void init()
    {
        prompter.shown.clear();
        recorder.starts.clear();
        services.prompter = &prompter;
        services.paths = &paths;
        services.launcher = &recorder;
    }
    // A stand-in left waiting by a failed case gets its word, so none lingers on.
    void cleanup() { release(); }

    // Each operation's command line as the original platform would start it,
    // and what the host starts instead.
    void commandLines_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("argument"); // the program folder or the address
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("host");
        QTest::newRow("readme, blanks kept") << int(Readme) << "/opt/a  b/c d"
                                             << "notepad \\opt\\a  b\\c d\\readme.txt"
                                             << "/opt/a  b/c d/readme.txt";
        // On the mapped drive the host path lies under the drive root.
        QTest::newRow("help on the drive") << int(Help) << "C:/Program Files/Strumkin"
                                           << "winhelp C:\\Program Files\\Strumkin\\chords.hlp"
                                           << "/home/player/Program Files/Strumkin/chords.html";
        // A port is no scheme; a scheme is kept.
        const char *const addresses[][2] = {
            {"www.example.org:8080/strumkin", "https://www.example.org:8080/strumkin"},
            {"mailto:strumkin@example.org", "mailto:strumkin@example.org"}};
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

    // The real launcher: the opener gets its argument unchanged, whatever the
    // folder's name holds, runs in a session of its own, and how it ended is
    // told in the turn that reaps it. One still running when the launcher
    // goes is left alone, and its end tells nobody.
    void theRealOpener_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<Watch>("watch");
        QTest::addColumn<QByteArray>("then"); // after it recorded itself; empty: no opener
        QTest::addColumn<QString>("told");    // <folder>: the program folder
        const QString help = "The help file \"<folder>/chords.html\" could not be opened: ";
        const QString readme = "The readme file \"<folder>/readme.txt\" could not be opened: ";
        const QString address =
            "The address \"https://www.example.org/strumkin/members\" could not be opened: ";
        const auto row = [](const char *tag, Operation operation, Watch watch, const char *then,
                            const QString &told) {
            QTest::newRow(tag) << int(operation) << watch << QByteArray(then) << told;
        };
        row("opened", Help, Watch::Descriptor, "exit 0", {});
        row("bad command line", Help, Watch::Polling, "exit 1",
            help + "the desktop's opener \"xdg-open\" did not understand the request.");
        row("no such file", Readme, Watch::Descriptor, "exit 2", readme + "it could not be found.");
        row("no program for it", Address, Watch::Polling, "exit 3",
            address + "this computer has no program for opening it.");
        row("its program failed", Readme, Watch::Polling, "exit 4",
            readme + "the program that should have opened it failed.");
        row("other", Address, Watch::Descriptor, "exit 127",
            address + "the desktop's opener \"xdg-open\" stopped with error 127.");
        row("killed", Readme, Watch::Descriptor, "kill -KILL $$", {});
        row("killed, polled", Readme, Watch::Polling, "kill -KILL $$", {});
        row("outlives the launcher", Readme, Watch::Descriptor, "read line <go; exit 3", {});
        row("outlives the polling launcher", Readme, Watch::Polling, "read line <go; exit 3", {});
        row("no opener", Help, Watch::Descriptor, "",
            "The help file <folder>/chords.html could not be opened. The desktop's opener "
            "\"xdg-open\" may be missing.");
    }
    void theRealOpener()
    {
        QFETCH(int, operation);
        QFETCH(Watch, watch);
        QFETCH(QByteArray, then);
        QFETCH(QString, told);
        QFile::remove(QStringLiteral("record"));
        QFile::remove(bin.filePath(QStringLiteral("xdg-open")));
        // Its id and its arguments, written whole before it goes on.
        if (!then.isEmpty())
            QVERIFY(opener("printf '%s\\n' $$ \"$#\" \"$@\" >record.tmp && mv record.tmp record\n" +
                           then));
        else
            qputenv("PATH", QFile::encodeName(bin.path()));
        paths = platform::Paths(Folder, QStringLiteral("/home/player"));
        auto launcher = std::make_unique<platform::DesktopLauncher>(watch);
        services.launcher = launcher.get();
        run(Operation(operation), services);
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + searchPath);

        if (!then.isEmpty()) {
            QTRY_VERIFY(QFile::exists(QStringLiteral("record")));
            QStringList lines =
                QString::fromLocal8Bit(readWholeFile(QStringLiteral("record"))).split('\n');
            const pid_t pid = lines.takeFirst().toInt();
            const QString opened[] = {Folder + "/chords.html", Folder + "/readme.txt",
                                      "https://www.example.org/strumkin/members"};
            QCOMPARE(lines, (QStringList{"1", opened[operation], ""}));
            if (then.startsWith("read")) {
                QCOMPARE(::getsid(pid), pid);
                launcher.reset();
                release();
                int status = 0;
                QCOMPARE(::waitpid(pid, &status, 0), pid);
                QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 3);
                QCoreApplication::processEvents();
            } else {
                // Qt's own child processes come and go without taking ours.
                QCOMPARE(QProcess::execute(QStringLiteral("true")), 0);
                QTRY_VERIFY(!anyChild());
            }
        }
        QStringList texts;
        for (const auto &message : prompter.shown)
            texts << (message.question ? "? " : "") + message.text;
        QCOMPARE(texts, told.isEmpty()
                            ? QStringList()
                            : QStringList{told.replace(QLatin1String("<folder>"), Folder)});
        for (const char *made : {"pwned", "x"})
            QVERIFY2(!QFile::exists(QLatin1String(made)), made);
    }
};

QTEST_GUILESS_MAIN(LaunchTest)
#include "test_launch.moc"
