// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/catalogue.h"
#include "lessons/lessonwindows.h"
#include "lessons/sheetprinting.h"
#include "support/doubles.h"

#include <QFileInfo>
#include <QtTest>

using namespace strumkin;

// One chord's sheet printed to a PDF file: the whole call, from loading the
// hidden sheet to the file written and the sheet unloaded.
class PrintBench : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

private slots:
    void initTestCase()
    {
        rig = std::make_unique<test::Rig>();
        lessons::registerLessonWindows(*rig->registry);
    }
    void cleanupTestCase()
    {
        if (!rig->printer.printed.isEmpty())
            qInfo("PDF size: %lld bytes", QFileInfo(rig->printer.printed.back()).size());
        rig.reset();
    }

    void printOneSheetToPdf()
    {
        const lessons::Chord &chord = lessons::chord('G', lessons::Quality::Minor);
        QBENCHMARK
        {
            lessons::printChordSheet(*rig->registry, chord, {});
        }
        QVERIFY(!rig->printer.printed.isEmpty());
        QVERIFY(!rig->registry->isLoaded(QLatin1String(chord.sheet)));
    }
};

QTEST_MAIN(PrintBench)
#include "bench_print.moc"
