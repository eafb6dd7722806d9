// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/design.h"
#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/placement.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace strumkin;

namespace {

// One control of every kind, on a window with a custom scale.
const char *const Sampler = R"({
  "Name": "frmSampler", "Caption": "Sampler", "ClientWidth": 6444, "ClientHeight": 6396,
  "ScaleWidth": 6372, "ScaleHeight": 6396,
  "menus": [
    {"name": "file", "Caption": "&File", "items": [
      {"name": "goback", "Caption": "&Go Back"},
      {"name": "more", "Caption": "&More", "items": [{"name": "deep", "Caption": "&Deep"}]},
      {"name": "seperater", "Caption": "-"},
      {"name": "exit", "Caption": "&Exit"}]}],
  "controls": [
    {"kind": "timer", "name": "Timer1", "Interval": 500},
    {"kind": "label", "name": "Label1", "geometry": [100, 100, 1000, 300], "Caption": "fixed"},
    {"kind": "label", "name": "Label2", "geometry": [100, 500, 10, 10], "Caption": "sized", "AutoSize": true},
    {"kind": "button", "name": "Command1", "geometry": [2000, 100, 1092, 372], "Caption": "&Go"},
    {"kind": "textbox", "name": "Text1", "geometry": [100, 1000, 3000, 900], "MultiLine": true},
    {"kind": "check", "name": "Check1", "geometry": [100, 2000, 252, 252]},
    {"kind": "combobox", "name": "cbo1", "geometry": [100, 2400, 2052, 288], "Style": 2},
    {"kind": "picturebox", "name": "Picture1", "geometry": [100, 3000, 500, 500], "AutoSize": true},
    {"kind": "image", "name": "Image1", "geometry": [700, 3000, 1380, 1000], "Stretch": true},
    {"kind": "shape", "name": "Shape1", "geometry": [100, 4200, 3000, 800], "Shape": 2},
    {"kind": "line", "name": "Line1", "X1": 0, "Y1": 1440, "X2": 6480, "Y2": 1440},
    {"kind": "frame", "name": "Frame1", "geometry": [3500, 3000, 2000, 1800], "Caption": "New Stuff", "ForeColor": [255, 0, 0],
     "controls": [{"kind": "label", "name": "Label5", "geometry": [120, 360, 1212, 1212], "Caption": "inside"}]}
  ]})";

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<forms::Form> form;

    forms::Control &c(const QString &name)
    {
        forms::Control *found = form->control(name);
        if (found == nullptr)
            qFatal("no control %s", qPrintable(name));
        return *found;
    }
    [[nodiscard]] double pixelsX(double units) const
    {
        return units * form->dpiX() / 1440 * 6444 / 6372;
    }

private slots:
    void init()
    {
        forms::LoadedDesign design = forms::buildDesign(Sampler, QStringLiteral("frmSampler"));
        QVERIFY2(design.form, qPrintable(design.error));
        form = std::move(design.form);
    }
    void cleanup() { form.reset(); }

    // What a kind lacks, and a value it refuses, fails; the layout engine
    // counts on that to pass over the control.
    void byNameProperties_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("taken");
        const auto row = [](const char *control, const char *property, bool readable,
                            const QVariant &value, bool taken) {
            QTest::addRow("%s %s", control, property)
                << control << property << readable << value << taken;
        };
        row("goback", "Name", true, {}, false);
        row("Timer1", "Left", true, 5.0, true);
        row("Timer1", "Interval", true, 70000, false);
        row("Line1", "X2", true, 100.0, true);
        row("Label1", "Alignment", true, 3, false);
        row("Label2", "Width", true, 900, false); // it sizes itself
        row("Text1", "MultiLine", true, false, false);
        row("Command1", "Index", false, 1, false); // no control arrays
        row("Command1", "Width", true, -1, false);
        row("Command1", "Height", true, 500.0, true);
        row("Command1", "FontBold", true, true, true);
        row("Command1", "FontBoldX", false, true, false);
        row("Check1", "Value", true, 2, false);
        row("cbo1", "IntegralHeight", false, false, false);
        row("cbo1", "ListIndex", true, 0, false); // the list is empty
        row("Frame1", "Caption", true, "x", true);
    }
    void byNameProperties()
    {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(bool, readable);
        QFETCH(QVariant, value);
        QFETCH(bool, taken);
        forms::Control &target = c(control);
        QCOMPARE(target.get(property).has_value(), readable);
        QCOMPARE(target.property(property.toStdString()).has_value(), readable);
        QCOMPARE(target.set(property, value), taken);
        if (taken)
            QCOMPARE(target.get(property)->toString(), value.toString());
    }

    void move_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QList<int>>("arguments");
        // Empty when refused; a size of -1 is the one the control keeps.
        QTest::addColumn<QRectF>("moved");
        const QList<int> four{10, 20, 300, 400};
        QTest::newRow("four") << "Command1" << four << QRectF(10, 20, 300, 400);
        QTest::newRow("three") << "Command1" << four.first(3) << QRectF(10, 20, 300, 372);
        QTest::newRow("two") << "Command1" << four.first(2) << QRectF(10, 20, 1092, 372);
        QTest::newRow("one") << "Command1" << four.first(1) << QRectF();
        QTest::newRow("negative width") << "Command1" << QList<int>{10, 20, -1, 5} << QRectF();
        QTest::newRow("menu item") << "goback" << four << QRectF();
        QTest::newRow("timer") << "Timer1" << four.first(2) << QRectF();
        QTest::newRow("line") << "Line1" << four.first(2) << QRectF();
        QTest::newRow("sized label, four") << "Label2" << four << QRectF();
        QTest::newRow("sized label, two") << "Label2" << four.first(2) << QRectF(10, 20, -1, -1);
    }
    void move()
    {
        QFETCH(QString, control);
        QFETCH(QList<int>, arguments);
        QFETCH(QRectF, moved);
        const QRectF before = c(control).geometry();
        const std::vector<std::int32_t> a(arguments.begin(), arguments.end());
        QCOMPARE(c(control).move(a), !moved.isNull());
        if (moved.isNull())
            moved = before;
        else if (moved.width() < 0)
            moved.setSize(before.size());
        QCOMPARE(c(control).geometry(), moved);
    }

    void geometryIsKeptInTheWindowsUnits()
    {
        c("Command1").set(QStringLiteral("Left"), 100.5);
        QCOMPARE(c("Command1").get(QStringLiteral("Left"))->toDouble(), 100.5);
        // Edges are rounded, not sizes: boxes side by side stay so.
        QCOMPARE(c("Command1").widget()->x(), qRound(pixelsX(100.5)));
        QCOMPARE(c("Command1").widget()->geometry().right() + 1, qRound(pixelsX(100.5 + 1092)));
        QCOMPARE(c("Label5").widget()->parentWidget(), c("Frame1").widget());
        // A frame's colour is its caption's; the controls inside keep their own.
        QCOMPARE(c("Label5").widget()->palette().color(QPalette::WindowText),
                 form->clientArea()->palette().color(QPalette::WindowText));
        const auto items = dynamic_cast<forms::MenuItem &>(c("file")).menu()->actions();
        QCOMPARE(items.size(), 4);
        QVERIFY(items.at(1)->menu() && items.at(2)->isSeparator());
        QVERIFY(c("Line1").isLine() && !c("Shape1").isLine());
        // A unit keeps its size in twips when the client area grows.
        form->setClientSizeTwips({6444 * 2, 6396});
        QCOMPARE(form->scaleSize(), QSizeF(6372 * 2, 6396));
        form->setClientSizeTwips({6444, 6396});
        QCOMPARE(form->clientSizeTwips(), QSizeF(6444, 6396));
    }

    void menuBarSitsAboveTheDesignedClientArea()
    {
        const QSize designed(qRound(6444 * form->dpiX() / 1440.0),
                             qRound(6396 * form->dpiY() / 1440.0));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->clientArea()->size(), designed);
        QCOMPARE(form->clientSizeTwips(), QSizeF(6444, 6396));
        QVERIFY(form->clientArea()->y() > 0);
        QVERIFY(form->outerTwips().top() < 30000);
        form->showMinimized();
        QTRY_VERIFY(form->isMinimized());
        QVERIFY(form->outerTwips().top() >= 30000);
    }

    // A member page of 428 x 425 frame pixels, and pages of 430 x 426.
    void besidePrefersRightLeftBelowAboveOnTheScreen_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("placed");
        const QSize page(430, 426);
        const QRect screen(0, 0, 1600, 1200);
        const QRect small(0, 0, 1280, 1024);
        QTest::newRow("right") << QRect(586, 387, 428, 425) << page << screen << QPoint(1014, 387);
        QTest::newRow("left, up") << QRect(1100, 900, 428, 250) << page << screen
                                  << QPoint(670, 774);
        QTest::newRow("above") << QRect(100, 700, 1400, 300) << page << screen << QPoint(100, 274);
        QTest::newRow("screen off the origin") << QRect(1700, 400, 428, 425) << page
                                               << small.translated(1600, 100) << QPoint(2128, 400);
        // Centred on 1280 x 1024 no side is free: the least overlap is where
        // the page is pushed into the screen's bottom-left corner.
        QTest::newRow("least overlap")
            << QRect(426, 299, 428, 425) << page << small << QPoint(0, 598);
        QTest::newRow("larger than the screen")
            << QRect(100, 100, 300, 300) << QSize(2000, 1500) << screen << QPoint(0, 0);
    }
    void besidePrefersRightLeftBelowAboveOnTheScreen()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, screen);
        QFETCH(QPoint, placed);
        QCOMPARE(forms::beside(anchor, size, screen), QRect(placed, size));
    }
};

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
