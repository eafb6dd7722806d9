#include "forms/design.h"
#include "forms/form.h"
#include "lessons/catalogue.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/diagrampainting.h"
#include "lessons/kinds.h"
#include "lessons/voicing.h"
#include "platform/fonts.h"
#include "shell/names.h"
#include "support/acting.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <map>
#include <set>

using namespace strumkin;
using namespace strumkin::lessons;

namespace {

// Open strings in standard tuning, low E first, as semitones above C0.
constexpr int Tuning[StringCount] = {28, 33, 38, 43, 47, 52};
constexpr double PagePoints = 79.8;

bool heldByBarre(const Voicing &v, int string)
{
    return v.barre.fret > 0 && string >= v.barre.lowString && string <= v.barre.highString &&
           v.frets[string] == v.barre.fret;
}

// One diagram painted by the painting function, white on black, onto an
// image of a given resolution with a margin around its box.
class Drawing {
public:
    Drawing(const Voicing &voicing, double points, double dpi)
        : m_em(points * dpi / 72.0), m_origin(0.2 * m_em, 0.2 * m_em)
    {
        const QSizeF box(diagram::BoxWidth * m_em, diagram::BoxHeight * m_em);
        m_image = QImage((box + QSizeF(0.4 * m_em, 0.4 * m_em)).toSize() + QSize(1, 1),
                         QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
        m_image.setDotsPerMeterX(dotsPerMetre);
        m_image.setDotsPerMeterY(dotsPerMetre);
        m_image.fill(Qt::black);
        QPainter painter(&m_image);
        paintDiagram(painter, voicing, m_origin, points, Qt::white);
    }

    [[nodiscard]] bool inked(double x, double y) const { return isInk(m_image.pixel(pixel(x, y))); }
    // Ink pixels inside a rectangle of the box, in ems; outside the box with
    // a null rectangle.
    [[nodiscard]] int inkIn(const QRectF &ems) const
    {
        const QRectF area(m_origin + ems.topLeft() * m_em, ems.size() * m_em);
        const QRectF box(m_origin, QSizeF(diagram::BoxWidth, diagram::BoxHeight) * m_em);
        int count = 0;
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                const QPointF centre(x + 0.5, y + 0.5);
                const bool inside = ems.isNull() ? !box.contains(centre) : area.contains(centre);
                count += inside && isInk(m_image.pixel(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

private:
    [[nodiscard]] QPoint pixel(double x, double y) const
    {
        const QPointF p = m_origin + QPointF(x, y) * m_em;
        return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
    }
    // Half way or more from black.
    static bool isInk(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) >= 128; }

    double m_em;
    QPointF m_origin;
    QImage m_image;
};

} // namespace

class MusicTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        registerLessonKinds();
    }

    // Each chord's voicing sounds its three notes and fits its diagram, and
    // the page's finger row and fingering text, read from its design, agree
    // with it.
    void eachChordsVoicingRowAndTextAgree_data()
    {
        QTest::addColumn<int>("index");
        // How many "finger on the ... string" phrases its text has.
        QTest::addColumn<int>("phrases");
        // E major's text numbers its fingers otherwise than its finger row.
        QTest::addColumn<bool>("numbersAgree");
        const int phrases[] = {3, 3, 3, 3, 3, 0, 3, 3, 3, 2, 3, 2, 3, 2};
        for (int i = 0; i < 14; ++i) {
            const Chord &chord = chords().at(std::size_t(i));
            QTest::newRow(qPrintable(chord.name()))
                << i << phrases[i] << (chord.root != 'E' || chord.quality == Quality::Minor);
        }
    }
    void eachChordsVoicingRowAndTextAgree()
    {
        QFETCH(int, index);
        QFETCH(int, phrases);
        QFETCH(bool, numbersAgree);
        const Chord &chord = chords().at(std::size_t(index));
        const Voicing *shape = voicingFor(QLatin1Char(chord.letter()));
        QVERIFY(shape != nullptr);
        const Voicing &v = *shape;
        // Roots as pitch classes, C = 0.
        static const std::map<char, int> roots{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                               {'G', 7}, {'A', 9}, {'B', 11}};
        const int root = roots.at(chord.root);
        const int third = chord.quality == Quality::Minor ? 3 : 4;
        std::set<int> sounded;
        QList<int> fretted;
        for (int s = 0; s < StringCount; ++s) {
            if (v.frets[s] != Muted)
                sounded.insert((Tuning[s] + v.frets[s]) % 12);
            if (v.frets[s] > Open) {
                fretted.append(s);
                const int row = v.frets[s] - v.firstFret + 1;
                QVERIFY2(row >= 1 && row <= diagram::FretRows, qPrintable(QString::number(s)));
            }
        }
        QCOMPARE(sounded, (std::set<int>{root, (root + third) % 12, (root + 7) % 12}));
        if (v.barre.fret > 0) {
            // The barre presses both its end strings, and nothing on the
            // strings it covers lies below it.
            QCOMPARE(v.frets[v.barre.lowString], v.barre.fret);
            QCOMPARE(v.frets[v.barre.highString], v.barre.fret);
            for (int s = v.barre.lowString; s <= v.barre.highString; ++s)
                QVERIFY(v.frets[s] >= v.barre.fret);
        }
        // A shape away from the nut says where it is.
        QCOMPARE(positionLabel(v).isEmpty(), v.firstFret == 1);

        // The finger row's digits stand for the fretted strings from low E
        // up; it may stop before strings only the barre holds.
        const forms::LoadedDesign page =
            forms::loadDesign(QLatin1String(shell::ChordPages[chord.root - 'A']));
        QVERIFY2(page.form, qPrintable(page.error));
        const bool major = chord.quality == Quality::Major;
        QList<int> row;
        for (const QChar c :
             test::textOf(*page.form->control(QLatin1String(major ? "Label4" : "Label11")))) {
            if (c.isDigit())
                row.append(c.digitValue());
        }
        QVERIFY(!row.isEmpty() && row.size() <= fretted.size());
        if (v.barre.fret == 0)
            QCOMPARE(row.size(), fretted.size());
        for (qsizetype i = row.size(); i < fretted.size(); ++i)
            QVERIFY2(heldByBarre(v, fretted.at(i)), qPrintable(QString::number(fretted.at(i))));
        std::set<int> placed;
        for (qsizetype i = 0; i < row.size(); ++i) {
            QVERIFY(row.at(i) >= 1 && row.at(i) <= 4);
            // The first finger is the barre: every barre-held string the row
            // names shows it. Any other finger presses one string.
            if (v.barre.fret > 0)
                QCOMPARE(row.at(i) == 1, heldByBarre(v, fretted.at(i)));
            if (v.barre.fret == 0 || row.at(i) != 1)
                QVERIFY2(placed.insert(row.at(i)).second, qPrintable(QString::number(row.at(i))));
        }

        // The text the page saves names fretted strings, with the row's
        // fingers. "sting" as D minor's text has it.
        static const QRegularExpression phrase(
            QStringLiteral("(?:\\b(first|second|third|fourth|1st|2nd|3rd|4th) (?:finger )?"
                           "(?:goes )?|\\bfinger )(?:on|for) the (low E|high E|[A-G]) "
                           "str?ing\\b"),
            QRegularExpression::CaseInsensitiveOption);
        static const QStringList fingers{QStringLiteral("first|1st"), QStringLiteral("second|2nd"),
                                         QStringLiteral("third|3rd"), QStringLiteral("fourth|4th")};
        static const QStringList strings{QStringLiteral("low E"), QStringLiteral("A"),
                                         QStringLiteral("D"),     QStringLiteral("G"),
                                         QStringLiteral("B"),     QStringLiteral("high E")};
        const QString text = test::textOf(*page.form->control(QLatin1String(chord.holder)));
        int found = 0;
        // Line ends inside a sentence read as blanks.
        for (const QRegularExpressionMatch &m : phrase.globalMatch(text.simplified())) {
            ++found;
            const auto string = static_cast<int>(strings.indexOf(m.captured(2)));
            QVERIFY2(string >= 0 && v.frets[string] > Open, qPrintable(m.captured(0)));
            if (!numbersAgree || m.capturedLength(1) == 0)
                continue;
            const qsizetype at = fretted.indexOf(string);
            const int finger = at < row.size() ? row.at(at) : 0;
            QVERIFY2(finger > 0 &&
                         fingers.at(finger - 1).split(u'|').contains(m.captured(1).toLower()),
                     qPrintable(m.captured(0)));
        }
        QCOMPARE(found, phrases);
    }

    void onlyTheFourteenLettersNameChords()
    {
        int named = 0;
        for (char c = ' '; c <= '~'; ++c)
            named += voicingFor(QLatin1Char(c)) != nullptr ? 1 : 0;
        QCOMPARE(named, 14);
        // A diagram's caption other than one such letter draws nothing.
        const forms::LoadedDesign sheet = forms::loadDesign(QStringLiteral("frmama"));
        auto &label = *sheet.form->controlAs<DiagramLabel>(QStringLiteral("Label1"));
        for (const char *caption : {"", "h", "ab", "3"}) {
            QVERIFY(label.set(QStringLiteral("Caption"), QLatin1String(caption)));
            QVERIFY2(label.voicing() == nullptr, caption);
        }
    }

    // Read back from the pixels at the page's size on the screen and on
    // paper: a dot on each fretted string at its row, a ring above each open
    // string and a cross above each muted one, the nut or the position label,
    // the barre's slur in its fret's row, and nothing outside the box.
    void eachDiagramShowsItsVoicing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("dpi");
        for (std::size_t i = 0; i < chords().size(); ++i) {
            for (const double dpi : {96.0, 288.0})
                QTest::addRow("%s at %g dpi", qPrintable(chords()[i].name()), dpi) << int(i) << dpi;
        }
    }
    void eachDiagramShowsItsVoicing()
    {
        QFETCH(int, index);
        QFETCH(double, dpi);
        using namespace diagram;
        const Voicing &v = *voicingFor(QLatin1Char(chords().at(std::size_t(index)).letter()));
        const Drawing drawing(v, PagePoints, dpi);
        // Beside a string's own line, where only a dot puts ink.
        const double aside = DotRadius * 0.6;
        for (int s = 0; s < StringCount; ++s) {
            const double x = stringX(s);
            for (int row = 1; row <= FretRows; ++row) {
                const double y = rowCentreY(row);
                const bool dot = v.frets[s] > Open && v.frets[s] - v.firstFret + 1 == row;
                const QString where = QStringLiteral("string %1 row %2").arg(s).arg(row);
                QVERIFY2(drawing.inked(x, y), qPrintable(where));
                QVERIFY2(drawing.inked(x - aside, y) == dot, qPrintable(where));
                QVERIFY2(drawing.inked(x + aside, y) == dot, qPrintable(where));
            }
            const QString where = QStringLiteral("above string %1").arg(s);
            if (v.frets[s] == Muted) {
                // A cross is inked where its strokes meet.
                QVERIFY2(drawing.inked(x, MarkY), qPrintable(where));
            } else if (v.frets[s] == Open) {
                // A ring: hollow, inked around.
                QVERIFY2(!drawing.inked(x, MarkY), qPrintable(where));
                QVERIFY2(drawing.inkIn(QRectF(x - DotRadius, MarkY - 0.005, 2 * DotRadius, 0.01)) >
                             0,
                         qPrintable(where));
            } else {
                QVERIFY2(drawing.inkIn(QRectF(x - 0.03, MarkY - 0.03, 0.06, 0.06)) == 0,
                         qPrintable(where));
            }
        }
        // The top line itself, and above it the nut's thickness.
        const bool atNut = v.firstFret == 1;
        const double between = (stringX(2) + stringX(3)) / 2;
        QVERIFY(drawing.inked(between, TopLineY));
        QCOMPARE(drawing.inked(between, TopLineY - 0.02), atNut);
        // The position label beside the first row, past the last string's dots.
        const double past = stringX(StringCount - 1) + DotRadius + 0.005;
        const int label = drawing.inkIn(QRectF(past, fretLineY(0), BoxWidth - past, FretSpacing));
        QVERIFY2(atNut ? label == 0 : label > 5, qPrintable(QString::number(label)));
        QCOMPARE(drawing.inkIn(QRectF()), 0);

        // Half way between two strings only the slur puts ink between the
        // fret lines: in the upper half of the barred fret's row over the
        // strings it holds, and never in the row above it, or above the nut,
        // where it would read as another fret.
        const int row = std::max(1, v.barre.fret - v.firstFret + 1);
        const double rowTop = fretLineY(row - 1);
        const QRectF upperHalf(0, rowTop + 0.01, 0, FretSpacing / 2 - 0.01);
        const QRectF before = row == 1
                                  ? QRectF(0, MarkY - 0.05, 0, TopLineY - MarkY + 0.01)
                                  : QRectF(0, rowTop - FretSpacing + 0.01, 0, FretSpacing - 0.02);
        for (int s = 0; s + 1 < StringCount; ++s) {
            const double x = (stringX(s) + stringX(s + 1)) / 2;
            const auto at = [x](QRectF band) { return band.adjusted(x - 0.005, 0, x + 0.005, 0); };
            const bool spanned =
                v.barre.fret > 0 && s >= v.barre.lowString && s + 1 <= v.barre.highString;
            const QString where = QStringLiteral("after string %1").arg(s);
            QVERIFY2((drawing.inkIn(at(upperHalf)) > 0) == spanned, qPrintable(where));
            QVERIFY2(drawing.inkIn(at(before)) == 0, qPrintable(where));
        }
    }
};

QTEST_MAIN(MusicTest)
#include "test_music.moc"
