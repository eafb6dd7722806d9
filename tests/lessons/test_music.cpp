// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/design.h"
#include "forms/form.h"
#include "lessons/catalogue.h"
#include "lessons/diagramgeometry.h"
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

// A diagram painted by the painting function, white on black, with a margin
// of a fifth of an em; ink is read back at points in ems from the box's corner.
class Drawing {
public:
    Drawing(const Voicing &voicing, double dpi)
        : m_em(PagePoints * dpi / 72.0), m_image(QSize(int(m_em * (diagram::BoxWidth + 0.4)),
                                                       int(m_em * (diagram::BoxHeight + 0.4))),
                                                 QImage::Format_RGB32)
    {
        m_image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
        m_image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
        m_image.fill(Qt::black);
        QPainter painter(&m_image);
        paintDiagram(painter, voicing, QPointF(0.2, 0.2) * m_em, PagePoints, Qt::white);
    }
    // Whether any pixel from (left, top) to (right, bottom) is half way or more from black.
    [[nodiscard]] bool inked(double left, double top, double right = -1, double bottom = -1) const
    {
        const auto at = [this](double ems) { return int(std::floor((ems + 0.2) * m_em)); };
        for (int y = at(top); y <= std::max(at(top), at(bottom)); ++y) {
            for (int x = at(left); x <= std::max(at(left), at(right)); ++x) {
                if (qRed(m_image.pixel(x, y)) >= 128)
                    return true;
            }
        }
        return false;
    }

private:
    double m_em;
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
        QVERIFY(voicingFor(QLatin1Char(chord.letter())) != nullptr);
        const Voicing &v = *voicingFor(QLatin1Char(chord.letter()));
        // The root as a pitch class, C = 0: its place in a row of semitones.
        const auto root = int(QByteArrayView("C D EF G A B").indexOf(chord.root));
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
        static const QStringList fingers = QStringLiteral("first|1st second|2nd third|3rd "
                                                          "fourth|4th")
                                               .split(u' ');
        static const QStringList strings = QStringLiteral("low E,A,D,G,B,high E").split(u',');
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

    // Read back from the pixels at the page's size on the screen and on
    // paper: a dot on each fretted string at its row, a ring above each open
    // string and a cross above each muted one, the nut away from it, and the
    // barre's slur in the upper half of its fret's row over the strings it holds.
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
        const Drawing drawing(v, dpi);
        for (int s = 0; s < StringCount; ++s) {
            const double x = stringX(s);
            // Beside a string's own line only a dot puts ink.
            for (int row = 1; row <= FretRows; ++row) {
                const bool dot = v.frets[s] > Open && v.frets[s] - v.firstFret + 1 == row;
                QVERIFY2(drawing.inked(x - DotRadius * 0.6, rowCentreY(row)) == dot,
                         qPrintable(QStringLiteral("string %1 row %2").arg(s).arg(row)));
            }
            // A cross is inked where its strokes meet, a ring around its hollow centre.
            QVERIFY2(drawing.inked(x, MarkY) == (v.frets[s] == Muted),
                     qPrintable(QString::number(s)));
            QVERIFY2(drawing.inked(x + RingRadius - 0.01, MarkY, x + RingRadius + 0.01) ==
                         (v.frets[s] == Open),
                     qPrintable(QString::number(s)));
        }
        const double between = (stringX(2) + stringX(3)) / 2;
        QCOMPARE(drawing.inked(between, TopLineY - 0.02), v.firstFret == 1);
        const double rowTop = fretLineY(std::max(1, v.barre.fret - v.firstFret + 1) - 1);
        for (int s = 0; s + 1 < StringCount; ++s) {
            const bool spanned =
                v.barre.fret > 0 && s >= v.barre.lowString && s + 1 <= v.barre.highString;
            const double x = (stringX(s) + stringX(s + 1)) / 2;
            QVERIFY2(drawing.inked(x, rowTop + 0.01, x, rowTop + FretSpacing / 2) == spanned,
                     qPrintable(QString::number(s)));
        }
    }
};

QTEST_MAIN(MusicTest)
#include "test_music.moc"
