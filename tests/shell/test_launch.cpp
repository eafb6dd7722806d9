#include "platform/launcher.h"
#include "platform/paths.h"
#include "shell/addresses.h"
#include "shell/launch.h"
#include "support/doubles.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace strumkin;

namespace {

enum Operation { Help, Readme, Address };

void run(Operation operation, const platform::Services &services)
{
    switch (operation) {
    case Help:
        shell::OpenHelpFile(services);
        break;
    case Readme:
        shell::OpenReadme(services);
        break;
    case Address:
        shell::OpenAddress(services, QLatin1String(shell::MemberWebPage));
        break;
    }
}

} // namespace

class LaunchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    // The rig's services with a program folder of the test's.
    platform::Services servicesWith(platform::Paths &paths) const
    {
        platform::Services services = rig->registry->services();
        services.paths = &paths;
        return services;
    }

private slots:
    void init() { rig = std::make_unique<test::Rig>(); }
    void cleanup() { rig.reset(); }

    void commandLines_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("helpCommand");
        QTest::addColumn<QString>("readmeCommand");
        QTest::addColumn<QString>("hostHelp");
        QTest::addColumn<QString>("hostReadme");

        QTest::newRow("plain") << "/opt/strumkin"
                               << "winhelp \\opt\\strumkin\\chords.hlp"
                               << "notepad \\opt\\strumkin\\readme.txt"
                               << "/opt/strumkin/chords.html"
                               << "/opt/strumkin/readme.txt";
        QTest::newRow("blanks") << "/opt/my guitar/strumkin"
                                << "winhelp \\opt\\my guitar\\strumkin\\chords.hlp"
                                << "notepad \\opt\\my guitar\\strumkin\\readme.txt"
                                << "/opt/my guitar/strumkin/chords.html"
                                << "/opt/my guitar/strumkin/readme.txt";
        QTest::newRow("semicolon") << "/opt/a;touch pwned"
                                   << "winhelp \\opt\\a;touch pwned\\chords.hlp"
                                   << "notepad \\opt\\a;touch pwned\\readme.txt"
                                   << "/opt/a;touch pwned/chords.html"
                                   << "/opt/a;touch pwned/readme.txt";
        QTest::newRow("substitution") << "/opt/$(touch pwned)"
                                      << "winhelp \\opt\\$(touch pwned)\\chords.hlp"
                                      << "notepad \\opt\\$(touch pwned)\\readme.txt"
                                      << "/opt/$(touch pwned)/chords.html"
                                      << "/opt/$(touch pwned)/readme.txt";
        QTest::newRow("backticks") << "/opt/`id`"
                                   << "winhelp \\opt\\`id`\\chords.hlp"
                                   << "notepad \\opt\\`id`\\readme.txt"
                                   << "/opt/`id`/chords.html"
                                   << "/opt/`id`/readme.txt";
        QTest::newRow("and") << "/opt/x && y"
                             << "winhelp \\opt\\x && y\\chords.hlp"
                             << "notepad \\opt\\x && y\\readme.txt"
                             << "/opt/x && y/chords.html"
                             << "/opt/x && y/readme.txt";
        QTest::newRow("quotes") << "/opt/'quoted' \"double\""
                                << "winhelp \\opt\\'quoted' \"double\"\\chords.hlp"
                                << "notepad \\opt\\'quoted' \"double\"\\readme.txt"
                                << "/opt/'quoted' \"double\"/chords.html"
                                << "/opt/'quoted' \"double\"/readme.txt";
        // On the mapped drive the host path lies under the drive root.
        QTest::newRow("drive") << "C:/Program Files/Strumkin"
                               << "winhelp C:\\Program Files\\Strumkin\\chords.hlp"
                               << "notepad C:\\Program Files\\Strumkin\\readme.txt"
                               << "/home/player/Program Files/Strumkin/chords.html"
                               << "/home/player/Program Files/Strumkin/readme.txt";
    }
    void commandLines()
    {
        QFETCH(QString, folder);
        QFETCH(QString, helpCommand);
        QFETCH(QString, readmeCommand);
        const platform::Paths paths(folder, QStringLiteral("/home/player"));

        const shell::CommandLine help = shell::helpFileCommand(paths.programFolder());
        QCOMPARE(help.text, helpCommand);
        QCOMPARE(help.showMode, 1);
        const shell::CommandLine readme = shell::readmeCommand(paths.programFolder());
        QCOMPARE(readme.text, readmeCommand);
        QCOMPARE(readme.showMode, 1);
    }

    void operationsStartTheOpenerWithTheHostPath_data() { commandLines_data(); }
    void operationsStartTheOpenerWithTheHostPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, hostHelp);
        QFETCH(QString, hostReadme);
        platform::Paths paths(folder, QStringLiteral("/home/player"));
        const platform::Services services = servicesWith(paths);

        shell::OpenHelpFile(services);
        shell::OpenReadme(services);

        QCOMPARE(rig->launcher.starts.size(), 2u);
        QCOMPARE(rig->launcher.starts[0].program, QStringLiteral("xdg-open"));
        QCOMPARE(rig->launcher.starts[0].arguments, QStringList{hostHelp});
        QCOMPARE(rig->launcher.starts[1].program, QStringLiteral("xdg-open"));
        QCOMPARE(rig->launcher.starts[1].arguments, QStringList{hostReadme});
        QVERIFY(rig->prompter.shown.empty());
    }

    void hostCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("argument");

        QTest::newRow("help as HTML") << "winhelp \\opt\\strumkin\\chords.hlp"
                                      << "/opt/strumkin/chords.html";
        QTest::newRow("readme") << "notepad \\opt\\strumkin\\readme.txt"
                                << "/opt/strumkin/readme.txt";
        QTest::newRow("blanks kept") << "notepad \\opt\\a  b\\c d\\readme.txt"
                                     << "/opt/a  b/c d/readme.txt";
        QTest::newRow("web") << "Start.exe www.example.org/strumkin"
                             << "https://www.example.org/strumkin";
        QTest::newRow("web with port") << "Start.exe www.example.org:8080/strumkin"
                                       << "https://www.example.org:8080/strumkin";
        QTest::newRow("web with scheme") << "Start.exe http://www.example.org/strumkin"
                                         << "http://www.example.org/strumkin";
        QTest::newRow("mail") << "Start.exe mailto:strumkin@example.org"
                              << "mailto:strumkin@example.org";
        QTest::newRow("address with blank") << "Start.exe www.example.org/a b"
                                            << "https://www.example.org/a b";
    }
    void hostCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, argument);
        const platform::Paths paths(QStringLiteral("/opt/strumkin"),
                                    QStringLiteral("/home/player"));

        const shell::HostCommand host = shell::hostCommand({command, 1}, paths);
        QCOMPARE(host.program, QStringLiteral("xdg-open"));
        QCOMPARE(host.arguments, QStringList{argument});
    }

    void addresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("mail");

        QTest::newRow("author's page") << QString::fromLatin1(shell::AuthorWebPage) << false;
        QTest::newRow("author's mail") << QString::fromLatin1(shell::AuthorMail) << true;
        QTest::newRow("teacher's page") << QString::fromLatin1(shell::TeacherWebPage) << false;
        QTest::newRow("member page") << QString::fromLatin1(shell::MemberWebPage) << false;
    }
    void addresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, mail);

        const shell::CommandLine command = shell::addressCommand(address);
        QCOMPARE(command.text, QStringLiteral("Start.exe ") + address);
        QCOMPARE(command.showMode, 0);

        shell::OpenAddress(rig->registry->services(), address);
        QCOMPARE(rig->launcher.starts.size(), 1u);
        QCOMPARE(rig->launcher.starts[0].program, QStringLiteral("xdg-open"));
        QCOMPARE(rig->launcher.starts[0].arguments.size(), 1);
        const QString opened = rig->launcher.starts[0].arguments[0];
        const QUrl url(opened, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(opened));
        if (mail) {
            QVERIFY(address.startsWith(QLatin1String("mailto:")));
            QCOMPARE(opened, address);
            QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        } else {
            QVERIFY(!address.contains(QLatin1String("://")));
            QCOMPARE(opened, QStringLiteral("https://") + address);
            QCOMPARE(url.scheme(), QStringLiteral("https"));
        }
        // Until the project has a home, no link may lead to a real site.
        const QString domain = mail ? url.path().section(QLatin1Char('@'), -1) : url.host();
        QVERIFY2(domain.endsWith(QLatin1String("example.org")) ||
                     domain.endsWith(QLatin1String("example.com")),
                 qPrintable(domain));
    }

    void eachLaunchStartsAnotherProgram_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("help") << int(Help);
        QTest::newRow("readme") << int(Readme);
        QTest::newRow("address") << int(Address);
    }
    void eachLaunchStartsAnotherProgram()
    {
        QFETCH(int, operation);
        run(Operation(operation), rig->registry->services());
        run(Operation(operation), rig->registry->services());

        QCOMPARE(rig->launcher.starts.size(), 2u);
        QCOMPARE(rig->launcher.starts[1].program, rig->launcher.starts[0].program);
        QCOMPARE(rig->launcher.starts[1].arguments, rig->launcher.starts[0].arguments);
        QVERIFY(rig->prompter.shown.empty());
    }

    void programFolderIsReadAtEachLaunch()
    {
        platform::Paths paths(QStringLiteral("/opt/first"), QStringLiteral("/home/player"));
        const platform::Services services = servicesWith(paths);

        shell::OpenReadme(services);
        paths = platform::Paths(QStringLiteral("/opt/second"), QStringLiteral("/home/player"));
        shell::OpenReadme(services);

        QCOMPARE(rig->launcher.starts.size(), 2u);
        QCOMPARE(rig->launcher.starts[0].arguments, QStringList{"/opt/first/readme.txt"});
        QCOMPARE(rig->launcher.starts[1].arguments, QStringList{"/opt/second/readme.txt"});
    }

    void failedStartIsReported_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("named");
        QTest::newRow("help") << int(Help) << "help file /opt/strumkin/chords.html";
        QTest::newRow("readme") << int(Readme) << "readme file /opt/strumkin/readme.txt";
        QTest::newRow("address") << int(Address) << "www.example.org/strumkin/members";
    }
    void failedStartIsReported()
    {
        QFETCH(int, operation);
        QFETCH(QString, named);
        platform::Paths paths(QStringLiteral("/opt/strumkin"), QStringLiteral("/home/player"));
        rig->launcher.result = false;

        run(Operation(operation), servicesWith(paths));

        QCOMPARE(rig->launcher.starts.size(), 1u);
        QCOMPARE(rig->prompter.shown.size(), 1u);
        const auto &message = rig->prompter.shown.front();
        QVERIFY(!message.question);
        QVERIFY2(message.text.contains(named), qPrintable(message.text));
        QVERIFY2(message.text.contains(QLatin1String("could not be opened")),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(QLatin1String("\"xdg-open\"")), qPrintable(message.text));
    }

    void anOpenerThatOpensNothingIsReported_data()
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
        QTest::newRow("killed") << int(Readme) << true << 0 << QString();
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
    }
    void anOpenerThatOpensNothingIsReported()
    {
        QFETCH(int, operation);
        QFETCH(bool, signalled);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        platform::Paths paths(QStringLiteral("/opt/strumkin"), QStringLiteral("/home/player"));
        run(Operation(operation), servicesWith(paths));
        QVERIFY(rig->prompter.shown.empty());

        rig->launcher.finish(0, {.signalled = signalled, .exitCode = exitCode});

        if (message.isEmpty()) {
            QVERIFY(rig->prompter.shown.empty());
            return;
        }
        QCOMPARE(rig->prompter.shown.size(), 1u);
        QVERIFY(!rig->prompter.shown.front().question);
        QCOMPARE(rig->prompter.shown.front().text, message);
    }
};

QTEST_MAIN(LaunchTest)
#include "test_launch.moc"
