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

} // namespace

// The printed sheets: each one's sentence breaks on paper into the lines it
// has on screen, as designed and around the width at which it just fits,
// where rounding of the box or of the glyphs' advances decides the line break.
class SheetsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

private slots:
    void initTestCase()
    {
        if (tool("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils, scripts/setup) is not installed");
    }
    void init()
    {
        rig = std::make_unique<test::Rig>();
        lessons::registerLessonWindows(*rig->registry);
    }
    void cleanup() { rig.reset(); }

    void aSentenceBreaksOnPaperAsOnScreen_data()
    {
        // The box's width from the sentence's width in pixels on screen, none
        // for the designed box; a box there is whole pixels, on paper it was
        // the design's twips.
        using Box = std::function<double(double)>;
        QTest::addColumn<int>("index");
        QTest::addColumn<Box>("box");
        QTest::addColumn<int>("lines");
        // As designed each sentence is one line, not "chord." on its own.
        for (int i = 0; i < 14; ++i)
            QTest::newRow(qPrintable(lessons::chords()[i].name())) << i << Box() << 1;
        const int cMajor = 4;
        QTest::newRow("rounds down to the pixel under the sentence")
            << cMajor << Box([](double w) { return std::floor(w) + 0.49; }) << 2;
        QTest::newRow("rounds up to the pixel over the sentence")
            << cMajor << Box([](double w) { return std::ceil(w) - 0.49; }) << 1;
        QTest::newRow("a third narrower") << cMajor << Box([](double w) { return w * 2 / 3; }) << 2;
        QTest::newRow("far wider") << cMajor << Box([](double w) { return w + 60; }) << 1;
    }
    void aSentenceBreaksOnPaperAsOnScreen()
    {
        using Box = std::function<double(double)>;
        QFETCH(int, index);
        QFETCH(Box, box);
        QFETCH(int, lines);
        const lessons::Chord &chord = lessons::chords().at(std::size_t(index));
        const QString sheet = QLatin1String(chord.sheet);
        forms::Form *form = rig->registry->loadHidden(sheet);
        QVERIFY(form != nullptr);
        forms::Control *label = form->control(QStringLiteral("Label2"));
        QVERIFY(label != nullptr);
        const QString sentence = caption(*label);
        if (box) {
            const double width =
                QFontMetricsF(label->widget()->font(), label->widget()).horizontalAdvance(sentence);
            QVERIFY(label->set(QStringLiteral("Width"), box(width) * 1440.0 / form->logicalDpiX()));
        }
        const QStringList onScreen = linesOnScreen(*label);
        QCOMPARE(onScreen.size(), lines);

        // The designed sheet goes through the program's own printing; the
        // narrowed one is printed as it stands.
        QString pdf = rig->paper.filePath(QStringLiteral("sheet.pdf"));
        if (box) {
            const auto result = platform::SystemPrinter().savePdf(
                pdf, sheet, form->clientSizeTwips(), form->logicalDpiY(),
                [form](QPainter &painter, const QRectF &target) {
                    forms::paintClientArea(*form, painter, target);
                });
            QCOMPARE(result.outcome, platform::PrintResult::Printed);
        } else {
            rig->registry->unload(sheet);
            lessons::printChordSheet(*rig->registry, chord);
            QCOMPARE(rig->printer.printed.size(), 1);
            pdf = rig->printer.printed.front();
        }
        QCOMPARE(linesOnPaper(pdf, sentence), onScreen);
    }
};

QTEST_MAIN(SheetsTest)
#include "test_sheets.moc"
