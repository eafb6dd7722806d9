#include "forms/form.h"
#include "forms/timer.h"
#include "shell/elapsed.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "shell/windowclass.h"
#include "support/doubles.h"

#include <QPushButton>
#include <QtTest>

using namespace strumkin;

namespace {
// Stands in for a window the welcome window leads to.
class StandIn final : public shell::WindowClass {
public:
    StandIn(shell::Registry &registry, const QString &name)
        : WindowClass(registry, name, QStringLiteral("probeA"))
    {}
};

const char *const revealed[] = {"cmdContinue", "cmdExit", "pnlCont", "pnlExit"};
} // namespace

class WelcomeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    shell::WindowClass &welcome() { return *rig->registry->instance(QStringLiteral("frmTimer")); }
    QVariant prop(const char *control, const char *property)
    {
        return welcome()
            .control(QLatin1String(control))
            .get(QLatin1String(property))
            .value_or(QVariant());
    }
    void tick() { welcome().controlAs<forms::Timer>(QStringLiteral("Timer1")).tick(); }
    bool waiting()
    {
        for (const char *name : revealed) {
            if (prop(name, "Visible").toBool())
                return false;
        }
        return true;
    }
    void finishWait()
    {
        rig->clock.advance(5);
        tick();
        QVERIFY(!waiting());
    }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        shell::registerShellWindows(*rig->registry);
        rig->standIn({QStringLiteral("frmstart"), QStringLiteral("frmsecret")});
        rig->registry->start();
    }
    void cleanup() { rig.reset(); }

    void secondsPartOfAnElapsedTime_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0.0 << "00";
        QTest::newRow("four") << 4.0 << "04";
        QTest::newRow("rounded up") << 4.5001 << "05";
        QTest::newRow("nearer the lower second") << 4.4 << "04";
        QTest::newRow("nearer the upper second") << 4.6 << "05";
        QTest::newRow("a minute") << 60.0 << "00";
        QTest::newRow("past a minute") << 65.0 << "05";
        QTest::newRow("backwards") << -3.0 << "03";
    }
    void secondsPartOfAnElapsedTime()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(shell::secondsPart(seconds / 86400.0), text);
    }

    void centringRoundsHalvesToEvenThenTruncates_data()
    {
        QTest::addColumn<double>("screen");
        QTest::addColumn<double>("window");
        QTest::addColumn<int>("offset");
        QTest::newRow("even") << 19200.0 << 6700.0 << 6250;
        QTest::newRow("odd difference truncates") << 19200.0 << 6701.0 << 6249;
        QTest::newRow("half goes up to even") << 100.0 << 10.5 << 45;
        QTest::newRow("half goes down to even") << 100.0 << 11.5 << 44;
        QTest::newRow("larger than the screen") << 6000.0 << 6701.0 << -350;
    }
    void centringRoundsHalvesToEvenThenTruncates()
    {
        QFETCH(double, screen);
        QFETCH(double, window);
        QFETCH(int, offset);
        QCOMPARE(shell::centredOffset(screen, window), offset);
    }

    void loadHidesTheWayOnAndCentresTheWindow()
    {
        QVERIFY(waiting());
        QVERIFY(prop("cmdsecret", "Visible").toBool());
        QCOMPARE(prop("lblnow", "Caption").toString(), QStringLiteral("10:00:00"));
        QCOMPARE(prop("lblTime2", "Caption").toString(), QString());
        // Load centres the window's frame, although it is not framed yet: the
        // frame is the one the windows before it were given.
        const QRectF outer = welcome().form().outerTwips();
        QVERIFY(outer.width() > welcome().form().clientSizeTwips().width());
        const double pixel = 1440.0 / welcome().form().dpiX();
        QVERIFY(std::abs(outer.left() - shell::centredOffset(19200.0, outer.width())) <= pixel);
        QVERIFY(std::abs(outer.top() - shell::centredOffset(14400.0, outer.height())) <= pixel);
    }

    void waitCountsSecondsAndStopsAtFive()
    {
        auto &timer = welcome().controlAs<forms::Timer>(QStringLiteral("Timer1"));
        QVERIFY(timer.running());
        QCOMPARE(timer.interval(), 500);
        for (int second = 0; second < 5; ++second) {
            tick();
            QCOMPARE(prop("lblTime2", "Caption").toString(), QStringLiteral("0%1").arg(second));
            QVERIFY(waiting());
            tick(); // two ticks a second
            rig->clock.advance(1);
        }
        tick();
        QCOMPARE(prop("lblTime2", "Caption").toString(), QStringLiteral("05"));
        QVERIFY(!waiting());
        QVERIFY(!timer.running());
        QCOMPARE(prop("Label2", "Caption").toString(), QStringLiteral("Wait 5 seconds...."));
    }

    void waitEndsAtTheFirstReadingOfFiveOrMore_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("over");
        QTest::newRow("late first tick") << 7 << "07" << true;
        QTest::newRow("a whole minute reads 00") << 60 << "00" << false;
        QTest::newRow("65 seconds read 05") << 65 << "05" << true;
    }
    void waitEndsAtTheFirstReadingOfFiveOrMore()
    {
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        QFETCH(bool, over);
        rig->clock.advance(seconds);
        tick();
        QCOMPARE(prop("lblTime2", "Caption").toString(), shown);
        QCOMPARE(!waiting(), over);
    }

    void clockLabelFollowsTheClock()
    {
        rig->clock.advance(3);
        welcome().controlAs<forms::Timer>(QStringLiteral("Timer2")).tick();
        QCOMPARE(prop("lblnow", "Caption").toString(), QStringLiteral("10:00:03"));
        QCOMPARE(welcome().controlAs<forms::Timer>(QStringLiteral("Timer2")).interval(), 50);
    }

    void accessKeysActOnlyOnceTheButtonsShow()
    {
        forms::Form &form = welcome().form();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
        rig->settle();
        QVERIFY(rig->registry->isLoaded(QStringLiteral("frmTimer")));
        finishWait();
        QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(rig->ends, 1);
        QVERIFY(rig->registry->loadedClasses().isEmpty());
    }

    void continueOpensTheTitleWindow()
    {
        finishWait();
        qobject_cast<QPushButton *>(welcome().control(QStringLiteral("cmdContinue")).widget())
            ->click();
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmstart")});
        QCOMPARE(rig->ends, 0);
    }

    void memberPageButtonLeavesAtOnce()
    {
        qobject_cast<QPushButton *>(welcome().control(QStringLiteral("cmdsecret")).widget())
            ->click();
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmsecret")});
    }

    void unloadStopsBothTimers()
    {
        forms::Form *form = &welcome().form();
        QVERIFY(welcome().controlAs<forms::Timer>(QStringLiteral("Timer2")).running());
        rig->registry->unload(QStringLiteral("frmTimer"));
        const auto timers = form->findChildren<QTimer *>();
        QVERIFY(!timers.isEmpty());
        for (const QTimer *timer : timers)
            QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(WelcomeTest)
#include "test_welcome.moc"
