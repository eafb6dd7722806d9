// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "support/doubles.h"
#include "support/files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace strumkin;
using Watch = platform::DesktopLauncher::Watch;

namespace {

enum Operation { Help, Readme, Address };

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

// What the help, the readme and the addresses open, through the real launcher
// with a stand-in opener first on the program search path.
class LaunchTest : public QObject {
    Q_OBJECT

    QTemporaryDir bin;
    QByteArray searchPath;

    // Lets a stand-in waiting for the word go on.
    static void release()
    {
        const int word = ::open("go", O_WRONLY | O_NONBLOCK);
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
        // The stand-ins live here, and whatever a shell made of a name would land here.
        QVERIFY(QDir::setCurrent(bin.path()));
        QCOMPARE(::mkfifo("go", 0600), 0);
    }
    void cleanupTestCase() { qputenv("PATH", searchPath); }
    // A stand-in left waiting by a failed case gets its word, so none lingers on.
    void cleanup() { release(); }

    // The real launcher: the opener gets the host's form of the document or
    // address as one argument, unchanged whatever the folder's name holds,
    // runs in a session of its own, and how it ended is told in the turn that
    // reaps it. One still running when the launcher goes is left alone, and
    // its end tells nobody.
    void theRealOpener_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("given"); // the program folder or the address
        QTest::addColumn<Watch>("watch");
        QTest::addColumn<QByteArray>("then"); // after it recorded itself; empty: no opener
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("told"); // %1: what was opened
        const QString help = "The help file \"%1\" could not be opened: ";
        const QString readme = "The readme file \"%1\" could not be opened: ";
        const QString address = "The address \"%1\" could not be opened: ";
        const QString member = QLatin1String(shell::MemberWebPage);
        const auto row = [](const char *tag, Operation operation, const QString &given, Watch watch,
                            const char *then, const QString &opened, const QString &told) {
            QTest::newRow(tag) << int(operation) << given << watch << QByteArray(then) << opened
                               << told;
        };
        // On the mapped drive the host path lies under the drive root.
        row("opened, help on the drive", Help, "C:/Program Files/Strumkin", Watch::Descriptor,
            "exit 0", "/home/player/Program Files/Strumkin/chords.html", {});
        row("bad command line", Help, Folder, Watch::Polling, "exit 1", Folder + "/chords.html",
            help + "the desktop's opener \"xdg-open\" did not understand the request.");
        row("no such file", Readme, Folder, Watch::Descriptor, "exit 2", Folder + "/readme.txt",
            readme + "it could not be found.");
        row("no program for it", Address, member, Watch::Polling, "exit 3",
            "https://www.example.org/strumkin/members",
            address + "this computer has no program for opening it.");
        row("its program failed", Readme, Folder, Watch::Polling, "exit 4", Folder + "/readme.txt",
            readme + "the program that should have opened it failed.");
        row("other, a port is no scheme", Address, "www.example.org:8080/strumkin",
            Watch::Descriptor, "exit 127", "https://www.example.org:8080/strumkin",
            address + "the desktop's opener \"xdg-open\" stopped with error 127.");
        row("killed, a scheme kept", Address, QLatin1String(shell::AuthorMail), Watch::Descriptor,
            "kill -KILL $$", QLatin1String(shell::AuthorMail), {});
        row("outlives the launcher", Readme, Folder, Watch::Descriptor, "read line <go; exit 3",
            Folder + "/readme.txt", {});
        row("no opener", Help, Folder, Watch::Descriptor, "", Folder + "/chords.html",
            "The help file %1 could not be opened. The desktop's opener \"xdg-open\" may be "
            "missing.");
    }
    void theRealOpener()
    {
        QFETCH(int, operation);
        QFETCH(QString, given);
        QFETCH(Watch, watch);
        QFETCH(QByteArray, then);
        QFETCH(QString, opened);
        QFETCH(QString, told);
        QFile::remove(QStringLiteral("record"));
        QFile::remove(QStringLiteral("xdg-open"));
        // Its id and its arguments, written whole before it goes on.
        if (!then.isEmpty()) {
            QVERIFY(writeWholeFile(QStringLiteral("xdg-open"),
                                   "#!/bin/sh\nprintf '%s\\n' $$ \"$#\" \"$@\" >record.tmp && "
                                   "mv record.tmp record\n" +
                                       then));
            QVERIFY(QFile::setPermissions(QStringLiteral("xdg-open"),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        // Without a stand-in, the search path has no opener at all.
        qputenv("PATH", QFile::encodeName(bin.path()) + (then.isEmpty() ? "" : ':' + searchPath));
        test::ScriptedPrompter prompter;
        platform::Paths paths(operation == Address ? Folder : given,
                              QStringLiteral("/home/player"));
        auto launcher = std::make_unique<platform::DesktopLauncher>(watch);
        const platform::Services services{nullptr, nullptr, &prompter,
                                          &paths,  nullptr, launcher.get()};
        if (operation == Help)
            shell::OpenHelpFile(services);
        else if (operation == Readme)
            shell::OpenReadme(services);
        else
            shell::OpenAddress(services, given);

        if (!then.isEmpty()) {
            QTRY_VERIFY(QFile::exists(QStringLiteral("record")));
            QStringList lines =
                QString::fromLocal8Bit(readWholeFile(QStringLiteral("record"))).split('\n');
            const pid_t pid = lines.takeFirst().toInt();
            QCOMPARE(lines, (QStringList{"1", opened, ""}));
            if (then.startsWith("read")) {
                QCOMPARE(::getsid(pid), pid);
                launcher.reset();
                // Opened blocking, so the word waits for the stand-in to listen.
                QFile word(QStringLiteral("go"));
                QVERIFY(word.open(QIODevice::WriteOnly) && word.write("\n") == 1);
                word.close();
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
        QCOMPARE(texts, told.isEmpty() ? QStringList() : QStringList{told.arg(opened)});
        for (const char *made : {"pwned", "x"})
            QVERIFY2(!QFile::exists(QLatin1String(made)), made);
    }
};

QTEST_GUILESS_MAIN(LaunchTest)
#include "test_launch.moc"
