// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/filelist.h"
#include "forms/folderreading.h"
#include "forms/form.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "windows/sidewindows.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

using namespace strumkin;

// The saved-chords browser opened on a chords folder of many files: timed
// from the request to show it until it is exposed and painted, then the
// longest time the event loop did not turn in the second that follows (how
// long the user would find the program frozen). Rounds are timed by hand, as
// each needs a fresh window.
class BrowserBench : public QObject {
    Q_OBJECT

    static constexpr int Rounds = 11;
    static constexpr int WatchMilliseconds = 1000;

    static void fill(const QString &folder, int files)
    {
        QVERIFY(QDir().mkpath(folder));
        const QByteArray stem = QFile::encodeName(folder) + "/chord";
        for (int i = 0; i < files; ++i) {
            const QByteArray name = stem + QByteArray::number(i) + ".txt";
            const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
    }

    static double milliseconds(qint64 nanoseconds) { return nanoseconds / 1e6; }

    static void report(const char *what, std::vector<double> times)
    {
        std::sort(times.begin(), times.end());
        qInfo("%s MEDIAN %.3f ms (fastest %.3f, slowest %.3f) of %zu rounds", what,
              times[times.size() / 2], times.front(), times.back(), times.size());
    }

private slots:
    void openBrowser_data()
    {
        QTest::addColumn<int>("files");
        QTest::newRow("5000") << 5000;
        QTest::newRow("50000") << 50000;
    }
    void openBrowser()
    {
        QFETCH(int, files);
        test::Rig rig;
        windows::registerSideWindows(*rig.registry);
        fill(rig.drive.filePath(QStringLiteral("Chords")), files);
        std::vector<double> shown;
        std::vector<double> stalls;
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            rig.registry->show(QStringLiteral("frmfind"));
            shell::WindowClass *browser = rig.registry->instance(QStringLiteral("frmfind"));
            const QDeadlineTimer deadline(10000);
            while (browser->form().windowHandle() == nullptr ||
                   !browser->form().windowHandle()->isExposed()) {
                QVERIFY(!deadline.hasExpired());
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            }
            QCoreApplication::processEvents();
            shown.push_back(milliseconds(timer.nsecsElapsed()));
            QCOMPARE(browser->controlAs<forms::FileList>(QStringLiteral("File1")).names().size(),
                     files);

            // The event loop's longest pause while the window stands open.
            qint64 last = timer.nsecsElapsed();
            qint64 longest = 0;
            QTimer tick;
            tick.setInterval(1);
            QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
                const qint64 now = timer.nsecsElapsed();
                longest = std::max(longest, now - last);
                last = now;
            });
            tick.start();
            const QDeadlineTimer watch(WatchMilliseconds);
            while (!watch.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            stalls.push_back(milliseconds(longest));

            rig.registry->unloadAll();
            rig.settle();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        // Of the time to show: reading and sorting the folder's names.
        std::vector<double> reads;
        const QByteArray folder = QFile::encodeName(rig.drive.filePath(QStringLiteral("Chords")));
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            const auto entries = forms::readFolder(folder, forms::Entries::Files);
            reads.push_back(milliseconds(timer.nsecsElapsed()));
            QCOMPARE(static_cast<int>(entries.size()), files);
        }
        const QByteArray tag = QByteArray(QTest::currentDataTag());
        report(("shown " + tag).constData(), shown);
        report(("stall " + tag).constData(), stalls);
        report(("read " + tag).constData(), reads);
    }
};

QTEST_MAIN(BrowserBench)
#include "bench_browser.moc"
