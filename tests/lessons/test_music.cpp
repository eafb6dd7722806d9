#include "forms/design.h"
#include "forms/form.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/kinds.h"
#include "lessons/voicing.h"
#include "platform/fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>

using namespace strumkin;
using namespace strumkin::lessons;

namespace {

// Open strings in standard tuning, low E first, as semitones above C0.
constexpr int Tuning[StringCount] = {28, 33, 38, 43, 47, 52};
constexpr double PagePoints = 79.8;
constexpr double SheetPoints = 250.2;
constexpr double TwipsPerPoint = 20.0;

// Each chord as the pages teach it: its finger row exactly as captioned, and
// where the finger-row label stands: its Left less the diagram label's, and
// its Width, in twips.
struct Lesson {
    char letter;
    const char *name;
    const char *fingerRow;
    int rowOffset;
    int rowWidth;
};

const Lesson Lessons[] = {
    {'a', "A major", "          2   1  3", 120, 972},
    {'A', "A minor", "       2  3   1", 240, 852},
    {'b', "B major", "      1  2   3  4", 120, 972},
    {'B', "B minor", "      1  3  4   2   1", 120, 1092},
    {'c', "C major", "      3  2       1", 120, 972},
    {'C', "C minor", "      1  3  4   2   1", 120, 1092},
    {'d', "D major", "               1   3  2", 120, 1092},
    {'D', "D minor", "               2   3   1", 120, 1092},
    {'e', "E major", "      2  3   1", 120, 1092},
    {'E', "E minor", "      2  3 ", 120, 1092},
    {'f', "F major", " 1  3  4   2        ", 120, 1092},
    {'F', "F minor", " 1  3  4 ", 120, 1092},
    {'g', "G major", " 2  1                  3", 120, 1092},
    {'G', "G minor", " 1  2   3 ", 120, 1092},
};

const Lesson &lessonFor(QChar letter)
{
    for (const Lesson &lesson : Lessons) {
        if (letter == QLatin1Char(lesson.letter))
            return lesson;
    }
    qFatal("no lesson for %c", letter.toLatin1());
}

struct Digit {
    qsizetype index; // in the caption
    int finger;
};

QList<Digit> digitsOf(const QString &row)
{
    QList<Digit> digits;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row.at(i).isDigit())
            digits.append({i, row.at(i).digitValue()});
    }
    return digits;
}

bool heldByBarre(const Voicing &v, int string)
{
    return v.barre.fret > 0 && string >= v.barre.lowString && string <= v.barre.highString &&
           v.frets[string] == v.barre.fret;
}

// The strings the digits of a finger row stand for: the fretted strings from
// low E upwards, in order. The row may stop before the strings above it that
// only the barre holds.
QList<int> stringsOfDigits(const Voicing &v, qsizetype digits)
{
    QList<int> strings;
    for (int s = 0; s < StringCount && strings.size() < digits; ++s) {
        if (v.frets[s] > Open)
            strings.append(s);
    }
    return strings;
}

int fingerOn(const Lesson &lesson, int string)
{
    const Voicing &v = *voicingFor(QLatin1Char(lesson.letter));
    const QList<Digit> digits = digitsOf(QLatin1String(lesson.fingerRow));
    const QList<int> strings = stringsOfDigits(v, digits.size());
    const qsizetype at = strings.indexOf(string);
    return at < 0 ? 0 : digits.at(at).finger;
}

void addLessonRows()
{
    QTest::addColumn<QChar>("letter");
    for (const Lesson &lesson : Lessons)
        QTest::newRow(lesson.name) << QChar(QLatin1Char(lesson.letter));
}

// One diagram label on a window of its own, drawn onto an image of a given
// resolution with a margin around the label's box.
class Drawing {
public:
    Drawing(const QString &caption, double points, double dpi, QColor ink = Qt::white,
            QColor paper = Qt::black)
        : m_em(points * dpi / 72.0), m_paper(paper)
    {
        const QString json =
            QStringLiteral(R"({"Name": "frmDiagram", "ClientWidth": 9000, "ClientHeight": 9000,
              "controls": [{"kind": "diagram", "name": "Label1", "geometry": [0, 0, 100, 100],
                "font": {"name": "Seville", "size": %1, "charset": 2},
                "ForeColor": [%2, %3, %4], "BackStyle": 0, "AutoSize": true, "Caption": "%5"}]})")
                .arg(points)
                .arg(ink.red())
                .arg(ink.green())
                .arg(ink.blue())
                .arg(caption);
        forms::LoadedDesign design =
            forms::buildDesign(json.toUtf8(), QStringLiteral("frmDiagram"));
        if (!design.form)
            qFatal("%s", qPrintable(design.error));
        m_form = std::move(design.form);
        m_label = m_form->controlAs<DiagramLabel>(QStringLiteral("Label1"));
        if (m_label == nullptr)
            qFatal("the diagram kind makes no diagram label");

        const QSizeF box(diagram::BoxWidth * m_em, diagram::BoxHeight * m_em);
        m_origin = QPointF(margin(), margin());
        m_image = QImage((box + QSizeF(2 * margin(), 2 * margin())).toSize() + QSize(1, 1),
                         QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
        m_image.setDotsPerMeterX(dotsPerMetre);
        m_image.setDotsPerMeterY(dotsPerMetre);
        m_image.fill(paper);
        QPainter painter(&m_image);
        m_label->paint(painter, QRectF(m_origin, box));
    }

    [[nodiscard]] const DiagramLabel &label() const { return *m_label; }
    [[nodiscard]] double em() const { return m_em; }
    [[nodiscard]] const QImage &image() const { return m_image; }

    // The colour at a point of the box, in ems.
    [[nodiscard]] QColor at(double x, double y) const { return m_image.pixelColor(pixel(x, y)); }
    [[nodiscard]] bool inked(double x, double y) const { return isInk(m_image.pixel(pixel(x, y))); }
    // Ink pixels inside a rectangle of the box, in ems; outside the box with
    // a null rectangle.
    [[nodiscard]] int inkIn(const QRectF &ems) const
    {
        const QRectF area =
            ems.isNull() ? QRectF() : QRectF(m_origin + ems.topLeft() * m_em, ems.size() * m_em);
        const QRectF box(m_origin, QSizeF(diagram::BoxWidth, diagram::BoxHeight) * m_em);
        int count = 0;
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                const QPointF centre(x + 0.5, y + 0.5);
                const bool inside = ems.isNull() ? !box.contains(centre) : area.contains(centre);
                if (inside && isInk(m_image.pixel(x, y)))
                    ++count;
            }
        }
        return count;
    }
    // The inked columns' extent, in pixels.
    [[nodiscard]] int inkWidth() const
    {
        int first = m_image.width();
        int last = -1;
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                if (isInk(m_image.pixel(x, y))) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        return last - first + 1;
    }

private:
    [[nodiscard]] double margin() const { return 0.2 * m_em; }
    [[nodiscard]] QPoint pixel(double x, double y) const
    {
        const QPointF p = m_origin + QPointF(x, y) * m_em;
        return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
    }
    // Half way or more from the paper's colour to any other.
    [[nodiscard]] bool isInk(QRgb rgb) const
    {
        const QColor c(rgb);
        const int distance =
            std::max({std::abs(c.red() - m_paper.red()), std::abs(c.green() - m_paper.green()),
                      std::abs(c.blue() - m_paper.blue())});
        return distance >= 128;
    }

    double m_em;
    QColor m_paper;
    std::unique_ptr<forms::Form> m_form;
    DiagramLabel *m_label = nullptr;
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

    void eachVoicingSoundsItsTriad_data() { addLessonRows(); }
    void eachVoicingSoundsItsTriad()
    {
        QFETCH(QChar, letter);
        const Voicing *v = voicingFor(letter);
        QVERIFY(v != nullptr);
        // Roots as pitch classes, C = 0.
        static const QHash<QChar, int> roots{{u'c', 0}, {u'd', 2}, {u'e', 4}, {u'f', 5},
                                             {u'g', 7}, {u'a', 9}, {u'b', 11}};
        const int root = roots.value(letter.toLower());
        const int third = letter.isUpper() ? 3 : 4;
        const std::set<int> triad{root, (root + third) % 12, (root + 7) % 12};
        std::set<int> sounded;
        for (int s = 0; s < StringCount; ++s) {
            if (v->frets[s] != Muted)
                sounded.insert((Tuning[s] + v->frets[s]) % 12);
        }
        QCOMPARE(sounded, triad);
    }

    void eachShapeFitsItsDiagram_data() { addLessonRows(); }
    void eachShapeFitsItsDiagram()
    {
        QFETCH(QChar, letter);
        const Voicing &v = *voicingFor(letter);
        for (int s = 0; s < StringCount; ++s) {
            if (v.frets[s] <= Open)
                continue;
            const int row = v.frets[s] - v.firstFret + 1;
            QVERIFY2(row >= 1 && row <= diagram::FretRows, qPrintable(QString::number(s)));
        }
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
    }

    void onlyTheFourteenLettersNameChords()
    {
        int named = 0;
        for (char c = ' '; c <= '~'; ++c)
            named += voicingFor(QLatin1Char(c)) != nullptr ? 1 : 0;
        QCOMPARE(named, 14);
        for (const Lesson &lesson : Lessons)
            QVERIFY(voicingFor(QLatin1Char(lesson.letter)) != nullptr);
    }

    void fingerRowsNameTheFrettedStrings_data() { addLessonRows(); }
    void fingerRowsNameTheFrettedStrings()
    {
        QFETCH(QChar, letter);
        const Lesson &lesson = lessonFor(letter);
        const Voicing &v = *voicingFor(letter);
        const QList<Digit> digits = digitsOf(QLatin1String(lesson.fingerRow));
        QList<int> fretted;
        for (int s = 0; s < StringCount; ++s) {
            if (v.frets[s] > Open)
                fretted.append(s);
        }
        QVERIFY(!digits.isEmpty());
        QVERIFY(digits.size() <= fretted.size());
        if (v.barre.fret == 0)
            QCOMPARE(digits.size(), fretted.size());
        // A string the row leaves out is one only the barre holds.
        for (qsizetype i = digits.size(); i < fretted.size(); ++i)
            QVERIFY2(heldByBarre(v, fretted.at(i)), qPrintable(QString::number(fretted.at(i))));
        const QList<int> strings = stringsOfDigits(v, digits.size());
        std::set<int> placed;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            const int finger = digits.at(i).finger;
            const int string = strings.at(i);
            QVERIFY(finger >= 1 && finger <= 4);
            // The first finger is the barre: it is at the barre's fret, and
            // every barre-held string the row names shows it.
            if (v.barre.fret > 0)
                QCOMPARE(finger == 1, heldByBarre(v, string));
            // Any other finger presses one string.
            if (v.barre.fret == 0 || finger != 1)
                QVERIFY2(placed.insert(finger).second, qPrintable(QString::number(finger)));
        }
        if (v.barre.fret > 0)
            QCOMPARE(strings.front(), v.barre.lowString);
    }

    void fingeringTextsNameFingeredStrings_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("phrases");
        // E major's text numbers its fingers otherwise than its finger row.
        QTest::addColumn<bool>("numbersAgree");
        const auto row = [](const char *name, char letter, const char *text, int phrases,
                            bool agree = true) {
            QTest::newRow(name) << QChar(QLatin1Char(letter)) << QString::fromLatin1(text)
                                << phrases << agree;
        };
        row("A major saved", 'a',
            "This is for the chord A major. First move down to the \r\n"
            "second fret. Put your first finger on the G string. Then \r\n"
            "your 2nd finger on the D string, then your 3rd finger on \r\n"
            "the B string! Make sure none of your other fingers are \r\n"
            "touching any other strings or the chord won't sound right.\r\n",
            3);
        row("A minor", 'A',
            "1st finger on the B string, 2nd on the D string, 3rd on the G string. ( If you "
            "didnt know, your 1st finger is the pointer finger.)",
            3);
        row("B major saved", 'b',
            "Move down to the 2nd fret and bar it with your 1st finger. Then put your 2nd finger "
            "on the D string, 3rd on the G string then 4th on the B string!",
            3);
        row("B minor", 'B',
            "1st finger still bars on this chord. But the 2nd finger goes on the B string, 3rd on "
            "the D string, 4th on the G string!",
            3);
        row("C major", 'c',
            "First finger on the B string, 2nd finger on the D string, 3rd on the A string.", 3);
        row("C minor", 'C',
            "You don't know what that 3fr means right? Well it means that when you bar with your "
            "first finger your not going to bar at the top of the neck but on the 3rd fret down. "
            "(The fret on the first dot thats on your guitar's neck.)",
            0);
        row("D major saved", 'd',
            "For the D major chord put your first \r\nfinger on the G string then your second "
            "\r\nfinger on the high E string, last your third \r\nfinger on the B string.\r\n",
            3);
        // "sting" as the text has it.
        row("D minor saved", 'D',
            "For the D minor chord put your first finger on the high E sting, then your 2nd "
            "finger on the G string, last put your 3rd finger on the B string.\r\n",
            3);
        row("E major", 'e',
            "First finger on the D string, 2nd finger on the A string, your 3rd finger on the G "
            "string.",
            3, false);
        row("E minor", 'E',
            "Put your 2nd finger on the A string, then your 3rd finger on the D string.", 2);
        row("F major", 'f',
            "Remember too bar the 1st fret with your 1st finger. Then use your 2nd finger for the "
            "G string, 3rd finger on the A string, last 4th finger on the D string.",
            3);
        row("F minor", 'F',
            "Again, use your first finger to bar the 1st fret. Then 3rd finger on the A string, "
            "last use your 4th finger on the D string.",
            2);
        row("G major", 'g',
            "First finger on the A string, then your 2nd finger on the low E string, last your "
            "3rd finger on the high E string.",
            3);
        row("G minor", 'G',
            "1st finger bars the 3rd fret, then your 2nd finger on the A string, then 3rd finger "
            "on the D string.",
            2);
    }
    void fingeringTextsNameFingeredStrings()
    {
        QFETCH(QChar, letter);
        QFETCH(QString, text);
        QFETCH(int, phrases);
        QFETCH(bool, numbersAgree);
        const Lesson &lesson = lessonFor(letter);
        const Voicing &v = *voicingFor(letter);
        static const QRegularExpression phrase(
            QStringLiteral("(?:\\b(first|second|third|fourth|1st|2nd|3rd|4th) (?:finger )?"
                           "(?:goes )?|\\bfinger )(?:on|for) the (low E|high E|[A-G]) str?ing\\b"),
            QRegularExpression::CaseInsensitiveOption);
        static const QHash<QString, int> fingers{
            {QStringLiteral("first"), 1},  {QStringLiteral("1st"), 1},
            {QStringLiteral("second"), 2}, {QStringLiteral("2nd"), 2},
            {QStringLiteral("third"), 3},  {QStringLiteral("3rd"), 3},
            {QStringLiteral("fourth"), 4}, {QStringLiteral("4th"), 4}};
        static const QHash<QString, int> strings{
            {QStringLiteral("low E"), 0}, {QStringLiteral("A"), 1}, {QStringLiteral("D"), 2},
            {QStringLiteral("G"), 3},     {QStringLiteral("B"), 4}, {QStringLiteral("high E"), 5}};
        // Line ends inside a sentence read as blanks.
        const QString flowing = text.simplified();
        int found = 0;
        for (const QRegularExpressionMatch &m : phrase.globalMatch(flowing)) {
            ++found;
            QVERIFY2(strings.contains(m.captured(2)),
                     qPrintable(QStringLiteral("not one string: ") + m.captured(0)));
            const int string = strings.value(m.captured(2));
            QVERIFY2(v.frets[string] > Open, qPrintable(m.captured(0)));
            if (numbersAgree && m.capturedLength(1) > 0)
                QVERIFY2(fingerOn(lesson, string) == fingers.value(m.captured(1).toLower()),
                         qPrintable(m.captured(0)));
        }
        QCOMPARE(found, phrases);
    }

    void fingerDigitsStandUnderTheirStrings_data() { addLessonRows(); }
    void fingerDigitsStandUnderTheirStrings()
    {
        QFETCH(QChar, letter);
        const Lesson &lesson = lessonFor(letter);
        const Voicing &v = *voicingFor(letter);
        const QString row = QLatin1String(lesson.fingerRow);
        // The pages' default font, measured at ten times 1440 dots an inch so
        // that no hinting rounds the advances: these are twips times ten.
        QFont font(QStringLiteral("MS Sans Serif"));
        platform::fitStandIn(font);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setPixelSize(static_cast<int>(std::lround(7.8 * TwipsPerPoint * 10)));
        const QFontMetricsF metrics(font);
        const auto twips = [&](const QString &s) { return metrics.horizontalAdvance(s) / 10; };
        const QString family = QFontInfo(font).family();

        const double em = PagePoints * TwipsPerPoint;
        const double pitch = diagram::StringPitch * em;
        const QList<Digit> digits = digitsOf(row);
        const QList<int> strings = stringsOfDigits(v, digits.size());
        for (qsizetype i = 0; i < digits.size(); ++i) {
            const Digit d = digits.at(i);
            const double centre =
                lesson.rowOffset + twips(row.left(d.index)) + twips(row.mid(d.index, 1)) / 2;
            const double string = diagram::stringX(strings.at(i)) * em;
            QVERIFY2(std::abs(centre - string) <= 0.3 * pitch,
                     qPrintable(QStringLiteral("digit %1 at %2 twips, string %3 at %4 (%5)")
                                    .arg(i)
                                    .arg(centre)
                                    .arg(strings.at(i))
                                    .arg(string)
                                    .arg(family)));
        }
        QVERIFY2(twips(row) <= lesson.rowWidth,
                 qPrintable(QStringLiteral("%1 twips wide (%2)").arg(twips(row)).arg(family)));
    }

    void dotsStandOnTheirStringsAndRows_data() { addLessonRows(); }
    void dotsStandOnTheirStringsAndRows()
    {
        QFETCH(QChar, letter);
        const Voicing &v = *voicingFor(letter);
        const Drawing drawing(letter, PagePoints, 288);
        // Beside the string's own line, where only a dot puts ink.
        const double aside = diagram::DotRadius * 0.6;
        for (int s = 0; s < StringCount; ++s) {
            const double x = diagram::stringX(s);
            for (int row = 1; row <= diagram::FretRows; ++row) {
                const double y = diagram::rowCentreY(row);
                const bool dot = v.frets[s] > Open && v.frets[s] - v.firstFret + 1 == row;
                const QString where = QStringLiteral("string %1 row %2").arg(s).arg(row);
                QVERIFY2(drawing.inked(x, y), qPrintable(where));
                QVERIFY2(drawing.inked(x - aside, y) == dot, qPrintable(where));
                QVERIFY2(drawing.inked(x + aside, y) == dot, qPrintable(where));
            }
        }
    }

    void marksAboveTheNutTellOpenFromMuted_data() { addLessonRows(); }
    void marksAboveTheNutTellOpenFromMuted()
    {
        QFETCH(QChar, letter);
        const Voicing &v = *voicingFor(letter);
        const Drawing drawing(letter, PagePoints, 288);
        const double y = diagram::MarkY;
        for (int s = 0; s < StringCount; ++s) {
            const double x = diagram::stringX(s);
            const QString where = QStringLiteral("string %1").arg(s);
            if (v.frets[s] == Muted) {
                // A cross is inked where its strokes meet.
                QVERIFY2(drawing.inked(x, y), qPrintable(where));
            } else if (v.frets[s] == Open) {
                // A ring: hollow, inked around.
                QVERIFY2(!drawing.inked(x, y), qPrintable(where));
                const QRectF around(x - diagram::DotRadius, y - 0.005, 2 * diagram::DotRadius,
                                    0.01);
                QVERIFY2(drawing.inkIn(around) > 0, qPrintable(where));
            } else {
                // A fretted string has no mark, barred or not.
                const QRectF above(x - 0.03, y - 0.03, 0.06, 0.06);
                QVERIFY2(drawing.inkIn(above) == 0, qPrintable(where));
            }
        }
    }

    void nutOrPositionLabelShowsWhereTheShapeIs_data() { addLessonRows(); }
    void nutOrPositionLabelShowsWhereTheShapeIs()
    {
        QFETCH(QChar, letter);
        const Voicing &v = *voicingFor(letter);
        const Drawing drawing(letter, PagePoints, 288);
        const bool atNut = v.firstFret == 1;
        const double between = (diagram::stringX(2) + diagram::stringX(3)) / 2;
        // The top line itself, and above it the nut's thickness.
        QVERIFY(drawing.inked(between, diagram::TopLineY));
        QCOMPARE(drawing.inked(between, diagram::TopLineY - 0.02), atNut);
        // The position label beside the first row, past the last string's dots.
        const double past = diagram::stringX(StringCount - 1) + diagram::DotRadius + 0.005;
        const QRectF beside(past, diagram::fretLineY(0), diagram::BoxWidth - past,
                            diagram::FretSpacing);
        const int ink = drawing.inkIn(beside);
        QVERIFY2(atNut ? ink == 0 : ink > 50, qPrintable(QString::number(ink)));
        // Nothing spills out of the glyph's box.
        QCOMPARE(drawing.inkIn(QRectF()), 0);
    }

    void barreSlurLiesAtItsFret_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::newRow("B major, second row") << QChar(u'b');
        QTest::newRow("B minor, second row") << QChar(u'B');
        QTest::newRow("C minor, first row at 3fr") << QChar(u'C');
        QTest::newRow("F major, first row") << QChar(u'f');
        QTest::newRow("G minor, all six at 3fr") << QChar(u'G');
        QTest::newRow("A major: none") << QChar(u'a');
    }
    void barreSlurLiesAtItsFret()
    {
        QFETCH(QChar, letter);
        const Voicing &v = *voicingFor(letter);
        const Drawing drawing(letter, PagePoints, 288);
        // Half way between two strings only the slur puts ink between the
        // fret lines: in the upper half of the barred fret's row over the
        // strings it holds, and never in the row above it, or above the nut,
        // where it would read as another fret.
        const int row = std::max(1, v.barre.fret - v.firstFret + 1);
        const double rowTop = diagram::fretLineY(row - 1);
        const QRectF upperHalf(0, rowTop + 0.01, 0, diagram::FretSpacing / 2 - 0.01);
        const QRectF before =
            row == 1
                ? QRectF(0, diagram::MarkY - 0.05, 0, diagram::TopLineY - diagram::MarkY + 0.01)
                : QRectF(0, rowTop - diagram::FretSpacing + 0.01, 0, diagram::FretSpacing - 0.02);
        for (int s = 0; s + 1 < StringCount; ++s) {
            const double x = (diagram::stringX(s) + diagram::stringX(s + 1)) / 2;
            const auto at = [x](QRectF band) {
                band.setLeft(x - 0.005);
                band.setWidth(0.01);
                return band;
            };
            const bool spanned =
                v.barre.fret > 0 && s >= v.barre.lowString && s + 1 <= v.barre.highString;
            const QString where = QStringLiteral("after string %1").arg(s);
            QVERIFY2((drawing.inkIn(at(upperHalf)) > 0) == spanned, qPrintable(where));
            QVERIFY2(drawing.inkIn(at(before)) == 0, qPrintable(where));
        }
    }

    void drawsInTheTextColour_data()
    {
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("paper");
        QTest::newRow("white on the pages") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("black on the sheets") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("red") << QColor(255, 0, 0) << QColor(Qt::white);
    }
    void drawsInTheTextColour()
    {
        QFETCH(QColor, ink);
        QFETCH(QColor, paper);
        const Drawing drawing(QStringLiteral("e"), PagePoints, 288, ink, paper);
        // The middle of E major's dot on the G string.
        QCOMPARE(drawing.at(diagram::stringX(3), diagram::rowCentreY(1)), ink);
        // Between two strings, inside an empty row.
        const double between = (diagram::stringX(3) + diagram::stringX(4)) / 2;
        QCOMPARE(drawing.at(between, diagram::rowCentreY(3)), paper);
    }

    void otherCaptionsDrawNothing_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << QString();
        QTest::newRow("no chord letter") << QStringLiteral("h");
        QTest::newRow("two letters") << QStringLiteral("ab");
        QTest::newRow("a digit") << QStringLiteral("3");
    }
    void otherCaptionsDrawNothing()
    {
        QFETCH(QString, caption);
        const Drawing drawing(caption, PagePoints, 288);
        QVERIFY(drawing.label().voicing() == nullptr);
        QCOMPARE(drawing.inkIn(QRectF(0, 0, diagram::BoxWidth, diagram::BoxHeight)), 0);
    }

    void sizeFollowsTheDevice()
    {
        // The same label drawn for a device of twice the resolution is twice
        // as large, as a printer's glyph would be.
        const Drawing screen(QStringLiteral("F"), SheetPoints, 96);
        const Drawing paper(QStringLiteral("F"), SheetPoints, 192);
        QVERIFY(screen.inkWidth() > 0.5 * screen.em());
        QVERIFY2(
            std::abs(double(paper.inkWidth()) / screen.inkWidth() - 2.0) < 0.03,
            qPrintable(QStringLiteral("%1 and %2").arg(screen.inkWidth()).arg(paper.inkWidth())));
    }

    void labelSizesItselfToTheGlyph_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QSizeF>("designed");
        // The boxes the designs give the diagram labels, in twips.
        QTest::newRow("page") << PagePoints << QSizeF(1236, 1524);
        QTest::newRow("sheet") << SheetPoints << QSizeF(3888, 4764);
    }
    void labelSizesItselfToTheGlyph()
    {
        QFETCH(double, points);
        QFETCH(QSizeF, designed);
        const Drawing drawing(QStringLiteral("a"), points, 96);
        const DiagramLabel &label = drawing.label();
        const double dpi = label.widget()->logicalDpiY();
        const double em = points * dpi / 72;
        const QSize natural = label.naturalSize();
        QVERIFY(std::abs(natural.width() - diagram::BoxWidth * em) <= 1);
        QVERIFY(std::abs(natural.height() - diagram::BoxHeight * em) <= 1);
        // The widget holds the whole box.
        const QSize room = label.widget()->size() - natural;
        QVERIFY(room.width() >= 0 && room.height() >= 0);
        // Within a pixel or so of the designed box.
        const double pixel = 1440 / dpi;
        QVERIFY2(std::abs(label.get(QStringLiteral("Width"))->toDouble() - designed.width()) <=
                     2 * pixel,
                 qPrintable(label.get(QStringLiteral("Width"))->toString()));
        QVERIFY2(std::abs(label.get(QStringLiteral("Height"))->toDouble() - designed.height()) <=
                     2 * pixel,
                 qPrintable(label.get(QStringLiteral("Height"))->toString()));
    }
};

QTEST_MAIN(MusicTest)
#include "test_music.moc"
