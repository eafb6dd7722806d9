// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "forms/label.h"
#include "lessons/catalogue.h"
#include "lessons/diagramgeometry.h"
#include "lessons/diagramlabel.h"
#include "lessons/diagrampainting.h"
#include "lessons/lessonwindows.h"
#include "shell/names.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/ink.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextLayout>
#include <QtTest>

using namespace strumkin;

namespace {

// The diagram of a window that shows a chord, by the chord's letter.
const lessons::DiagramLabel *diagramOf(const forms::Form &form, char letter)
{
    for (const forms::Control *c : form.allControls()) {
        const auto *diagram = dynamic_cast<const lessons::DiagramLabel *>(c);
        if (diagram != nullptr && diagram->voicing() == lessons::voicingFor(QLatin1Char(letter)))
            return diagram;
    }
    return nullptr;
}

// Where a diagram label's ink lies in its window, when what its widget shows
// is exactly its chord's diagram as the painting function draws it, whole,
// in the label's text colour, in the middle of the widget; a null rectangle
// when it shows anything else or its widget cuts it.
QRect inkShown(const lessons::DiagramLabel &label)
{
    QWidget &w = *label.widget();
    const QPoint margin(8, 8);
    QImage shown = test::canvasFor(w.size() + QSize(16, 16), w);
    QImage drawn = shown;
    w.render(&shown, margin, QRegion(), QWidget::DrawChildren);
    QPainter painter(&drawn);
    const QSize room = w.size() - label.naturalSize();
    lessons::paintDiagram(painter, *label.voicing(),
                          margin + QPointF(room.width(), room.height()) / 2, w.font().pointSizeF(),
                          test::property(label, "ForeColor").value<QColor>());
    painter.end();
    if (shown != drawn)
        return {};
    return test::inkBounds(drawn, [](QRgb c) { return qAlpha(c) >= 128; })
        .translated(w.pos() - margin);
}

// The lines a centred, wrapped label breaks its caption into in its box on
// screen, as the widget's painter lays them out.
QStringList linesOnScreen(const forms::Control &label)
{
    // Where the label wraps its text: a label wider than designed keeps its
    // designed lines.
    const QWidget *widget = label.widget();
    const QString text = test::textOf(label);
    const std::vector<forms::TextLayout> laid = label.textLayouts();
    const int width = laid.empty() ? widget->width() : laid.front().box.width();
    QTextLayout layout(text, widget->font(), widget);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    return lines;
}

// The lines of a PDF page's text that belong to a sentence, top to bottom;
// other text on the page (a diagram's "3fr") is left out.
QStringList linesOnPaper(const QString &pdf, const QString &sentence)
{
    static const QRegularExpression lineElement(QStringLiteral("<line[^>]*>(.*?)</line>"),
                                                QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordElement(QStringLiteral("<word[^>]*>([^<]*)</word>"));
    QStringList lines;
    auto found = lineElement.globalMatch(QString::fromUtf8(runTool(
        QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), pdf, QStringLiteral("-")})));
    while (found.hasNext()) {
        QStringList words;
        auto word = wordElement.globalMatch(found.next().captured(1));
        while (word.hasNext())
            words << word.next().captured(1);
        const QString line = words.join(QLatin1Char(' '));
        if (!line.isEmpty() && sentence.contains(line))
            lines << line;
    }
    return lines;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    shell::WindowClass &menu() { return rig->window(QStringLiteral("frmchords")); }

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
        rig->standIn(
            {QStringLiteral("frmsecret"), QStringLiteral("frmabout"), QStringLiteral("frmfind")});
    }
    void cleanup() { rig.reset(); }

    // The chord menu, the hub every page returns to.
    void thePictureBoxHoldsTheFocusAtOpening()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        menu().form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&menu().form()));
        QCOMPARE(QApplication::focusWidget(), menu().control(QStringLiteral("Picture4")).widget());
    }

    // A page opened on an empty drive makes its chords' folder, which its
    // save buttons' tooltips name where it really is. A chord's save button
    // writes the text the page holds for it, its line ends all CR LF, and
    // one more, replacing the file the next time; only A major's tells
    // where chords go. Its print button asks first and prints on Yes only,
    // from its sheet loaded hidden for the print and unloaded, where its
    // sentence breaks into the lines it has on screen: rounding of the box
    // or of the glyphs' advances must not move "chord." to a line of its own.
    void eachChordsSaveAndPrintButtons_data()
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
    void eachChordsSaveAndPrintButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        const lessons::Chord &chord = lessons::chords().at(std::size_t(index));
        const QString window = QLatin1String(shell::ChordPages[chord.root - 'A']);
        const QString save =
            QLatin1String(chord.quality == lessons::Quality::Major ? "Command1" : "Command2");
        const QString print =
            QLatin1String(chord.quality == lessons::Quality::Major ? "cmdprint" : "Command3");
        QVERIFY(!QFileInfo::exists(rig->onDrive(QStringLiteral("Chords"))));
        open(window);
        const QString folder = QFileInfo(rig->onDrive(file)).path();
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(test::property(rig->window(window).control(save), QStringLiteral("ToolTipText"))
                     .toString(),
                 QStringLiteral("Save to the %1 folder").arg(folder));
        const forms::Control &holder = rig->window(window).control(QLatin1String(chord.holder));
        const QByteArray expected = test::textOf(holder).toLatin1() + "\r\n";
        QVERIFY(expected.size() > 60);
        QVERIFY(
            !QString::fromLatin1(expected).contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
        for (int round = 0; round < 2; ++round) {
            rig->press(window, save);
            QCOMPARE(readWholeFile(rig->onDrive(file)), expected);
        }
        QCOMPARE(rig->prompter.shown.size(), index == 0 ? 2u : 0u);
        if (index == 0) {
            QCOMPARE(rig->prompter.shown.front().text,
                     QStringLiteral("The chords will be saved in the %1 directory")
                         .arg(rig->drive.filePath(QStringLiteral("Chords"))));
            QCOMPARE(rig->prompter.shown.front().title, QStringLiteral("Strumkin"));
            QVERIFY(!rig->prompter.shown.front().question);
        }

        const QString sheet = QLatin1String(chord.sheet);
        bool sheetHidden = false;
        QString sentence;
        QStringList onScreen;
        rig->printer.whilePainting = [&] {
            sheetHidden = rig->registry->isLoaded(sheet) &&
                          !rig->registry->instance(sheet)->form().isVisible();
            const forms::Control &label = rig->window(sheet).control(QStringLiteral("Label2"));
            sentence = test::textOf(label);
            onScreen = linesOnScreen(label);
        };
        for (const bool yes : {false, true}) {
            rig->prompter.shown.clear();
            rig->prompter.answers = {yes};
            rig->press(window, print);
            QCOMPARE(rig->prompter.shown.size(), 1u);
            QCOMPARE(
                rig->prompter.shown.front().text,
                QStringLiteral("Are you sure you want to print the %1 chord?").arg(chord.name()));
            QCOMPARE(rig->prompter.shown.front().title, QStringLiteral("Print?"));
            QVERIFY(rig->prompter.shown.front().question);
            QCOMPARE(rig->printer.printed.size(), yes ? 1 : 0);
            QCOMPARE(sheetHidden, yes);
            QCOMPARE(rig->registry->loadedClasses(), QStringList{window});
        }
        // The document describes the sheet's diagram with the page's fingering.
        const lessons::DiagramLabel *diagram = nullptr;
        for (const forms::Control *c : rig->window(window).form().allControls())
            if (const auto *d = dynamic_cast<const lessons::DiagramLabel *>(c);
                d != nullptr && d->caption() == QLatin1Char(chord.letter()))
                diagram = d;
        QVERIFY(diagram != nullptr);
        QCOMPARE(rig->printer.texts.back().description,
                 QStringLiteral("The %1 chord diagram. %2")
                     .arg(chord.name(), diagram->accessibleFacts().description));
        QVERIFY(rig->printer.texts.back().description.contains(QLatin1String(" finger")));
        // The sheet's sentence, one line as designed, breaks on paper as on screen.
        QCOMPARE(onScreen.size(), 1);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils, scripts/setup) is not installed");
        QCOMPARE(linesOnPaper(rig->printer.printed.front(), sentence), onScreen);
    }

    // Without a printer the sheet is offered as a PDF file beside the saves.
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

    // The page resized as the window system does it, from a tiny window to
    // one filling a large screen: each diagram shows its chord whole, cut
    // neither by its widget nor by a window that can hold it; and where the
    // window is at least its designed size, where the labels have moved from
    // where they were designed while the diagram keeps its size, each digit
    // of its finger row stands under the string it names, and its fret marker
    // points at its row from the left, clear of the diagram.
    void diagramsStayWholeAndLineUpWithTheirLabels_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("size");
        const std::pair<const char *, QSize> sizes[] = {
            {"tiny", QSize(120, 100)},
            {"as designed", QSize(430, 426)},
            {"2.2 times as high", QSize(1000, 940)},
            {"on a 3840x2160 screen", QSize(3840, 2160)},
        };
        for (int i = 0; i < 14; ++i) {
            for (const auto &[name, size] : sizes)
                QTest::addRow("%s %s", qPrintable(lessons::chords()[i].name()), name) << i << size;
        }
    }
    void diagramsStayWholeAndLineUpWithTheirLabels()
    {
        QFETCH(int, index);
        QFETCH(QSize, size);
        const lessons::Chord &chord = lessons::chords().at(std::size_t(index));
        const QString window = QLatin1String(shell::ChordPages[chord.root - 'A']);
        open(window);
        forms::Form &form = rig->window(window).form();
        form.resize(size);
        QCOMPARE(form.clientArea()->size(), size);
        const lessons::DiagramLabel *diagram = diagramOf(form, chord.letter());
        QVERIFY(diagram != nullptr);
        const lessons::Voicing &voicing = *diagram->voicing();
        const QRect ink = inkShown(*diagram);
        QVERIFY(!ink.isNull());
        if (size.width() >= ink.width() && size.height() >= ink.height())
            QVERIFY(QRect(QPoint(), size).contains(ink));
        if (size.width() < 430 || size.height() < 426)
            return;

        // Where the strings and rows stand in the window, in pixels.
        const QWidget &w = *diagram->widget();
        const double em = w.font().pointSizeF() * w.logicalDpiY() / 72.0;
        const QSize room = w.size() - diagram->naturalSize();
        const QPointF glyph = QPointF(w.pos()) + QPointF(room.width(), room.height()) / 2;
        const QStringList anchor = test::property(*diagram, "Anchor").toString().split(u',');
        QCOMPARE(anchor.size(), 2);

        // Digits name the fretted strings from low E up, in order.
        const forms::Control &row = rig->window(window).control(anchor.front());
        const QString text = test::textOf(row);
        const QFontMetricsF metrics(row.widget()->font(), row.widget());
        QVERIFY(metrics.horizontalAdvance(text) <= row.widget()->width());
        int string = -1;
        for (qsizetype k = 0; k < text.size(); ++k) {
            if (text[k] == QLatin1Char(' '))
                continue;
            do
                ++string;
            while (string < lessons::StringCount && voicing.frets[string] <= 0);
            QVERIFY(string < lessons::StringCount);
            const double digit = row.widget()->x() + metrics.horizontalAdvance(text.left(k)) +
                                 metrics.horizontalAdvance(text[k]) / 2;
            const double under = glyph.x() + lessons::diagram::stringX(string) * em;
            QVERIFY2(std::abs(digit - under) < 0.35 * lessons::diagram::StringPitch * em,
                     qPrintable(QString(text[k])));
        }

        // The marker's first line points at the middle of its fret's row: the
        // fret it names, or the barre's.
        const auto &marker = rig->window(window).controlAs<forms::Label>(anchor.back());
        static const QRegularExpression named(QStringLiteral("(\\d)(?:st|nd|rd|th) fret"));
        const QRegularExpressionMatch match = named.match(test::textOf(marker));
        const int fret = match.hasMatch() ? match.captured(1).toInt() : voicing.barre.fret;
        const double pointsAt =
            marker.widget()->y() +
            QFontMetricsF(marker.widget()->font(), marker.widget()).height() / 2;
        const double rowAt =
            glyph.y() + lessons::diagram::rowCentreY(fret - voicing.firstFret + 1) * em;
        QVERIFY(std::abs(pointsAt - rowAt) <= 0.5 * lessons::diagram::FretSpacing * em);
        QVERIFY(marker.widget()->x() + test::inkedColumns(marker).lastIndexOf(true) + 1 <
                ink.left());
    }

    // Each print sheet shows its chord's diagram, whole, in its text colour.
    void eachSheetShowsItsChordsDiagram()
    {
        for (const lessons::Chord &chord : lessons::chords()) {
            forms::Form *sheet = rig->registry->loadHidden(QLatin1String(chord.sheet));
            QVERIFY(sheet != nullptr);
            const lessons::DiagramLabel *diagram = diagramOf(*sheet, chord.letter());
            QVERIFY2(diagram != nullptr, chord.sheet);
            QVERIFY2(!inkShown(*diagram).isNull(), chord.sheet);
            rig->registry->unload(QLatin1String(chord.sheet));
        }
    }
};

QTEST_MAIN(PagesTest)
#include "test_pages.moc"
