// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "sound/player.h"
#include "support/doubles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace strumkin;

// A click on a chord diagram through the program's player and its real
// sound part; where the sound goes is set before the output is first used.
class OutputTest : public QObject {
    Q_OBJECT

    QTemporaryDir runtime;
    QProcess server;
    std::unique_ptr<sound::ModulePlayer> player;
    std::unique_ptr<test::Rig> rig;
    // What the player tells.
    test::ScriptedPrompter told;

    void openC(const QStringList &soundFonts = {})
    {
        player = std::make_unique<sound::ModulePlayer>(told, QStringLiteral(STRUMKIN_SOUND_MODULE),
                                                       soundFonts);
        rig = std::make_unique<test::Rig>(QString(), player.get());
        lessons::registerLessonWindows(*rig->registry);
        rig->standIn({QStringLiteral("frmchords"), QStringLiteral("frmfind")});
        rig->registry->show(QStringLiteral("frmC"));
    }
    // A PulseAudio server of the test's own, with a sink that plays into
    // nothing; false where there is no PulseAudio or it does not come up.
    bool startServer()
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty())
            return false;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        server.start(pulseaudio, {QStringLiteral("--daemonize=no"), QStringLiteral("-n"),
                                  QStringLiteral("--load=module-null-sink"),
                                  QStringLiteral("--load=module-native-protocol-unix"),
                                  QStringLiteral("--exit-idle-time=-1")});
        return QTest::qWaitFor(
            [this] { return QFile::exists(runtime.filePath(QStringLiteral("pulse/native"))); },
            10000);
    }
    // The user was told of the problem once, and a second click tells nothing more.
    void toldOnce(const QString &problem)
    {
        QTRY_COMPARE_WITH_TIMEOUT(told.shown.size(), 1u, 10000);
        QCOMPARE(told.shown.front().text,
                 QStringLiteral("Strumkin cannot play the chord. ") + problem);
        click();
        QCoreApplication::processEvents();
        QCOMPARE(told.shown.size(), 1u);
    }
    // A click on the C major diagram.
    void click() { rig->press(QStringLiteral("frmC"), QStringLiteral("Label2")); }

private slots:
    void cleanup()
    {
        rig.reset();
        player.reset();
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished(5000);
        }
    }

    // The null sink takes the strum as fast as it plays: about its length.
    void nullSink()
    {
        if (!startServer())
            QSKIP("no PulseAudio server here (scripts/setup installs it)");
        openC();
        click();
        // C major strums five strings 40 ms apart, rings 2.5 s and falls silent over 0.25 s.
        const qint64 length = (4 * 1764 + 110250 + 11025) * 1000000LL / 44100;
        QTRY_VERIFY_WITH_TIMEOUT(player->playedMicroseconds() >= length * 9 / 10, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!player->sounding(), 5000);
        // No more than the strum and the output's small buffer.
        QVERIFY2(player->playedMicroseconds() <= length + 100000,
                 qPrintable(QString::number(player->playedMicroseconds())));
        QCOMPARE(told.shown.size(), 0u);
    }

    // The sound server going away while a chord plays is told once.
    void serverDies()
    {
        if (!startServer())
            QSKIP("no PulseAudio server here (scripts/setup installs it)");
        openC();
        click();
        QTRY_VERIFY_WITH_TIMEOUT(player->sounding(), 5000);
        server.kill();
        toldOnce(QStringLiteral("The computer's sound output stopped."));
    }

    // With no sound server the click says so once; the page goes on working.
    void noServer()
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(runtime.filePath("none")));
        openC();
        click();
        toldOnce(QStringLiteral("This computer has no sound output."));
        rig->press(QStringLiteral("frmC"), QStringLiteral("Command1"));
        QVERIFY(QFile::exists(rig->onDrive(QStringLiteral("Chords/Cchords/Cmajor.txt"))));
    }

    void noSoundFont()
    {
        openC({runtime.filePath(QStringLiteral("none.sf2"))});
        click();
        toldOnce(QStringLiteral("No SoundFont of instrument sounds was found. Install the Debian "
                                "package timgm6mb-soundfont, then try again."));
    }
};

QTEST_MAIN(OutputTest)
#include "test_output.moc"
