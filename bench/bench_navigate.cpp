// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "forms/picture.h"
#include "lessons/lessonwindows.h"
#include "pages.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "windows/sidewindows.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>

using namespace strumkin;

// One Close on the chord page with the most controls: the Click of Command4
// unloads the page and shows the chord menu, loaded afresh. Timed from the
// click until the menu is exposed and painted and the page's window deleted.
// Showing the page is the set-up of each round and stays out of that time; it
// is timed on its own for the record. QBENCHMARK cannot leave a set-up out,
// so each round is timed by hand and the median reported.
class NavigateBench : public QObject {
    Q_OBJECT

    static constexpr int Rounds = 41;
    std::unique_ptr<test::Rig> rig;
    QString page;

    [[nodiscard]] forms::Form *loadedForm(const QString &className) const
    {
        shell::WindowClass *window = rig->registry->instance(className);
        return window != nullptr && window->isLoaded() ? &window->form() : nullptr;
    }

    // Runs the event loop until the window is exposed, then once more for what
    // that posted (paints), and the deferred deletions.
    static bool untilShown(const forms::Form *form)
    {
        if (form == nullptr)
            return false;
        const QDeadlineTimer deadline(5000);
        while (form->windowHandle() == nullptr || !form->windowHandle()->isExposed()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }

    // Nothing loaded, nothing left to delete.
    void clear()
    {
        rig->registry->unloadAll();
        rig->settle();
    }

    static double milliseconds(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e6; }

    // QtTest rounds a result it is given to whole milliseconds, so the median
    // is also written out with its spread.
    static void report(std::vector<double> times)
    {
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        qInfo("MEDIAN %.3f ms (fastest %.3f, slowest %.3f) of %zu rounds", median, times.front(),
              times.back(), times.size());
        QTest::setBenchmarkResult(median, QTest::WalltimeMilliseconds);
    }

private slots:
    void initTestCase()
    {
        rig = std::make_unique<test::Rig>();
        QVERIFY(bench::useProgramFolder(*rig));
        shell::registerShellWindows(*rig->registry);
        lessons::registerLessonWindows(*rig->registry);
        windows::registerSideWindows(*rig->registry);
        const bench::BusiestPage busiest = bench::busiestChordPage(*rig->registry);
        QVERIFY(!busiest.className.isEmpty());
        page = busiest.className;
        qInfo("Chord page: %s with %zu controls", qPrintable(page), busiest.controls);
    }
    void cleanupTestCase() { rig.reset(); }

    void closeToChordMenu()
    {
        const QString menu = QStringLiteral("frmchords");
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round) {
            clear();
            rig->registry->show(page);
            QVERIFY(untilShown(loadedForm(page)));
            auto *close = qobject_cast<QAbstractButton *>(
                rig->registry->instance(page)->control(QStringLiteral("Command4")).widget());
            QVERIFY(close != nullptr);

            QElapsedTimer timer;
            timer.start();
            close->click();
            const bool shown = untilShown(loadedForm(menu));
            times.push_back(milliseconds(timer));

            QVERIFY2(shown, "the chord menu was not shown");
            QVERIFY2(!rig->registry->isLoaded(page), "the page is still loaded");
            // The menu read its pictures as the program does.
            const auto *picture =
                loadedForm(menu)->controlAs<forms::Picture>(QStringLiteral("Image1"));
            QVERIFY2(picture != nullptr && !picture->picture().isNull(),
                     "the menu has no pictures");
        }
        clear();
        report(times);
    }

    void showChordPage()
    {
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round) {
            clear();
            QElapsedTimer timer;
            timer.start();
            rig->registry->show(page);
            const bool shown = untilShown(loadedForm(page));
            times.push_back(milliseconds(timer));
            QVERIFY2(shown, "the page was not shown");
        }
        clear();
        report(times);
    }
};

QTEST_MAIN(NavigateBench)
#include "bench_navigate.moc"
