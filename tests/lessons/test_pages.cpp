#include "forms/form.h"
#include "forms/label.h"
#include "lessons/catalogue.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/lessonwindows.h"
#include "shell/names.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/ink.h"
#include "support/windowsize.h"

#include <QFontMetricsF>
#include <QImage>
#include <QtTest>

using namespace strumkin;

namespace {

// A diagram as its widget shows it, white ink on black, read back from the
// pixels: its strings, columns inked down most of the fretboard, and its fret
// lines, rows inked across from the first string to the last.
class DiagramReading {
public:
    explicit DiagramReading(const lessons::DiagramLabel &label)
    {
        QWidget *w = label.widget();
        m_em = w->font().pointSizeF() * w->logicalDpiY() / 72.0;
        m_image = QImage(w->size(), QImage::Format_RGB32);
        m_image.fill(Qt::black);
        w->render(&m_image, QPoint(), QRegion(), QWidget::DrawChildren);
        m_bounds = test::inkBounds(m_image, [](QRgb c) {
            return std::max({qRed(c), qGreen(c), qBlue(c)}) >= 128;
        });
        QList<int> columns;
        for (int x = 0; x < m_image.width(); ++x) {
            int longest = 0;
            for (int y = 0, length = 0; y < m_image.height(); ++y) {
                length = ink(x, y) ? length + 1 : 0;
                longest = std::max(longest, length);
            }
            if (longest >= 3 * lessons::diagram::FretSpacing * m_em)
                columns.append(x);
        }
        for (const QPoint r : runs(columns))
            m_strings.append((r.x() + r.y() + 1) / 2.0);
        QList<int> rows;
        for (int y = 0; y < m_image.height() && m_strings.size() > 1; ++y) {
            int inked = 0;
            const int left = int(m_strings.front());
            const int right = int(m_strings.back());
            for (int x = left; x <= right; ++x)
                inked += ink(x, y) ? 1 : 0;
            if (inked >= 0.9 * (right - left + 1))
                rows.append(y);
        }
        m_lines = runs(rows);
    }

    [[nodiscard]] double em() const { return m_em; }
    [[nodiscard]] QSize size() const { return m_image.size(); }
    // The smallest rectangle holding all ink.
    [[nodiscard]] QRect inkBounds() const { return m_bounds; }
    [[nodiscard]] const QList<double> &strings() const { return m_strings; }
    // First and last pixel of each line, the nut being the thick first one.
    [[nodiscard]] const QList<QPoint> &lines() const { return m_lines; }
    // The middle of a fret row (from 1), between its two lines.
    [[nodiscard]] double rowCentre(int row) const
    {
        return (m_lines[row - 1].y() + 1 + m_lines[row].x()) / 2.0;
    }

private:
    [[nodiscard]] bool ink(int x, int y) const
    {
        const QColor c = m_image.pixelColor(x, y);
        return std::max({c.red(), c.green(), c.blue()}) >= 128;
    }
    static QList<QPoint> runs(const QList<int> &marked)
    {
        QList<QPoint> found;
        for (const int i : marked) {
            if (!found.isEmpty() && found.back().y() == i - 1)
                found.back().setY(i);
            else
                found.append({i, i});
        }
        return found;
    }

    double m_em = 0;
    QImage m_image;
    QRect m_bounds;
    QList<double> m_strings;
    QList<QPoint> m_lines;
};

// Every diagram of the pages with the labels it lines up with: its finger
// row, and the fret marker with the fret it points at.
struct DiagramSide {
    const char *window;
    const char *diagram;
    const char *fingers;
    const char *marker;
    int fret;
};
const DiagramSide diagramSides[] = {
    {"frmA", "Label2", "Label4", "Label9", 2}, {"frmA", "Label6", "Label11", "Label12", 1},
    {"frmb", "Label2", "Label4", "Label9", 2}, {"frmb", "Label6", "Label11", "Label10", 2},
    {"frmC", "Label2", "Label4", "Label9", 1}, {"frmC", "Label6", "Label11", "Label10", 3},
    {"frmD", "Label2", "Label4", "Label9", 1}, {"frmD", "Label6", "Label11", "", 0},
    {"frmE", "Label2", "Label4", "Label9", 1}, {"frmE", "Label6", "Label11", "Label5", 2},
    {"frmF", "Label2", "Label4", "Label9", 1}, {"frmF", "Label6", "Label11", "Label5", 1},
    {"frmG", "Label2", "Label4", "Label9", 2}, {"frmG", "Label6", "Label11", "Label5", 3},
};

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

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

    // A save writes the text the page holds for its chord and one line end,
    // replacing the file the next time.
    void savesWriteTheChordsTextAndOneLineEnd_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");
        const char *const files[] = {
            "Amajor.txt",         "Aminor.txt",         "Bchords/Bmajor.txt", "Bchords/Bminor.txt",
            "Cchords/Cmajor.txt", "Cchords/Cminor.txt", "Dchords/Dmajor.txt", "Dchords/Dminor.txt",
            "Echords/Emajor.txt", "Echords/Eminor.txt", "Fchords/Fmajor.txt", "Fchords/Fminor.txt",
            "Gchords/Gmajor.txt", "Gchords/Gminor.txt"};
        for (int i = 0; i < 14; ++i)
            QTest::newRow(files[i]) << i << QStringLiteral("Chords/") + QLatin1String(files[i]);
    }
    void savesWriteTheChordsTextAndOneLineEnd()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        const lessons::Chord &chord = lessons::chords().at(std::size_t(index));
        const QString window = QLatin1String(shell::ChordPages[chord.root - 'A']);
        open(window);
        const forms::Control &holder = rig->window(window).control(QLatin1String(chord.holder));
        const QByteArray expected = test::textOf(holder).toLatin1() + "\r\n";
        QVERIFY(expected.size() > 60);
        const char *button = chord.quality == lessons::Quality::Major ? "Command1" : "Command2";
        for (int round = 0; round < 2; ++round) {
            rig->press(window, QLatin1String(button));
            QCOMPARE(readWholeFile(rig->onDrive(file)), expected);
        }
    }

    void theAMajorSaveShowsWhereChordsGoAndWritesTheseBytes()
    {
        open(QStringLiteral("frmA"));
        rig->press("frmA", "Command2");
        QVERIFY(rig->prompter.shown.empty());
        rig->press("frmA", "Command1");
        QCOMPARE(rig->prompter.shown.size(), 1u);
        QCOMPARE(rig->prompter.shown.front().text,
                 QStringLiteral("The chords will be saved in the %1 directory")
                     .arg(rig->drive.filePath(QStringLiteral("Chords"))));
        QCOMPARE(rig->prompter.shown.front().title, QStringLiteral("Strumkin"));
        QVERIFY(!rig->prompter.shown.front().question);
        QCOMPARE(readWholeFile(rig->onDrive(QStringLiteral("Chords/Amajor.txt"))),
                 QByteArray("This is for the chord A major. First move down to the \r\n"
                            "second fret. Put your first finger on the G string. Then \r\n"
                            "your 2nd finger on the D string, then your 3rd finger on \r\n"
                            "the B string! Make sure none of your other fingers are \r\n"
                            "touching any other strings or the chord won't sound right.\r\n"
                            "\r\n"));
    }

    // A page opened on an empty drive makes its folder, and its save buttons
    // tooltips name it where it really is.
    void aPageMakesItsFolderAndNamesIt()
    {
        QVERIFY(!QFileInfo::exists(rig->onDrive(QStringLiteral("Chords"))));
        open(QStringLiteral("frmC"));
        const QString folder = rig->onDrive(QStringLiteral("Chords/Cchords"));
        QVERIFY(QFileInfo(folder).isDir());
        for (const char *name : {"Command1", "Command2"})
            QCOMPARE(rig->window(QStringLiteral("frmC"))
                         .control(QLatin1String(name))
                         .get(QStringLiteral("ToolTipText"))
                         ->toString(),
                     QStringLiteral("Save to the %1 folder").arg(folder));
        QVERIFY(rig->prompter.shown.empty());
    }

    void printingAsksFirstAndPrintsOnYesOnly()
    {
        open(QStringLiteral("frmC"));
        rig->prompter.answers = {false};
        rig->press("frmC", "cmdprint");
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
        rig->press("frmC", "Command3");
        QCOMPARE(rig->prompter.shown.back().text,
                 QStringLiteral("Are you sure you want to print the C minor chord?"));
        QCOMPARE(rig->printer.printed.size(), 1);
        QVERIFY(sheetHidden);
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmC")});
    }

    void withoutAPrinterTheSheetIsOfferedAsPdf()
    {
        open(QStringLiteral("frmb"));
        rig->printer.outcome = platform::PrintResult::NoPrinter;
        rig->prompter.answers = {true, true};
        rig->press("frmb", "Command3");
        QCOMPARE(rig->prompter.shown.size(), 3u);
        QVERIFY(rig->prompter.shown[1].question);
        QVERIFY(rig->prompter.shown[1].text.contains(QStringLiteral("PDF")));
        const QString pdf = rig->onDrive(QStringLiteral("Chords/Bchords/Bminor.pdf"));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(rig->prompter.shown[2].text.contains(pdf));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmb")});

        rig->prompter.answers = {true, false};
        rig->press("frmb", "cmdprint");
        QCOMPARE(rig->printer.pdfCalls, 1);
        QCOMPARE(rig->prompter.shown.size(), 5u);
    }

    void enterOnAFreshPageActsOnItsFirstControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QString>("message");
        QTest::newRow("E goes on to F") << "frmE" << QStringList{"frmF"} << QString();
        QTest::newRow("B asks the B minor question")
            << "frmb" << QStringList{"frmb"} << "Are you sure you want to print the B minor chord?";
        QTest::newRow("A tells where and saves")
            << "frmA" << QStringList{"frmA"} << "The chords will be saved in the";
    }
    void enterOnAFreshPageActsOnItsFirstControl()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, loaded);
        QFETCH(QString, message);
        open(window);
        forms::Form &form = rig->window(window).form();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), loaded);
        QCOMPARE(rig->prompter.shown.size(), message.isEmpty() ? 0u : 1u);
        if (!message.isEmpty())
            QVERIFY(rig->prompter.shown.front().text.startsWith(message));
    }

    void accessKeysAreDistinct()
    {
        for (const char *window : shell::ChordPages) {
            open(QLatin1String(window));
            QStringList keys;
            for (const forms::Control *c :
                 rig->window(QLatin1String(window)).form().allControls()) {
                const QString caption =
                    c->get(QStringLiteral("Caption")).value_or(QString()).toString();
                const qsizetype amp = caption.indexOf(QLatin1Char('&'));
                if (amp >= 0 && amp + 1 < caption.size())
                    keys << caption.mid(amp + 1, 1).toUpper();
            }
            QStringList unique = keys;
            unique.removeDuplicates();
            QCOMPARE(unique.size(), keys.size());
            rig->registry->unload(QLatin1String(window));
        }
    }

    // The page resized as the window system does it, from a tiny window to
    // one filling a large screen: the diagram is drawn whole, cut neither by
    // its widget nor by a window that can hold it; and where the window is at
    // least its designed size, where the labels have moved from where they
    // were designed while the diagram keeps its size, each finger-row digit
    // stands under the string it names and the fret marker points at its row.
    void diagramsStayWholeAndLineUpWithTheirLabels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("diagramName");
        QTest::addColumn<QString>("fingers");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("fret");
        QTest::addColumn<QSize>("size");
        const std::pair<const char *, QSize> sizes[] = {
            {"tiny", QSize(120, 100)},        {"half", QSize(215, 213)},
            {"as designed", QSize(430, 426)}, {"2.2 times as high", QSize(1000, 940)},
            {"1600x1160", QSize(1600, 1160)}, {"on a 3840x2160 screen", QSize(3840, 2160)},
        };
        for (const DiagramSide &side : diagramSides) {
            for (const auto &[name, size] : sizes) {
                QTest::addRow("%s %s %s", side.window, side.diagram, name)
                    << side.window << side.diagram << side.fingers << side.marker << side.fret
                    << size;
            }
        }
    }
    void diagramsStayWholeAndLineUpWithTheirLabels()
    {
        QFETCH(QString, window);
        QFETCH(QString, diagramName);
        QFETCH(QString, fingers);
        QFETCH(QString, marker);
        QFETCH(int, fret);
        QFETCH(QSize, size);
        open(window);
        forms::Form &form = rig->window(window).form();
        form.resize(size);
        QCOMPARE(form.clientArea()->size(), size);
        const auto &diagram = rig->window(window).controlAs<lessons::DiagramLabel>(diagramName);
        const lessons::Voicing &voicing = *diagram.voicing();
        const DiagramReading drawn(diagram);
        QCOMPARE(drawn.strings().size(), lessons::StringCount);
        QCOMPARE(drawn.lines().size(), lessons::diagram::FretRows + 1);
        // Clear of the widget's edges, and inside a window that can hold it.
        const QRect ink = drawn.inkBounds();
        const QRect shown = ink.translated(diagram.widget()->pos());
        QVERIFY(QRect(QPoint(1, 1), drawn.size() - QSize(2, 2)).contains(ink));
        if (size.width() >= ink.width() && size.height() >= ink.height())
            QVERIFY(QRect(QPoint(), size).contains(shown));
        if (size.width() < 430 || size.height() < 426)
            return;

        // Digits name the fretted strings from low E up, in order.
        const QPoint at = diagram.widget()->pos();
        const double twipsPerPixel = 1440.0 / form.dpiX();
        const double pitch = lessons::diagram::StringPitch * drawn.em() * twipsPerPixel;
        const forms::Control &row = rig->window(window).control(fingers);
        const QString text = row.get(QStringLiteral("Caption"))->toString();
        const QFontMetricsF metrics(row.widget()->font(), row.widget());
        QVERIFY(metrics.horizontalAdvance(text) * twipsPerPixel <= row.geometry().width());
        int string = -1;
        for (qsizetype k = 0; k < text.size(); ++k) {
            if (text[k] == QLatin1Char(' '))
                continue;
            do
                ++string;
            while (string < lessons::StringCount && voicing.frets[string] <= 0);
            QVERIFY(string < lessons::StringCount);
            const double digit = row.geometry().left() + (metrics.horizontalAdvance(text.left(k)) +
                                                          metrics.horizontalAdvance(text[k]) / 2) *
                                                             twipsPerPixel;
            const double under = (at.x() + drawn.strings().at(string)) * twipsPerPixel;
            QVERIFY2(std::abs(digit - under) < 0.35 * pitch, qPrintable(QString(text[k])));
        }
        if (marker.isEmpty())
            return;
        // The marker's first line points at the middle of its fret's row.
        const forms::Control &label = rig->window(window).control(marker);
        const double pointsAt =
            label.geometry().top() +
            QFontMetricsF(label.widget()->font(), label.widget()).height() / 2 * twipsPerPixel;
        const double rowAt =
            (at.y() + drawn.rowCentre(fret - voicing.firstFret + 1)) * twipsPerPixel;
        const double spacing = lessons::diagram::FretSpacing * drawn.em() * twipsPerPixel;
        QVERIFY(std::abs(pointsAt - rowAt) <= 0.5 * spacing);
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
        forms::Form &form = rig->window(window).form();
        test::resizeClient(form, factor);
        const auto &diagram =
            rig->window(window).controlAs<lessons::DiagramLabel>(QStringLiteral("Label6"));
        const auto &label = rig->window(window).controlAs<forms::Label>(labelName);
        const double twipsPerPixel = 1440.0 / form.dpiX();
        const double em = diagram.widget()->font().pointSizeF() * 20; // twips
        const double diagramLeft =
            diagram.geometry().left() + diagram.drift().x() +
            (lessons::diagram::stringX(0) - lessons::diagram::DotRadius) * em;
        const double textRight = label.geometry().left() + test::inkedRight(label) * twipsPerPixel;
        QVERIFY(textRight < diagramLeft);
    }
};

QTEST_MAIN(PagesTest)
#include "test_pages.moc"
