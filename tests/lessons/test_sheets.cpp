#include "forms/control.h"
#include "forms/form.h"
#include "forms/paint.h"
#include "lessons/catalogue.h"
#include "lessons/lessonwindows.h"
#include "lessons/sheetprinting.h"
#include "platform/printer.h"
#include "shell/registry.h"
#include "support/doubles.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextLayout>
#include <QWidget>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace strumkin;

Q_DECLARE_METATYPE(std::function<double(double)>)

namespace {

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString run(const char *program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(tool(program), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString caption(const forms::Control &label)
{
    return label.get(QStringLiteral("Caption")).value_or(QVariant()).toString();
}

// The lines a centred, wrapped label breaks its caption into in its box on
// screen, as the widget's painter lays them out.
QStringList linesOnScreen(const forms::Control &label)
{
    // Where the label wraps its text: a label wider than designed keeps its
    // designed lines.
    const QWidget *widget = label.widget();
    const QString text = caption(label);
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
    auto found = lineElement.globalMatch(
        run("pdftotext", {QStringLiteral("-bbox-layout"), pdf, QStringLiteral("-")}));
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

int pages(const QString &pdf)
{
    static const QRegularExpression field(QStringLiteral("^Pages:\\s*(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    const auto match = field.match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

// The printed sheets: each fills the paper one way, keeps its proportions on
// one page, and its sentence breaks into the lines it has on screen.
class SheetsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

private slots:
    void initTestCase()
    {
        if (tool("pdftotext").isEmpty() || tool("pdfinfo").isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils, scripts/setup) are not installed");
    }
    void init()
    {
        rig = std::make_unique<test::Rig>();
        lessons::registerLessonWindows(*rig->registry);
    }
    void cleanup() { rig.reset(); }

    void aSheetFillsItsPageAsOnScreen_data()
    {
        QTest::addColumn<char>("root");
        QTest::addColumn<int>("quality");
        for (const lessons::Chord &chord : lessons::chords())
            QTest::newRow(qPrintable(chord.name())) << chord.root << int(chord.quality);
    }
    void aSheetFillsItsPageAsOnScreen()
    {
        QFETCH(char, root);
        QFETCH(int, quality);
        const lessons::Chord &chord = lessons::chord(root, lessons::Quality(quality));
        const QString sheet = QLatin1String(chord.sheet);
        forms::Form *form = rig->registry->loadHidden(sheet);
        QVERIFY(form != nullptr);
        const QSizeF twips = form->clientSizeTwips();
        const forms::Control *label = form->control(QStringLiteral("Label2"));
        QVERIFY(label != nullptr);
        const QString sentence = caption(*label);
        const QStringList onScreen = linesOnScreen(*label);
        // The sentence is one line, as designed, not "chord." on its own.
        QCOMPARE(onScreen, QStringList{sentence});
        rig->registry->unload(sheet);

        lessons::printChordSheet(*rig->registry, chord);

        QCOMPARE(rig->printer.printed.size(), 1);
        QCOMPARE(rig->printer.placements.size(), std::size_t(1));
        const auto &placed = rig->printer.placements.front();
        const QRectF &page = placed.content;
        const QSizeF &paper = placed.paper;
        QString where;
        QDebug(&where) << "sheet at" << page << "on" << paper;
        // The design's proportions, to a pixel of the page.
        QVERIFY2(qAbs(page.width() / page.height() - twips.width() / twips.height()) <
                     1.0 / page.height(),
                 qPrintable(where));
        // Filling the printable width or height, centred the other way; at
        // its design size the sheet took 15 to 20 % of the page.
        const double across = page.width() / paper.width();
        const double down = page.height() / paper.height();
        QVERIFY2(qMax(across, down) > 0.999 && qMax(across, down) < 1.001, qPrintable(where));
        QVERIFY2(qAbs(page.left() - (paper.width() - page.right())) <= 1.0 &&
                     qAbs(page.top() - (paper.height() - page.bottom())) <= 1.0,
                 qPrintable(where));

        const QString pdf = rig->printer.printed.front();
        QCOMPARE(pages(pdf), 1);
        QCOMPARE(linesOnPaper(pdf, sentence), onScreen);
    }

    // Around the width at which the sentence just fits, where rounding of
    // the box or of the glyphs' advances decides the line break.
    void aSentenceBreaksOnPaperAsOnScreen_data()
    {
        // The box's width from the sentence's width in pixels on screen; a
        // box there is whole pixels, on paper it was the design's twips.
        QTest::addColumn<std::function<double(double)>>("box");
        QTest::addColumn<int>("lines");
        QTest::newRow("rounds down to the pixel under the sentence")
            << std::function<double(double)>([](double w) { return std::floor(w) + 0.49; }) << 2;
        QTest::newRow("rounds up to the pixel over the sentence")
            << std::function<double(double)>([](double w) { return std::ceil(w) - 0.49; }) << 1;
        QTest::newRow("a third narrower")
            << std::function<double(double)>([](double w) { return w * 2 / 3; }) << 2;
        QTest::newRow("far wider")
            << std::function<double(double)>([](double w) { return w + 60; }) << 1;
    }
    void aSentenceBreaksOnPaperAsOnScreen()
    {
        using Box = std::function<double(double)>;
        QFETCH(Box, box);
        QFETCH(int, lines);
        const QString sheet = QStringLiteral("frmcma");
        forms::Form *form = rig->registry->loadHidden(sheet);
        QVERIFY(form != nullptr);
        forms::Control *label = form->control(QStringLiteral("Label2"));
        QVERIFY(label != nullptr);
        const QString sentence = caption(*label);
        const double width =
            QFontMetricsF(label->widget()->font(), label->widget()).horizontalAdvance(sentence);
        const double pixels = box(width);
        QVERIFY(label->set(QStringLiteral("Width"), pixels * 1440.0 / form->logicalDpiX()));
        const QStringList onScreen = linesOnScreen(*label);
        QCOMPARE(onScreen.size(), lines);

        const QString pdf = rig->paper.filePath(QStringLiteral("sheet.pdf"));
        const auto result = platform::SystemPrinter().savePdf(
            pdf, sheet, form->clientSizeTwips(), form->logicalDpiY(),
            [form](QPainter &painter, const QRectF &target) {
                forms::paintClientArea(*form, painter, target);
            });

        QCOMPARE(result.outcome, platform::PrintResult::Printed);
        QCOMPARE(linesOnPaper(pdf, sentence), onScreen);
    }
};

QTEST_MAIN(SheetsTest)
#include "test_sheets.moc"
