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
#include <QImage>
#include <QProcess>
#include <QtTest>

using namespace strumkin;

namespace {

const QStringList pages{QStringLiteral("frmA"), QStringLiteral("frmb"), QStringLiteral("frmC"),
                        QStringLiteral("frmD"), QStringLiteral("frmE"), QStringLiteral("frmF"),
                        QStringLiteral("frmG")};

// A diagram as its widget shows it, read back from the pixels: the page's
// white ink on black.
class DiagramReading {
public:
    struct Run {
        int from; // first pixel
        int to;   // last pixel
    };

    explicit DiagramReading(const lessons::DiagramLabel &label)
    {
        QWidget *w = label.widget();
        m_em = w->font().pointSizeF() * w->logicalDpiY() / 72.0;
        m_image = QImage(w->size(), QImage::Format_RGB32);
        m_image.fill(Qt::black);
        w->render(&m_image, QPoint(), QRegion(), QWidget::DrawChildren);
        if (qEnvironmentVariableIsSet("SHOTS")) {
            static int n = 0;
            m_image.scaled(m_image.size() * 4)
                .save(QStringLiteral("/tmp/diag/%1-%2.png")
                          .arg(QString::fromLatin1(QTest::currentDataTag())
                                   .replace(QLatin1Char(' '), QLatin1Char('_')))
                          .arg(n++));
            QWidget *f = w->window();
            QImage page(f->size(), QImage::Format_RGB32);
            f->render(&page);
            page.save(QStringLiteral("/tmp/diag/page-%1.png")
                          .arg(QString::fromLatin1(QTest::currentDataTag())
                                   .replace(QLatin1Char(' '), QLatin1Char('_'))));
        }
        readStrings();
        readLines();
        readDots();
    }

    [[nodiscard]] double em() const { return m_em; }
    [[nodiscard]] int width() const { return m_image.width(); }
    [[nodiscard]] int height() const { return m_image.height(); }
    [[nodiscard]] bool ink(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
            return false;
        const QColor c = m_image.pixelColor(x, y);
        return std::max({c.red(), c.green(), c.blue()}) >= 128;
    }
    // The smallest rectangle holding all ink.
    [[nodiscard]] QRect inkBounds() const
    {
        QRect bounds;
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                if (ink(x, y))
                    bounds |= QRect(x, y, 1, 1);
            }
        }
        return bounds;
    }
    // Centres of the strings, left to right: columns inked down most of the
    // fretboard.
    [[nodiscard]] const QList<double> &strings() const { return m_strings; }
    // The fret lines, the nut being the thick first one: rows inked across
    // from the first string to the last.
    [[nodiscard]] const QList<Run> &lines() const { return m_lines; }
    // Centres of the dots: whatever is inked all around, as only a dot is.
    [[nodiscard]] const QList<QPointF> &dots() const { return m_dots; }

    // The fret row (from 1) a height lies in, 0 outside the fretboard.
    [[nodiscard]] int rowAt(double y) const
    {
        for (qsizetype i = 1; i < m_lines.size(); ++i) {
            if (y > m_lines[i - 1].to + 1 && y < m_lines[i].from)
                return static_cast<int>(i);
        }
        return 0;
    }
    // The middle of a row, between its two lines.
    [[nodiscard]] double rowCentre(int row) const
    {
        return (m_lines[row - 1].to + 1 + m_lines[row].from) / 2.0;
    }
    // The string nearest a column, -1 when none is within half a pitch.
    [[nodiscard]] int stringAt(double x) const
    {
        const double pitch = lessons::diagram::StringPitch * m_em;
        for (qsizetype i = 0; i < m_strings.size(); ++i) {
            if (std::abs(m_strings[i] - x) < pitch / 2)
                return static_cast<int>(i);
        }
        return -1;
    }
    // Whether a pixel belongs to a dot, its smoothed edge included.
    [[nodiscard]] bool onDot(int x, int y) const
    {
        const double reach = lessons::diagram::DotRadius * m_em + 1.5;
        return std::any_of(m_dots.begin(), m_dots.end(), [&](const QPointF &d) {
            return std::hypot(x + 0.5 - d.x(), y + 0.5 - d.y()) <= reach;
        });
    }
    [[nodiscard]] bool onLine(int y) const
    {
        return std::any_of(m_lines.begin(), m_lines.end(),
                           [&](const Run &r) { return y >= r.from && y <= r.to; });
    }

private:
    static QList<Run> runs(const QList<int> &marked)
    {
        QList<Run> found;
        for (const int i : marked) {
            if (!found.isEmpty() && found.back().to == i - 1)
                found.back().to = i;
            else
                found.append({i, i});
        }
        return found;
    }
    void readStrings()
    {
        QList<int> columns;
        for (int x = 0; x < width(); ++x) {
            int longest = 0;
            int length = 0;
            for (int y = 0; y < height(); ++y) {
                length = ink(x, y) ? length + 1 : 0;
                longest = std::max(longest, length);
            }
            if (longest >= 3 * lessons::diagram::FretSpacing * m_em)
                columns.append(x);
        }
        for (const Run &r : runs(columns))
            m_strings.append((r.from + r.to + 1) / 2.0);
    }
    void readLines()
    {
        if (m_strings.size() < 2)
            return;
        const int left = static_cast<int>(m_strings.front());
        const int right = static_cast<int>(m_strings.back());
        QList<int> rows;
        for (int y = 0; y < height(); ++y) {
            int inked = 0;
            for (int x = left; x <= right; ++x)
                inked += ink(x, y) ? 1 : 0;
            if (inked >= 0.9 * (right - left + 1))
                rows.append(y);
        }
        m_lines = runs(rows);
    }
    void readDots()
    {
        // What is left of the ink shrunk by a square that is thicker than
        // any stroke, the nut included, but fits inside a dot: the dots.
        const int half = std::max(1, static_cast<int>(lessons::diagram::DotRadius * m_em / 2));
        std::vector<std::vector<bool>> core(width(), std::vector<bool>(height(), false));
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                bool all = true;
                for (int dy = -half; dy <= half && all; ++dy) {
                    for (int dx = -half; dx <= half && all; ++dx)
                        all = ink(x + dx, y + dy);
                }
                core[x][y] = all;
            }
        }
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                if (!core[x][y])
                    continue;
                QPointF sum;
                int count = 0;
                std::vector<QPoint> pending{QPoint(x, y)};
                core[x][y] = false;
                while (!pending.empty()) {
                    const QPoint p = pending.back();
                    pending.pop_back();
                    sum += QPointF(p) + QPointF(0.5, 0.5);
                    ++count;
                    for (const QPoint step :
                         {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                        const QPoint q = p + step;
                        if (q.x() >= 0 && q.y() >= 0 && q.x() < width() && q.y() < height() &&
                            core[q.x()][q.y()]) {
                            core[q.x()][q.y()] = false;
                            pending.push_back(q);
                        }
                    }
                }
                m_dots.append(sum / count);
            }
        }
    }

    double m_em = 0;
    QImage m_image;
    QList<double> m_strings;
    QList<Run> m_lines;
    QList<QPointF> m_dots;
};

struct DiagramSide {
    const char *window;
    const char *diagram;
    const char *fingers;
    const char *marker;
    int fret;
};

// Every diagram of the pages with the labels it lines up with: its finger
// row, and the fret marker with the fret it points at.
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
    // it names and each fret marker at its row, as designed and enlarged up to
    // a page filling a large screen, where the labels have moved far from
    // where they were designed while the diagram keeps its size.
    void diagramsLineUpWithTheirLabels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("diagramName");
        QTest::addColumn<QString>("fingers");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("fret");
        QTest::addColumn<double>("factor");
        for (const DiagramSide &side : diagramSides) {
            for (const double factor : {1.0, 1.5, 2.2, 2.7, 5.0}) {
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
        // Where the strings and rows are drawn, in the window's twips.
        const DiagramReading drawn(diagram);
        QCOMPARE(drawn.strings().size(), lessons::StringCount);
        QCOMPARE(drawn.lines().size(), lessons::diagram::FretRows + 1);
        const QPoint at = diagram.widget()->pos();
        const double twipsPerPixel = 1440.0 / form.dpiX();
        const double pitch = lessons::diagram::StringPitch * drawn.em() * twipsPerPixel;

        // Digits name the fretted strings from low E up, in order.
        const forms::Control &row = page(window).control(fingers);
        const QString text = row.get(QStringLiteral("Caption"))->toString();
        const QFontMetricsF metrics(row.widget()->font(), row.widget());
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
            const double under = (at.x() + drawn.strings().at(string)) * twipsPerPixel;
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
            (at.y() + drawn.rowCentre(fret - voicing->firstFret + 1)) * twipsPerPixel;
        const double spacing = lessons::diagram::FretSpacing * drawn.em() * twipsPerPixel;
        QVERIFY2(std::abs(pointsAt - rowAt) <= 0.5 * spacing,
                 qPrintable(QStringLiteral("marker at %1, row at %2").arg(pointsAt).arg(rowAt)));
    }

    // The page resized as the window system does it, from a tiny window to
    // one filling the largest screen: every part of both diagrams is drawn,
    // none cut by the diagram's widget, nor by the window where it can hold
    // the diagram.
    void diagramsAreDrawnWhole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("diagramName");
        QTest::addColumn<QSize>("size");
        const std::pair<const char *, QSize> sizes[] = {
            {"tiny", QSize(120, 100)},
            {"half", QSize(215, 213)},
            {"as designed", QSize(430, 426)},
            {"twice as large", QSize(860, 852)},
            {"2.2 times as high", QSize(1000, 940)},
            {"1600x1160", QSize(1600, 1160)},
            {"maximised on a 1920x1200 screen", QSize(1920, 1137)},
            {"on a 3840x2160 screen", QSize(3840, 2160)},
        };
        for (const DiagramSide &side : diagramSides) {
            for (const auto &[name, size] : sizes) {
                QTest::addRow("%s %s %s", side.window, side.diagram, name)
                    << side.window << side.diagram << size;
            }
        }
    }
    void diagramsAreDrawnWhole()
    {
        QFETCH(QString, window);
        QFETCH(QString, diagramName);
        QFETCH(QSize, size);
        open(window);
        forms::Form &form = page(window).form();
        form.resize(size);
        QCOMPARE(form.clientArea()->size(), size);
        const auto &diagram = page(window).controlAs<lessons::DiagramLabel>(diagramName);
        const lessons::Voicing &v = *diagram.voicing();
        const DiagramReading drawn(diagram);

        // A dot for each fretted string.
        QList<QPoint> expected;
        for (int s = 0; s < lessons::StringCount; ++s) {
            if (v.frets[s] > lessons::Open)
                expected.append(QPoint(s, v.frets[s] - v.firstFret + 1));
        }
        QVERIFY2(
            drawn.dots().size() == expected.size(),
            qPrintable(
                QStringLiteral("%1 dots of %2").arg(drawn.dots().size()).arg(expected.size())));
        // Clear of the widget's edges, where it would be cut off.
        const QRect ink = drawn.inkBounds();
        QVERIFY2(QRect(1, 1, drawn.width() - 2, drawn.height() - 2).contains(ink),
                 qPrintable(QStringLiteral("ink at %1,%2 %3x%4 in %5x%6")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(drawn.width())
                                .arg(drawn.height())));
        QCOMPARE(drawn.strings().size(), lessons::StringCount);
        QCOMPARE(drawn.lines().size(), lessons::diagram::FretRows + 1);
        // Each dot on its string at its fret.
        QList<QPoint> dots;
        for (const QPointF &d : drawn.dots())
            dots.append(QPoint(drawn.stringAt(d.x()), drawn.rowAt(d.y())));
        const auto order = [](const QPoint &a, const QPoint &b) {
            return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
        };
        std::sort(dots.begin(), dots.end(), order);
        QCOMPARE(dots, expected);
        // A circle or a cross above each string played open or muted, and
        // nothing above the others.
        const double em = drawn.em();
        const int nut = drawn.lines().front().from;
        for (int s = 0; s < lessons::StringCount; ++s) {
            const int x = static_cast<int>(drawn.strings().at(s));
            const int reach = static_cast<int>(0.04 * em);
            int above = 0;
            for (int y = 0; y < nut; ++y) {
                for (int dx = -reach; dx <= reach; ++dx)
                    above += drawn.ink(x + dx, y) ? 1 : 0;
            }
            QVERIFY2((above > 0) == (v.frets[s] <= lessons::Open),
                     qPrintable(QStringLiteral("string %1: %2 inked above").arg(s).arg(above)));
        }
        // The position label beside the first row, past the last string's
        // dots; nothing there at the nut.
        const int past =
            static_cast<int>(drawn.strings().back() + lessons::diagram::DotRadius * em) + 2;
        int beside = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = past; x < drawn.width(); ++x) {
                if (drawn.ink(x, y)) {
                    QCOMPARE(drawn.rowAt(y), 1);
                    ++beside;
                }
            }
        }
        QCOMPARE(beside > 0, v.firstFret > 1);
        // Where the window can hold the diagram, all of it is inside.
        const QRect shown = ink.translated(diagram.widget()->pos());
        if (size.width() >= ink.width() && size.height() >= ink.height())
            QVERIFY2(QRect(QPoint(), size).contains(shown),
                     qPrintable(QStringLiteral("ink at %1,%2 to %3,%4")
                                    .arg(shown.left())
                                    .arg(shown.top())
                                    .arg(shown.right())
                                    .arg(shown.bottom())));
    }

    // A barre reads as the fret its dots are at: half way between each two
    // strings it holds, its ink lies within that fret's row, clear of the
    // fret lines.
    void barreLiesInItsFretsRow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("diagramName");
        QTest::addColumn<QSize>("size");
        const std::pair<const char *, const char *> barred[] = {
            {"frmb", "Label2"}, {"frmb", "Label6"}, {"frmC", "Label6"},
            {"frmF", "Label2"}, {"frmF", "Label6"}, {"frmG", "Label6"},
        };
        for (const auto &[window, diagram] : barred) {
            QTest::addRow("%s %s as designed", window, diagram)
                << window << diagram << QSize(430, 426);
            QTest::addRow("%s %s at 1600x1160", window, diagram)
                << window << diagram << QSize(1600, 1160);
        }
    }
    void barreLiesInItsFretsRow()
    {
        QFETCH(QString, window);
        QFETCH(QString, diagramName);
        QFETCH(QSize, size);
        open(window);
        page(window).form().resize(size);
        const auto &diagram = page(window).controlAs<lessons::DiagramLabel>(diagramName);
        const lessons::Voicing &v = *diagram.voicing();
        QVERIFY(v.barre.fret > 0);
        const DiagramReading drawn(diagram);
        QCOMPARE(drawn.strings().size(), lessons::StringCount);
        QCOMPARE(drawn.lines().size(), lessons::diagram::FretRows + 1);
        const int row = v.barre.fret - v.firstFret + 1;
        const int below = drawn.lines().at(row - 1).to;
        const int above = drawn.lines().at(row).from;
        for (int s = v.barre.lowString; s < v.barre.highString; ++s) {
            const int x = static_cast<int>((drawn.strings().at(s) + drawn.strings().at(s + 1)) / 2);
            QList<int> barre;
            for (int y = 0; y < drawn.height(); ++y) {
                if (drawn.ink(x, y) && !drawn.onLine(y) && !drawn.onDot(x, y))
                    barre.append(y);
            }
            // Beside a dot the barre may run into the dot; in its middle it
            // stands clear.
            if (barre.isEmpty()) {
                QVERIFY2(s != (v.barre.lowString + v.barre.highString) / 2,
                         qPrintable(QStringLiteral("no barre after string %1").arg(s)));
                continue;
            }
            QVERIFY2(barre.front() > below && barre.back() < above,
                     qPrintable(QStringLiteral("after string %1 the barre is inked from %2 to %3, "
                                               "row %4 from %5 to %6")
                                    .arg(s)
                                    .arg(barre.front())
                                    .arg(barre.back())
                                    .arg(row)
                                    .arg(below + 1)
                                    .arg(above - 1)));
        }
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
