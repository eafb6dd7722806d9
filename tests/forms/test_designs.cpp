// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/control.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/picture.h"
#include "lessons/kinds.h"
#include "platform/fonts.h"
#include "support/ink.h"

#include <QAction>
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

// Every design compiled into the program builds, so a design is checked the
// moment it lands; and a design that names something the toolkit does not
// have is refused with a message that says what.
class DesignsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        lessons::registerLessonKinds();
        platform::installFontSubstitutes();
    }

    void everyDesign_data()
    {
        QTest::addColumn<QString>("className");
        const QStringList names = forms::designNames();
        QCOMPARE(names.size(), 28);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    // What a design shows is shown whole and plain at any logical resolution
    // (this test also runs at 144 dpi): pictures made for 120 dpi within
    // their boxes, separators without a stray caption, and every caption and
    // text laid out with its font, wrap and alignment in the box its control
    // keeps it in, no line past the bottom and no glyph past a side.
    void everyDesign()
    {
        QFETCH(QString, className);
        const forms::LoadedDesign design = forms::loadDesign(className);
        QVERIFY2(design.form, qPrintable(design.error));
        QCOMPARE(design.form->className(), className);
        QStringList faults;
        int texts = 0;
        for (const forms::Control *c : design.form->allControls()) {
            const auto *item = dynamic_cast<const forms::MenuItem *>(c);
            if (item != nullptr && item->action()->isSeparator() &&
                !item->action()->text().isEmpty())
                faults << c->name() + QStringLiteral(": a separator with a caption");
            const auto *picture = dynamic_cast<const forms::Picture *>(c);
            if (picture != nullptr && !picture->picture().isNull() &&
                !(picture->isImage() && picture->stretch())) {
                const QSizeF own = picture->ownPixels();
                const QSize box = c->widget()->size();
                if (own.width() > box.width() + 0.5 || own.height() > box.height() + 0.5)
                    faults << c->name() + QStringLiteral(": the picture is larger than its box");
            }
            for (const forms::TextLayout &text : c->textLayouts()) {
                ++texts;
                const QString past = overflow(text, *c->widget());
                if (!past.isEmpty())
                    faults << c->name() + QStringLiteral(" \"%1\" (%2): %3")
                                              .arg(text.text.simplified(),
                                                   QFontInfo(text.font).family(), past);
            }
        }
        QVERIFY(texts > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n    "))));
    }

    void faultyDesignsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("complaint");
        const QByteArray head =
            R"({"Name": "frmX", "Caption": "X", "ClientWidth": 100, "ClientHeight": 100, )";
        QTest::newRow("not json") << QByteArray("{") << "frmX";
        QTest::newRow("another window") << QByteArray(R"({"Name": "frmY"})") << "another window";
        QTest::newRow("unknown window property") << head + R"("Colour": 1})"
                                                 << "unknown window property Colour";
        // A window of the given controls.
        const auto row = [&head](const char *tag, const char *controls, const char *complaint) {
            QTest::newRow(tag) << head + R"("controls": [)" + controls + "]}" << complaint;
        };
        row("unknown kind", R"({"kind": "slider", "name": "S1"})", "unknown kind");
        row("misspelt property", R"({"kind": "button", "name": "B1", "Captoin": "Go"})",
            "B1 (button) has no property Captoin");
        row("given by the font, not by a key", R"({"kind": "label", "name": "L1", "FontBold": 1})",
            "a design does not set FontBold");
        row("refused value", R"({"kind": "label", "name": "L1", "Alignment": 7})",
            "refuses Alignment");
        row("line has no Left", R"({"kind": "line", "name": "Line1", "geometry": [0, 0, 1, 1]})",
            "Line1 refuses its Left");
        row("two of one name",
            R"({"kind": "label", "name": "L1"}, {"kind": "timer", "name": "L1"})",
            "two controls named L1");
        row("controls in a label",
            R"({"kind": "label", "name": "L1", "controls": [{"kind": "label", "name": "L2"}]})",
            "L1 cannot hold controls");
        row("missing picture",
            R"({"kind": "picturebox", "name": "P1", "Picture": ":/no/such.bmp"})",
            "refuses Picture");
    }
    void faultyDesignsAreRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, complaint);
        const forms::LoadedDesign design = forms::buildDesign(json, QStringLiteral("frmX"));
        QVERIFY(!design.form);
        QVERIFY2(design.error.contains(complaint), qPrintable(design.error));
    }
};

QTEST_MAIN(DesignsTest)
#include "test_designs.moc"
