#include "forms/control.h"
#include "forms/design.h"
#include "forms/form.h"
#include "lessons/kinds.h"
#include "platform/fonts.h"
#include "support/ink.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtTest>

using namespace strumkin;

namespace {

// Draws a text as its control lays it out, but on a canvas with room all
// round and no clip, and says how far its ink reaches past the box: that is
// what the control's widget cuts off.
QString overflow(const forms::TextLayout &text, const QWidget &widget)
{
    constexpr int Room = 400;
    QImage canvas = test::canvasFor(text.box.size() + QSize(2 * Room, 2 * Room), widget);
    const QRect box(QPoint(Room, Room), text.box.size());
    {
        QPainter painter(&canvas);
        painter.setFont(text.font);
        painter.setPen(Qt::black);
        // Drawn in a box, a text is clipped to it unless told not to be.
        painter.drawText(box, text.flags | Qt::TextDontClip, text.text);
    }
    // A faint antialiased fringe past the edge is not a cut glyph.
    const QRect ink = test::inkBounds(canvas, [](QRgb rgb) { return qAlpha(rgb) >= 96; });
    if (box.contains(ink) || ink.isEmpty())
        return {};
    return QStringLiteral("ink at %1,%2 %3 x %4 past the box")
        .arg(ink.x() - box.x())
        .arg(ink.y() - box.y())
        .arg(ink.width())
        .arg(ink.height());
}

} // namespace

// Every caption and text of every window is whole at the designed size:
// laid out with its font, wrap and alignment in the box its control keeps
// it in, no line runs past the bottom and no glyph past a side.
class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        lessons::registerLessonKinds();
        platform::installFontSubstitutes();
    }

    void everyTextFitsItsBox_data()
    {
        QTest::addColumn<QString>("className");
        const QStringList names = forms::designNames();
        QCOMPARE(names.size(), 28);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyTextFitsItsBox()
    {
        QFETCH(QString, className);
        const forms::LoadedDesign design = forms::loadDesign(className);
        QVERIFY2(design.form, qPrintable(design.error));
        QStringList cut;
        int texts = 0;
        for (const forms::Control *control : design.form->allControls()) {
            for (const forms::TextLayout &text : control->textLayouts()) {
                ++texts;
                const QString past = overflow(text, *control->widget());
                if (!past.isEmpty())
                    cut << control->name() + QStringLiteral(" \"%1\" (%2): %3")
                                                 .arg(text.text.simplified(),
                                                      QFontInfo(text.font).family(), past);
            }
        }
        QVERIFY(texts > 0);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n    "))));
    }

    // The check itself: a word wider than its box and a last line below it
    // are found, and a text with room to spare is not.
    void theCheckFindsCutText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("cut");
        QTest::newRow("room to spare") << "Fret ___" << QSize(200, 40) << false;
        QTest::newRow("one word too wide") << "Info!" << QSize(12, 40) << true;
        QTest::newRow("last line below") << "one two three four five six" << QSize(60, 16) << true;
    }
    void theCheckFindsCutText()
    {
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QFETCH(bool, cut);
        QWidget widget;
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(7.8);
        const forms::TextLayout layout{text, QRect(QPoint(5, 5), box),
                                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, font};
        QCOMPARE(!overflow(layout, widget).isEmpty(), cut);
    }
};

QTEST_MAIN(TextFitTest)
#include "test_textfit.moc"
