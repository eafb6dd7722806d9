// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture.h"
#include "forms/surface.h"
#include "forms/timer.h"
#include "layout/engine.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/voicing.h"
#include "platform/player.h"
#include "shell/elapsed.h"
#include "shell/names.h"
#include "shell/registry.h"
#include "shell/tiling.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/allwindows.h"
#include "support/doubles.h"
#include "support/ink.h"
#include "support/windowsize.h"

#include <QAbstractButton>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>

using namespace strumkin;

namespace {

// A window class that logs its Load and Resize and runs what a test gives
// its button.
class Probe final : public shell::WindowClass {
public:
    Probe(shell::Registry &registry, const QString &name, QStringList &log)
        : WindowClass(registry, name), m_log(log)
    {
        on(QStringLiteral("cmdGo"), forms::Event::Click, [this] { onClick(); });
    }
    std::function<void()> onClick;
    std::function<void()> onLoad;

private:
    void load() override
    {
        m_log << QStringLiteral("%1 Load visible=%2").arg(className()).arg(form().isVisible());
        if (onLoad)
            onLoad();
    }
    void resize() override
    {
        m_log << QStringLiteral("%1 Resize visible=%2").arg(className()).arg(form().isVisible());
        WindowClass::resize();
    }
    QStringList &m_log;
};

const QString A = QStringLiteral("probeA");
const QString B = QStringLiteral("probeB");

} // namespace

// The registry that loads and shows windows, the welcome window with its wait, the title window
// with its tiled texture, and the introduction. Where their buttons lead, the walk checks.
class ShellWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QStringList log;

    shell::Registry &registry() { return *rig->registry; }
    Probe &probe(const QString &name) { return dynamic_cast<Probe &>(*registry().instance(name)); }
    QVariant caption()
    {
        return test::property(probe(A).control(QStringLiteral("Label1")),
                              QStringLiteral("Caption"));
    }

    QVariant welcome(const char *control, const char *property)
    {
        return test::property(rig->window("frmTimer").control(QLatin1String(control)),
                              QLatin1String(property));
    }
    forms::Timer &timer(const char *name)
    {
        return rig->window("frmTimer").controlAs<forms::Timer>(QLatin1String(name));
    }
    // Whether the welcome window still hides its way on.
    bool waiting()
    {
        for (const char *name : {"cmdContinue", "cmdExit", "pnlCont", "pnlExit"}) {
            if (welcome(name, "Visible").toBool())
                return false;
        }
        return true;
    }

private slots:
    void init()
    {
        log.clear();
        rig = test::allWindowsRig();
        for (const QString &name : {A, B}) {
            registry().registerClass(name, [this, name](shell::Registry &r) {
                return std::make_unique<Probe>(r, name, log);
            });
        }
    }
    void cleanup() { rig.reset(); }

    void centringRoundsHalvesToEvenThenTruncates_data()
    {
        QTest::addColumn<double>("screen");
        QTest::addColumn<double>("window");
        QTest::addColumn<int>("offset");
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

    // The first ticks after the clock moved on by so long: the wait shows the
    // seconds within the minute, rounded, and is over at the first reading of
    // five or more; the clock label follows the clock. Unloaded, the window
    // stops both timers before it is deleted.
    void waitEndsAtTheFirstReadingOfFiveOrMore_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("over");
        QTest::newRow("at once") << 0 << "00" << false;
        QTest::newRow("nearer four") << 4400 << "04" << false;
        QTest::newRow("nearer five") << 4600 << "05" << true;
        QTest::newRow("five") << 5000 << "05" << true;
        QTest::newRow("five and a half to even") << 5500 << "06" << true;
        QTest::newRow("a whole minute reads 00") << 60000 << "00" << false;
        QTest::newRow("65 seconds read 05") << 65000 << "05" << true;
        QTest::newRow("backwards") << -3000 << "03" << false;
    }
    void waitEndsAtTheFirstReadingOfFiveOrMore()
    {
        QFETCH(int, milliseconds);
        QFETCH(QString, shown);
        QFETCH(bool, over);
        rig->registry->start();
        QVERIFY(waiting() && welcome("cmdsecret", "Visible").toBool());
        QCOMPARE(welcome("lblTime2", "Caption").toString(), QString());
        QCOMPARE(welcome("lblnow", "Caption").toString(), QStringLiteral("10:00:00"));
        rig->clock.present = rig->clock.present.addMSecs(milliseconds);
        timer("Timer1").tick();
        timer("Timer2").tick();
        QCOMPARE(welcome("lblTime2", "Caption").toString(), shown);
        QCOMPARE(!waiting(), over);
        QCOMPARE(timer("Timer1").running(), !over);
        QCOMPARE(welcome("lblnow", "Caption").toString(),
                 rig->clock.present.time().toString(QStringLiteral("HH:mm:ss")));
        const forms::Timer &wait = timer("Timer1");
        const forms::Timer &clock = timer("Timer2");
        rig->registry->unload(QStringLiteral("frmTimer"));
        QVERIFY(!wait.running() && !clock.running());
    }

    void tilingBounds_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("fw");
        QTest::addColumn<double>("fh");
        QTest::addColumn<int>("columns"); // -1: the tiling ends at once
        QTest::addColumn<int>("rows");
        QTest::newRow("title window") << 1920.0 << 1920.0 << 6555.0 << 7200.0 << 4 << 4;
        QTest::newRow("exact fit still one more") << 100.0 << 100.0 << 300.0 << 200.0 << 4 << 3;
        QTest::newRow("halves round to even") << 2.5 << 3.5 << 10.0 << 10.0 << 6 << 3;
        QTest::newRow("no picture") << 0.0 << 0.0 << 6555.0 << 7200.0 << -1 << -1;
        QTest::newRow("last 16-bit bound") << 1.0 << 1.0 << 32766.0 << 10.0 << 32767 << 11;
        QTest::newRow("beyond 16 bits") << 1.0 << 1.0 << 32767.0 << 10.0 << -1 << -1;
    }
    void tilingBounds()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(double, fw);
        QFETCH(double, fh);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const auto run = shell::tileRun(w, h, fw, fh);
        QCOMPARE(run.has_value(), columns >= 0);
        if (!run)
            return;
        QCOMPARE(run->columns, columns);
        QCOMPARE(run->rows, rows);
        int tiles = 0;
        QRectF last;
        shell::tile(*run, w, h, [&](const QRectF &at) {
            ++tiles;
            last = at;
        });
        QCOMPARE(tiles, (columns + 1) * (rows + 1));
        QCOMPARE(last, QRectF(columns * w, rows * h, w, h));
    }

    // Painted everywhere the window shows, up to its far corner, also when
    // the title window is built again on the way back from the introduction.
    void tilesReachPastTheRightAndBottomEdges()
    {
        rig->registry->show(QStringLiteral("frmstart"));
        const QPointer<forms::Form> first = &rig->window("frmstart").form();
        rig->press("frmstart", "Command1");
        rig->press("frmintro", "goback");
        rig->settle();
        QVERIFY(first.isNull());
        forms::Form &form = rig->window("frmstart").form();
        const QImage &background = form.surface().background();
        const QSize client = form.clientArea()->size();
        QVERIFY(background.width() > client.width() && background.height() > client.height());
        QCOMPARE(background.pixelColor(client.width() - 1, client.height() - 1).alpha(), 255);
        QCOMPARE(background.pixelColor(0, 0).alpha(), 255);
        QVERIFY(!form.controlAs<forms::Picture>(QStringLiteral("Picture1"))->widget()->isVisible());
    }

    // Letters that name what lies above or below them stand over it, as
    // designed and enlarged: the chord menu's letters each over its option
    // button's round box, and the string names of the introduction's A major
    // example each under its string (the diagram keeps its size and its
    // distance to the names). Off by less than a share of the spacing.
    void lettersStandOverWhatTheyName_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("share");
        for (const double factor : {1.0, 1.5}) {
            QTest::addRow("menu at %g", factor) << "frmchords" << factor << 0.2;
            QTest::addRow("string names at %g", factor) << "frmintro" << factor << 0.35;
        }
    }
    void lettersStandOverWhatTheyName()
    {
        QFETCH(QString, window);
        QFETCH(double, factor);
        QFETCH(double, share);
        rig->registry->show(window);
        shell::WindowClass &w = rig->window(window);
        test::resizeClient(w.form(), factor);
        const bool menu = window == QLatin1String("frmchords");
        // Where each letter should stand, in the window's pixels.
        QList<double> marks;
        if (menu) {
            for (int option = 1; option <= 7; ++option) {
                auto *button = qobject_cast<QAbstractButton *>(
                    w.control(QStringLiteral("Option%1").arg(option)).widget());
                QStyleOptionButton style;
                style.initFrom(button);
                const QRectF box = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator,
                                                                   &style, button);
                marks << button->mapTo(&w.form(), QPointF(box.center().x(), 0)).x();
            }
        } else {
            const auto &diagram = w.controlAs<lessons::DiagramLabel>(QStringLiteral("Label4"));
            const QWidget &d = *diagram.widget();
            const double em = d.font().pointSizeF() * d.logicalDpiY() / 72.0;
            const double glyph = d.x() + (d.width() - diagram.naturalSize().width()) / 2.0;
            for (int string = 0; string < lessons::StringCount; ++string)
                marks << glyph + lessons::diagram::stringX(string) * em;
        }
        const auto &row = w.controlAs<forms::Label>(QLatin1String(menu ? "Label6" : "Label10"));
        const QList<double> letters = test::inkedRunCentres(row);
        QCOMPARE(letters.size(), marks.size());
        for (qsizetype i = 0; i < marks.size(); ++i) {
            const double off =
                row.widget()->mapTo(&w.form(), QPointF(letters.at(i), 0)).x() - marks.at(i);
            QVERIFY2(std::abs(off) <= share * (marks.at(1) - marks.at(0)),
                     qPrintable(QStringLiteral("letter %1: %2 px off").arg(i + 1).arg(off)));
        }
    }

    // A chord diagram plays its chord: a click strums it, Shift+click plays
    // it string by string, and so do Alt and its key, with Shift; the pointer
    // and the tooltip say so. Unloaded, its window stops its sound.
    void eachDiagramPlaysItsChord_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("diagram");
        QTest::addColumn<char>("letter");
        QTest::addColumn<char>("key");
        QTest::newRow("the introduction's A major") << "frmintro"
                                                    << "Label4" << 'a' << 'M';
        for (const char *page : shell::ChordPages) {
            const char letter = QChar::fromLatin1(page[3]).toLower().toLatin1();
            QTest::addRow("%s major", page) << page << "Label2" << letter << 'M';
            QTest::addRow("%s minor", page)
                << page << "Label6" << QChar::fromLatin1(letter).toUpper().toLatin1() << 'N';
        }
    }
    void eachDiagramPlaysItsChord()
    {
        QFETCH(QString, window);
        QFETCH(QString, diagram);
        QFETCH(char, letter);
        QFETCH(char, key);
        rig->registry->show(window);
        shell::WindowClass &w = rig->window(window);
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        QWidget *label = w.control(diagram).widget();
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::LeftButton, Qt::ShiftModifier);
        const auto letterKey = Qt::Key(key);
        QTest::keyClick(&w.form(), letterKey, Qt::AltModifier);
        QTest::keyClick(&w.form(), letterKey, Qt::AltModifier | Qt::ShiftModifier);
        const lessons::Voicing &voicing = *lessons::voicingFor(QLatin1Char(letter));
        QCOMPARE(rig->player.plays.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            const auto &play = rig->player.plays[i];
            QVERIFY(play.shape == voicing.frets);
            QCOMPARE(play.mode,
                     i % 2 == 0 ? platform::PlayMode::Strum : platform::PlayMode::StringByString);
            QCOMPARE(play.owner, &w);
        }
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY2(label->toolTip().contains(QStringLiteral("Alt+Shift+%1").arg(QLatin1Char(key))),
                 qPrintable(label->toolTip()));
        rig->registry->unload(window);
        QCOMPARE(rig->player.stops, std::vector<const void *>{&w});
    }

    // Show loads (a Show asked for by the Load itself changes nothing), then
    // resizes, then makes visible; a second Show keeps the window as it is;
    // after Unload, the same instance builds it afresh from the design.
    void showLoadsOnceAndUnloadForgets()
    {
        registry().unload(A);
        QVERIFY(!registry().instance(QStringLiteral("frmNoSuch")));
        probe(A).onLoad = [this] { registry().show(A); };
        registry().show(A);
        const QStringList shown{A + " Load visible=0", A + " Resize visible=0"};
        QCOMPARE(log, shown);
        forms::Form &form = probe(A).form();
        QVERIFY(form.isVisible());
        QVERIFY(layout::processEngine().FindForm(form.layoutView()) >= 0);
        // Shown at its design size: the first Resize recorded it unchanged.
        QCOMPARE(form.control(QStringLiteral("cmdGo"))->geometry(), QRectF(120, 120, 1200, 372));
        shell::WindowClass *instance = registry().instance(A);
        probe(A)
            .control(QStringLiteral("Label1"))
            .set(QStringLiteral("Caption"), QStringLiteral("changed"));
        registry().show(A);
        QCOMPARE(caption(), QVariant(QStringLiteral("changed")));
        QCOMPARE(log, shown);
        registry().unload(A);
        QVERIFY(!registry().isLoaded(A));
        registry().show(A);
        QCOMPARE(caption(), QVariant(QStringLiteral("probe")));
        QCOMPARE(log, shown + shown);
        QCOMPARE(registry().instance(A), instance);
        QCOMPARE(registry().instanceCount(), 1u);
    }

    // A handler leaving its own window: the window counts as unloaded at
    // once but lives until the handler has returned, and the program ends
    // only then, if nothing else was shown.
    void replaceFromTheWindowsOwnHandler_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("another window") << B << QStringList{B};
        QTest::newRow("a class the program lacks") << QStringLiteral("frmNoSuch") << QStringList{};
    }
    void replaceFromTheWindowsOwnHandler()
    {
        QFETCH(QString, next);
        QFETCH(QStringList, loaded);
        registry().show(A);
        const QPointer<forms::Form> left = &probe(A).form();
        bool aliveInHandler = false;
        probe(A).onClick = [&] {
            registry().replace(A, next);
            aliveInHandler = !left.isNull() && !registry().isLoaded(A);
        };
        if (loaded.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "no window class frmNoSuch");
        test::press(probe(A).control(QStringLiteral("cmdGo")));
        QVERIFY(aliveInHandler);
        QCOMPARE(rig->ends, 0);
        rig->settle();
        QVERIFY(left.isNull());
        QCOMPARE(registry().loadedClasses(), loaded);
        QCOMPARE(rig->ends, loaded.isEmpty() ? 1 : 0);
    }

    // A print sheet: loaded without Resize and never shown unless asked;
    // its Unload, outside any handler, still ends a program with no window.
    void hiddenLoadShowsOnlyWhenAsked()
    {
        forms::Form *sheet = registry().loadHidden(A);
        QVERIFY(sheet && !sheet->isVisible());
        QCOMPARE(log, QStringList{A + " Load visible=0"});
        registry().show(A);
        QVERIFY(sheet->isVisible());
        registry().unload(A);
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "test_shellwindows.moc"
