// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using namespace strumkin;

// Where windows open on a desktop of two screens whose primary is not the one
// at the desktop's top-left (the platform's configuration, set by CMake).
class ScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    static QScreen *primary() { return QGuiApplication::primaryScreen(); }
    static QScreen *other()
    {
        return QGuiApplication::screens().at(primary() == QGuiApplication::screens().at(0) ? 1 : 0);
    }
    forms::Form &form(const QString &name) { return rig->window(name).form(); }
    // Moves a shown window into the middle of a screen, as the user would.
    static void moveTo(forms::Form &window, QScreen *screen)
    {
        const QRect frame = window.frameGeometry();
        window.move(screen->geometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
        QTRY_COMPARE(window.screen(), screen);
    }
    // The window's frame is centred on the screen, give or take the rounding.
    static bool centredOn(const QWidget &window, const QScreen *screen)
    {
        const QRect frame = window.frameGeometry();
        const QRect area = screen->geometry();
        const int dx = 2 * (frame.x() - area.x()) + frame.width() - area.width();
        const int dy = 2 * (frame.y() - area.y()) + frame.height() - area.height();
        return std::abs(dx) <= 2 && std::abs(dy) <= 2;
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QVERIFY(primary()->geometry().topLeft() != QPoint(0, 0));
        QCOMPARE(QGuiApplication::screenAt(QPoint(0, 0)), other());
    }
    void init()
    {
        rig = test::allWindowsRig();
        const QSize size = primary()->geometry().size();
        rig->screen.size = QSizeF(size.width() * 15.0, size.height() * 15.0);
    }
    void cleanup() { rig.reset(); }

    // Runs first: the welcome window is also the first to learn the frame.
    void theFirstWindowOpensCentredOnThePrimary()
    {
        rig->registry->start();
        forms::Form &welcome = form(QStringLiteral("frmTimer"));
        QCOMPARE(welcome.screen(), primary());
        QVERIFY(primary()->geometry().contains(welcome.frameGeometry()));
        QVERIFY(centredOn(welcome, primary()));
    }

    void aWindowOpensOnTheScreenOfTheOneItWasOpenedFrom_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<bool>("moved");
        // A control "list#n" is a list whose entry n is chosen.
        const char *const steps[][4] = {
            {"a letter of the chord menu", "frmchords", "Option2", "frmb"},
            {"a page's Close", "frmD", "Command4", "frmchords"},
            {"the title's Skip", "frmstart", "Command3", "frmchords"},
            {"the welcome's member button", "frmTimer", "cmdsecret", "frmsecret"},
            {"the chord menu's About", "frmchords", "Picture4", "frmabout"},
            {"the A page's check box", "frmA", "Check1", "frmfind"},
            {"the member page's picker", "frmsecret", "cbochords#2", "frmb"},
        };
        for (const auto &step : steps) {
            for (const bool moved : {false, true}) {
                QTest::addRow("%s, %s", step[0], moved ? "moved to the other screen" : "unmoved")
                    << step[1] << step[2] << step[3] << moved;
            }
        }
    }
    void aWindowOpensOnTheScreenOfTheOneItWasOpenedFrom()
    {
        QFETCH(QString, from);
        QFETCH(QString, control);
        QFETCH(QString, opens);
        QFETCH(bool, moved);
        rig->registry->show(from);
        QCOMPARE(form(from).screen(), primary());
        QScreen *screen = moved ? other() : primary();
        if (moved)
            moveTo(form(from), screen);
        const QRect fromFrame = form(from).frameGeometry();
        if (control.contains(u'#'))
            test::choose(rig->window(from).control(control.section(u'#', 0, 0)),
                         control.section(u'#', 1).toInt());
        else
            rig->press(from, control);
        QVERIFY(rig->registry->isLoaded(opens));
        QCOMPARE(form(opens).screen(), screen);
        QVERIFY(screen->geometry().contains(form(opens).frameGeometry()));
        // The browser goes where the window manager puts it, on that screen;
        // a page the picker opens beside the member page, which stays put.
        if (control.contains(u'#')) {
            QVERIFY(!form(opens).frameGeometry().intersects(fromFrame));
            QCOMPARE(form(from).frameGeometry(), fromFrame);
        } else if (opens != QLatin1String("frmfind")) {
            QVERIFY(centredOn(form(opens), screen));
        }
    }

    // A page chosen again in the picker comes to the front as it is, where
    // it is: not loaded again.
    void aPageChosenAgainStaysWhereItWasMoved()
    {
        rig->registry->show(QStringLiteral("frmsecret"));
        forms::Control &picker = rig->window(QStringLiteral("frmsecret")).control("cbochords");
        test::choose(picker, 2);
        forms::Form &b = form(QStringLiteral("frmb"));
        b.move(other()->geometry().topLeft() + QPoint(5, 7));
        QTRY_COMPARE(b.screen(), other());
        const QRect placed = b.frameGeometry();
        test::choose(picker, 2);
        QCOMPARE(&form(QStringLiteral("frmb")), &b);
        QCOMPARE(b.frameGeometry(), placed);
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
