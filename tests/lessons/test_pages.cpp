#include "forms/form.h"
#include "forms/label.h"
#include "forms/toggle.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/ink.h"
#include "support/windowsize.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QtTest>

using namespace strumkin;

namespace {

const QStringList pages{QStringLiteral("frmA"), QStringLiteral("frmb"), QStringLiteral("frmC"),
                        QStringLiteral("frmD"), QStringLiteral("frmE"), QStringLiteral("frmF"),
                        QStringLiteral("frmG")};

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    shell::WindowClass &page(const QString &name) { return *rig->registry->instance(name); }
    QAbstractButton *button(const QString &window, const char *name)
    {
        return qobject_cast<QAbstractButton *>(page(window).control(QLatin1String(name)).widget());
    }
    QString onDrive(const QString &relative) const { return rig->drive.filePath(relative); }
    void open(const QString &window)
    {
        rig->registry->show(window);
        QVERIFY(rig->registry->isLoaded(window));
    }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        lessons::registerLessonWindows(*rig->registry);
        rig->standIn({QStringLiteral("frmchords"), QStringLiteral("frmfind")});
    }
    void cleanup() { rig.reset(); }

    void savesWriteTheChordsTextAndOneLineEnd_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        const auto row = [](const char *chord, const char *window, const char *button,
                            const char *file, const char *text) {
            QTest::newRow(chord) << QString::fromLatin1(window) << QString::fromLatin1(button)
                                 << QString::fromLatin1(file) << QByteArray(text);
        };
        row("A major", "frmA", "Command1", "Chords/Amajor.txt",
            "This is for the chord A major. First move down to the \r\n"
            "second fret. Put your first finger on the G string. Then \r\n"
            "your 2nd finger on the D string, then your 3rd finger on \r\n"
            "the B string! Make sure none of your other fingers are \r\n"
            "touching any other strings or the chord won't sound right.\r\n");
        row("A minor", "frmA", "Command2", "Chords/Aminor.txt",
            "1st finger on the B string, 2nd on the D string, 3rd on the G string. ( If you didnt "
            "know, your 1st finger is the pointer finger.)");
        row("B major", "frmb", "Command1", "Chords/Bchords/Bmajor.txt",
            "Move down to the 2nd fret and bar it with your 1st finger. Then put your 2nd finger "
            "on "
            "the D string, 3rd on the G string then 4th on the B string!");
        row("B minor", "frmb", "Command2", "Chords/Bchords/Bminor.txt",
            "1st finger still bars on this chord. But the 2nd finger goes on the B string, 3rd on "
            "the D string, 4th on the G string!");
        row("C major", "frmC", "Command1", "Chords/Cchords/Cmajor.txt",
            "First finger on the B string, 2nd finger on the D string, 3rd on the A string.");
        row("C minor", "frmC", "Command2", "Chords/Cchords/Cminor.txt",
            "You don't know what that 3fr means right? Well it means that when you bar with your "
            "first finger your not going to bar at the top of the neck but on the 3rd fret down. "
            "(The fret on the first dot thats on your guitar's neck.)");
        row("D major", "frmD", "Command1", "Chords/Dchords/Dmajor.txt",
            "For the D major chord put your first \r\n"
            "finger on the G string then your second \r\n"
            "finger on the high E string, last your third \r\n"
            "finger on the B string.\r\n");
        row("D minor", "frmD", "Command2", "Chords/Dchords/Dminor.txt",
            "For the D minor chord put your first finger on the high E sting, then your 2nd finger "
            "on the G string, last put your 3rd finger on the B string.\r\n");
        row("E major", "frmE", "Command1", "Chords/Echords/Emajor.txt",
            "First finger on the D string, 2nd finger on the A string, your 3rd finger on the G "
            "string.");
        row("E minor", "frmE", "Command2", "Chords/Echords/Eminor.txt",
            "Put your 2nd finger on the A string, then your 3rd finger on the D string.");
        row("F major", "frmF", "Command1", "Chords/Fchords/Fmajor.txt",
            "Remember too bar the 1st fret with your 1st finger. Then use your 2nd finger for the "
            "G "
            "string, 3rd finger on the A string, last 4th finger on the D string.");
        row("F minor", "frmF", "Command2", "Chords/Fchords/Fminor.txt",
            "Again, use your first finger to bar the 1st fret. Then 3rd finger on the A string, "
            "last use your 4th finger on the D string.");
        row("G major", "frmG", "Command1", "Chords/Gchords/Gmajor.txt",
            "First finger on the A string, then your 2nd finger on the low E string, last your 3rd "
            "finger on the high E string.");
        row("G minor", "frmG", "Command2", "Chords/Gchords/Gminor.txt",
            "1st finger bars the 3rd fret, then your 2nd finger on the A string, then 3rd finger "
            "on "
            "the D string.");
    }
    void savesWriteTheChordsTextAndOneLineEnd()
    {
        QFETCH(QString, window);
        QFETCH(QString, buttonName);
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        open(window);
        button(window, qPrintable(buttonName))->click();
        const QByteArray expected = text + "\r\n";
        QCOMPARE(readWholeFile(onDrive(file)), expected);
        // Saving again replaces the file rather than adding to it.
        button(window, qPrintable(buttonName))->click();
        QCOMPARE(readWholeFile(onDrive(file)), expected);
    }

    void onlyTheAMajorSaveShowsWhereChordsGo()
    {
        open(QStringLiteral("frmA"));
        button(QStringLiteral("frmA"), "Command2")->click();
        QVERIFY(rig->prompter.shown.empty());
        button(QStringLiteral("frmA"), "Command1")->click();
        QCOMPARE(rig->prompter.shown.size(), 1u);
        QCOMPARE(rig->prompter.shown.front().text,
                 QStringLiteral("The chords will be saved in the %1 directory")
                     .arg(rig->drive.filePath(QStringLiteral("Chords"))));
        QCOMPARE(rig->prompter.shown.front().title, QStringLiteral("Strumkin"));
        QVERIFY(!rig->prompter.shown.front().question);
    }

    void aPageOnAnEmptyDriveMakesItsFolders()
    {
        QVERIFY(!QFileInfo::exists(onDrive(QStringLiteral("Chords"))));
        open(QStringLiteral("frmb"));
        QVERIFY(QFileInfo(onDrive(QStringLiteral("Chords/Bchords"))).isDir());
        button(QStringLiteral("frmb"), "Command1")->click();
        QVERIFY(QFileInfo(onDrive(QStringLiteral("Chords/Bchords/Bmajor.txt"))).isFile());
        QVERIFY(rig->prompter.shown.empty());
    }

    void saveTooltipsNameTheRealFolder()
    {
        open(QStringLiteral("frmC"));
        const QString tip = QStringLiteral("Save to the %1 folder")
                                .arg(rig->drive.filePath(QStringLiteral("Chords/Cchords")));
        for (const char *name : {"Command1", "Command2"})
            QCOMPARE(page(QStringLiteral("frmC"))
                         .control(QLatin1String(name))
                         .get(QStringLiteral("ToolTipText"))
                         ->toString(),
                     tip);
    }

    void printingAsksFirstAndPrintsOnYesOnly()
    {
        open(QStringLiteral("frmC"));
        rig->prompter.answers = {false};
        button(QStringLiteral("frmC"), "cmdprint")->click();
        QCOMPARE(rig->prompter.shown.back().text,
                 QStringLiteral("Are you sure you want to print the C major chord?"));
        QCOMPARE(rig->prompter.shown.back().title, QStringLiteral("Print?"));
        QVERIFY(rig->prompter.shown.back().question);
        QCOMPARE(rig->printer.printCalls, 0);
        QVERIFY(!rig->registry->isLoaded(QStringLiteral("frmcma")));

        bool sheetHidden = false;
        rig->printer.whilePainting = [&] {
            sheetHidden = rig->registry->isLoaded(QStringLiteral("frmcmi")) &&
                          !rig->registry->instance(QStringLiteral("frmcmi"))->form().isVisible();
        };
        rig->prompter.answers = {true};
        button(QStringLiteral("frmC"), "Command3")->click();
        QCOMPARE(rig->prompter.shown.back().text,
                 QStringLiteral("Are you sure you want to print the C minor chord?"));
        QCOMPARE(rig->printer.printed.size(), 1);
        QVERIFY(sheetHidden);
        QVERIFY(!rig->registry->isLoaded(QStringLiteral("frmcmi")));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmC")});
    }

    void aPrintedSheetCarriesItsSentence()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        open(QStringLiteral("frmA"));
        rig->prompter.answers = {true};
        button(QStringLiteral("frmA"), "Command3")->click();
        QCOMPARE(rig->printer.printed.size(), 1);
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {rig->printer.printed.front(), QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(words.contains(QStringLiteral("This is the A minor Chord")), qPrintable(words));
    }

    void withoutAPrinterTheSheetIsOfferedAsPdf()
    {
        open(QStringLiteral("frmb"));
        rig->printer.outcome = platform::PrintResult::NoPrinter;
        rig->prompter.answers = {true, true};
        button(QStringLiteral("frmb"), "Command3")->click();
        QCOMPARE(rig->prompter.shown.size(), 3u);
        QVERIFY(rig->prompter.shown[1].question);
        QVERIFY(rig->prompter.shown[1].text.contains(QStringLiteral("PDF")));
        const QString pdf = onDrive(QStringLiteral("Chords/Bchords/Bminor.pdf"));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(rig->prompter.shown[2].text.contains(pdf));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmb")});

        rig->prompter.answers = {true, false};
        button(QStringLiteral("frmb"), "cmdprint")->click();
        QCOMPARE(rig->printer.pdfCalls, 1);
        QCOMPARE(rig->prompter.shown.size(), 5u);
    }

    void endPagesLackTheirButtons()
    {
        open(QStringLiteral("frmA"));
        QVERIFY(!page(QStringLiteral("frmA")).form().control(QStringLiteral("Command6")));
        open(QStringLiteral("frmG"));
        QVERIFY(!page(QStringLiteral("frmG")).form().control(QStringLiteral("Command5")));
        QCOMPARE(page(QStringLiteral("frmG")).control(QStringLiteral("Command6")).geometry().left(),
                 4080.0);
        QCOMPARE(page(QStringLiteral("frmG")).control(QStringLiteral("Command4")).geometry().left(),
                 5280.0);
    }

    void theCheckBoxOpensTheBrowserBesideThePage()
    {
        open(QStringLiteral("frmA"));
        button(QStringLiteral("frmA"), "Check1")->click();
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmA"), QStringLiteral("frmfind")}));
    }

    void enterOnAFreshPageActsOnItsFirstControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("E goes on to F") << "frmE";
        QTest::newRow("B asks the B minor question") << "frmb";
        QTest::newRow("A tells where and saves") << "frmA";
    }
    void enterOnAFreshPageActsOnItsFirstControl()
    {
        QFETCH(QString, window);
        open(window);
        forms::Form &form = page(window).form();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        rig->settle();
        if (window == QLatin1String("frmE")) {
            QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmF")});
        } else if (window == QLatin1String("frmb")) {
            QCOMPARE(rig->prompter.shown.size(), 1u);
            QCOMPARE(rig->prompter.shown.front().text,
                     QStringLiteral("Are you sure you want to print the B minor chord?"));
        } else {
            QCOMPARE(rig->prompter.shown.size(), 1u);
            QVERIFY(QFileInfo(onDrive(QStringLiteral("Chords/Amajor.txt"))).isFile());
        }
    }

    void accessKeysAreDistinct()
    {
        for (const QString &window : pages) {
            open(window);
            QStringList keys;
            for (const forms::Control *c : page(window).form().allControls()) {
                const QString caption =
                    c->get(QStringLiteral("Caption")).value_or(QString()).toString();
                const qsizetype amp = caption.indexOf(QLatin1Char('&'));
                if (amp >= 0 && amp + 1 < caption.size())
                    keys << caption.mid(amp + 1, 1).toUpper();
            }
            QStringList unique = keys;
            unique.removeDuplicates();
            QCOMPARE(unique.size(), keys.size());
            rig->registry->unload(window);
        }
    }

    // What a user checks on a page: each finger-row digit under the string
    // it names and each fret marker at its row, as designed and enlarged.
    void diagramsLineUpWithTheirLabels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("diagramName");
        QTest::addColumn<QString>("fingers");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("fret");
        QTest::addColumn<double>("factor");
        struct Side {
            const char *window, *diagram, *fingers, *marker;
            int fret;
        };
        const Side sides[] = {
            {"frmA", "Label2", "Label4", "Label9", 2}, {"frmA", "Label6", "Label11", "Label12", 1},
            {"frmb", "Label2", "Label4", "Label9", 2}, {"frmb", "Label6", "Label11", "Label10", 2},
            {"frmC", "Label2", "Label4", "Label9", 1}, {"frmC", "Label6", "Label11", "Label10", 3},
            {"frmD", "Label2", "Label4", "Label9", 1}, {"frmD", "Label6", "Label11", "", 0},
            {"frmE", "Label2", "Label4", "Label9", 1}, {"frmE", "Label6", "Label11", "Label5", 2},
            {"frmF", "Label2", "Label4", "Label9", 1}, {"frmF", "Label6", "Label11", "Label5", 1},
            {"frmG", "Label2", "Label4", "Label9", 2}, {"frmG", "Label6", "Label11", "Label5", 3},
        };
        for (const Side &side : sides) {
            for (const double factor : {1.0, 1.5}) {
                QTest::addRow("%s %s at %g", side.window, side.diagram, factor)
                    << side.window << side.diagram << side.fingers << side.marker << side.fret
                    << factor;
            }
        }
    }
    void diagramsLineUpWithTheirLabels()
    {
        QFETCH(QString, window);
        QFETCH(QString, diagramName);
        QFETCH(QString, fingers);
        QFETCH(QString, marker);
        QFETCH(int, fret);
        QFETCH(double, factor);
        open(window);
        forms::Form &form = page(window).form();
        form.setClientSizeTwips(form.clientSizeTwips() * factor);
        const auto &diagram = page(window).controlAs<lessons::DiagramLabel>(diagramName);
        const lessons::Voicing *voicing = diagram.voicing();
        QVERIFY(voicing);
        const double em = diagram.widget()->font().pointSizeF() * 20; // twips
        const QPointF glyph = diagram.geometry().topLeft() + diagram.drift();

        // Digits name the fretted strings from low E up, in order.
        const forms::Control &row = page(window).control(fingers);
        const QString text = row.get(QStringLiteral("Caption"))->toString();
        const QFontMetricsF metrics(row.widget()->font(), row.widget());
        const double twipsPerPixel = 1440.0 / form.dpiX();
        QVERIFY(metrics.horizontalAdvance(text) * twipsPerPixel <= row.geometry().width());
        int string = -1;
        for (qsizetype k = 0; k < text.size(); ++k) {
            if (text[k] == QLatin1Char(' '))
                continue;
            do
                ++string;
            while (string < lessons::StringCount && voicing->frets[string] <= 0);
            QVERIFY(string < lessons::StringCount);
            const double digit = row.geometry().left() + (metrics.horizontalAdvance(text.left(k)) +
                                                          metrics.horizontalAdvance(text[k]) / 2) *
                                                             twipsPerPixel;
            const double under = glyph.x() + lessons::diagram::stringX(string) * em;
            const double pitch = lessons::diagram::StringPitch * em;
            QVERIFY2(std::abs(digit - under) < 0.35 * pitch,
                     qPrintable(QStringLiteral("digit %1 at %2, string %3 at %4")
                                    .arg(text[k])
                                    .arg(digit)
                                    .arg(string)
                                    .arg(under)));
        }
        if (marker.isEmpty())
            return;
        // The marker's first line points at the middle of its fret's row.
        const forms::Control &label = page(window).control(marker);
        const double pointsAt =
            label.geometry().top() +
            QFontMetricsF(label.widget()->font(), label.widget()).height() / 2 * twipsPerPixel;
        const double rowAt =
            glyph.y() + lessons::diagram::rowCentreY(fret - voicing->firstFret + 1) * em;
        QVERIFY2(std::abs(pointsAt - rowAt) <= 0.5 * lessons::diagram::FretSpacing * em,
                 qPrintable(QStringLiteral("marker at %1, row at %2").arg(pointsAt).arg(rowAt)));
    }

    // A label that points at a barre from the left ends before the diagram:
    // its text keeps its size and its lines when the window grows.
    void barLabelsStayClearOfTheirDiagrams_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<double>("factor");
        for (const auto &[window, label] :
             {std::pair{"frmb", "Label10"}, std::pair{"frmC", "Label10"},
              std::pair{"frmF", "Label5"}}) {
            for (const double factor : {1.0, 1.5})
                QTest::addRow("%s %s at %g", window, label, factor)
                    << QString::fromLatin1(window) << QString::fromLatin1(label) << factor;
        }
    }
    void barLabelsStayClearOfTheirDiagrams()
    {
        QFETCH(QString, window);
        QFETCH(QString, labelName);
        QFETCH(double, factor);
        open(window);
        forms::Form &form = page(window).form();
        test::resizeClient(form, factor);
        const auto &diagram =
            page(window).controlAs<lessons::DiagramLabel>(QStringLiteral("Label6"));
        const auto &label = page(window).controlAs<forms::Label>(labelName);
        const double twipsPerPixel = 1440.0 / form.dpiX();
        const double em = diagram.widget()->font().pointSizeF() * 20; // twips
        const double diagramLeft =
            diagram.geometry().left() + diagram.drift().x() +
            (lessons::diagram::stringX(0) - lessons::diagram::DotRadius) * em;
        const double textRight = label.geometry().left() + test::inkedRight(label) * twipsPerPixel;
        QVERIFY2(textRight < diagramLeft,
                 qPrintable(QStringLiteral("text ends at %1 twips, the diagram starts at %2")
                                .arg(textRight)
                                .arg(diagramLeft)));
    }
};

QTEST_MAIN(PagesTest)
#include "test_pages.moc"
