#include "forms/combobox.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/line.h"
#include "forms/menuitem.h"
#include "forms/picture.h"
#include "forms/pictures.h"
#include "forms/placement.h"
#include "forms/textbox.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
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
    {"kind": "button", "name": "Command1", "geometry": [2000, 100, 1092, 372], "Caption": "&Go", "TabIndex": 2},
    {"kind": "button", "name": "Command2", "geometry": [2000, 600, 1092, 372], "Caption": "&Hidden", "TabIndex": 0, "Visible": false},
    {"kind": "textbox", "name": "Text1", "geometry": [100, 1000, 3000, 900], "MultiLine": true, "TabIndex": 1},
    {"kind": "check", "name": "Check1", "geometry": [100, 2000, 252, 252], "TabIndex": 3},
    {"kind": "option", "name": "Option1", "geometry": [500, 2000, 852, 252]},
    {"kind": "combobox", "name": "cbo1", "geometry": [100, 2400, 2052, 288], "Style": 2},
    {"kind": "picturebox", "name": "Picture1", "geometry": [100, 3000, 500, 500], "AutoSize": true},
    {"kind": "image", "name": "Image1", "geometry": [700, 3000, 1380, 1000], "Stretch": true},
    {"kind": "shape", "name": "Shape1", "geometry": [100, 4200, 3000, 800], "Shape": 2, "BorderColor": [0, 0, 255], "BorderWidth": 2},
    {"kind": "line", "name": "Line1", "X1": 0, "Y1": 1440, "X2": 6480, "Y2": 1440},
    {"kind": "frame", "name": "Frame1", "geometry": [3500, 3000, 2000, 1800], "Caption": "New Stuff",
     "controls": [{"kind": "label", "name": "Label5", "geometry": [120, 360, 1212, 1212], "Caption": "inside"}]}
  ]})";

class Recorder final : public forms::FormHandler {
public:
    QStringList events;
    void controlEvent(forms::Control &control, forms::Event event) override
    {
        static const char *const names[] = {"Click", "DblClick", "Change", "Timer"};
        events << control.name() + QLatin1Char(' ') + QLatin1String(names[static_cast<int>(event)]);
    }
    void formResized() override { events << QStringLiteral("Resize"); }
    void formCloseRequested() override { events << QStringLiteral("Close"); }
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<forms::Form> form;
    Recorder recorder;

    forms::Control &c(const char *name)
    {
        forms::Control *found = form->control(QLatin1String(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return *found;
    }

private slots:
    void init()
    {
        forms::LoadedDesign design = forms::buildDesign(Sampler, QStringLiteral("frmSampler"));
        QVERIFY2(design.form, qPrintable(design.error));
        form = std::move(design.form);
        recorder.events.clear();
        form->setHandler(&recorder);
    }
    void cleanup() { form.reset(); }

    void propertiesAKindLacksFail_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("readable");
        QTest::newRow("menu item has a name") << "goback"
                                              << "Name" << true;
        QTest::newRow("menu item has no Left") << "goback"
                                               << "Left" << false;
        QTest::newRow("menu item has no Width") << "exit"
                                                << "Width" << false;
        QTest::newRow("timer has a Left") << "Timer1"
                                          << "Left" << true;
        QTest::newRow("timer has no Width") << "Timer1"
                                            << "Width" << false;
        QTest::newRow("line has X1") << "Line1"
                                     << "X1" << true;
        QTest::newRow("line has no Left") << "Line1"
                                          << "Left" << false;
        QTest::newRow("line has no Height") << "Line1"
                                            << "Height" << false;
        QTest::newRow("label has no Text") << "Label1"
                                           << "Text" << false;
        QTest::newRow("text box has no Caption") << "Text1"
                                                 << "Caption" << false;
        QTest::newRow("no control is in an array") << "Command1"
                                                   << "Index" << false;
        QTest::newRow("shape has no Caption") << "Shape1"
                                              << "Caption" << false;
        QTest::newRow("image has no AutoSize") << "Image1"
                                               << "AutoSize" << false;
    }
    void propertiesAKindLacksFail()
    {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(bool, readable);
        QCOMPARE(form->control(control)->get(property).has_value(), readable);
        QCOMPARE(form->control(control)->property(property.toStdString()).has_value(), readable);
    }

    void noKindTakesIntegralHeight()
    {
        for (forms::Control *control : form->allControls())
            QVERIFY2(!control->setProperty("IntegralHeight", false), qPrintable(control->name()));
    }

    void moveTakesTwoThreeOrFourArguments()
    {
        const std::int32_t four[] = {10, 20, 300, 400};
        QVERIFY(c("Command1").move(four));
        QCOMPARE(c("Command1").geometry(), QRectF(10, 20, 300, 400));
        QVERIFY(c("Command1").move(std::span(four).first(3)));
        QVERIFY(c("Command1").move(std::span(four).first(2)));
        QCOMPARE(c("Command1").geometry(), QRectF(10, 20, 300, 400));
        QVERIFY(!c("Command1").move(std::span(four).first(1)));
        const std::int32_t negative[] = {10, 20, -1, 5};
        QVERIFY(!c("Command1").move(negative));
        QCOMPARE(c("Command1").geometry(), QRectF(10, 20, 300, 400));
    }

    void kindsWithoutMoveOrSizeRefuseIt()
    {
        const std::int32_t four[] = {10, 20, 300, 400};
        QVERIFY(!c("goback").move(four));
        QVERIFY(!c("Timer1").move(std::span(four).first(2)));
        QVERIFY(!c("Line1").move(std::span(four).first(2)));
        // A label that sizes itself takes a position only.
        const QSizeF own = c("Label2").geometry().size();
        QVERIFY(!c("Label2").move(four));
        QVERIFY(!c("Label2").move(std::span(four).first(3)));
        QVERIFY(c("Label2").move(std::span(four).first(2)));
        QCOMPARE(c("Label2").geometry(), QRectF(QPointF(10, 20), own));
    }

    void autoSizedLabelFollowsItsText()
    {
        const double before = c("Label2").geometry().width();
        QVERIFY(before > 10);
        c("Label2").set(QStringLiteral("Caption"),
                        QStringLiteral("a much longer caption than before"));
        QVERIFY(c("Label2").geometry().width() > 2 * before);
        QCOMPARE(c("Label1").geometry().width(), 1000.0);
    }

    void geometryReadsBackExactlyInTheWindowsUnits()
    {
        c("Command1").set(QStringLiteral("Left"), 100.5);
        QCOMPARE(c("Command1").get(QStringLiteral("Left"))->toDouble(), 100.5);
        // 6372 units span the 6444 twips of the client area.
        c("Command1").set(QStringLiteral("Left"), 6372);
        const int right = qRound(6444 * form->dpiX() / 1440.0);
        QCOMPARE(c("Command1").widget()->x(), right);
        QCOMPARE(c("Label5").widget()->parentWidget(), c("Frame1").widget());
    }

    void clientAreaKeepsItsTwipsAndAUnitKeepsItsSize()
    {
        QCOMPARE(form->scaleSize(), QSizeF(6372, 6396));
        form->setClientSizeTwips({6444 * 2, 6396});
        QCOMPARE(form->scaleSize(), QSizeF(6372 * 2, 6396));
        form->setClientSizeTwips({6444, 6396});
        QCOMPARE(form->scaleSize(), QSizeF(6372, 6396));
        QCOMPARE(form->clientSizeTwips(), QSizeF(6444, 6396));
    }

    void menuBarSitsAboveTheDesignedClientArea()
    {
        const QSize designed(qRound(6444 * form->dpiX() / 1440.0),
                             qRound(6396 * form->dpiY() / 1440.0));
        QCOMPARE(form->clientArea()->size(), designed);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->clientArea()->size(), designed);
        QCOMPARE(form->clientSizeTwips(), QSizeF(6444, 6396));
        QVERIFY(form->clientArea()->y() > 0);
    }

    void minimizedWindowReportsItsTopAtThirtyThousand()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->outerTwips().top() < 30000);
        form->showMinimized();
        QTRY_VERIFY(form->isMinimized());
        QVERIFY(form->outerTwips().top() >= 30000);
    }

    void resizeIsRaisedFromTheFirstShowingOn()
    {
        form->setClientSizeTwips({7000, 7000});
        QVERIFY(!recorder.events.contains(QStringLiteral("Resize")));
        form->dispatchResize();
        form->setClientSizeTwips({8000, 7000});
        form->setClientSizeTwips({8000, 7000});
        QCOMPARE(recorder.events.count(QStringLiteral("Resize")), 2);
    }

    void textBoxKeepsItsLineEnds()
    {
        const QString text = QStringLiteral("one \r\ntwo \r\n");
        c("Text1").set(QStringLiteral("Text"), text);
        QCOMPARE(c("Text1").get(QStringLiteral("Text"))->toString(), text);
        auto *edit = qobject_cast<QPlainTextEdit *>(c("Text1").widget());
        QVERIFY(!edit->toPlainText().contains(QLatin1Char('\r')));
        edit->appendPlainText(QStringLiteral("three"));
        QCOMPARE(c("Text1").get(QStringLiteral("Text"))->toString(),
                 QStringLiteral("one \r\ntwo \r\n\r\nthree"));
    }

    void lineHasEndPoints()
    {
        auto &line = dynamic_cast<forms::Line &>(c("Line1"));
        QVERIFY(line.isLine());
        QCOMPARE(line.ends(), QLineF(0, 1440, 6480, 1440));
        QVERIFY(line.setProperty("X2", 100.0));
        QCOMPARE(line.get(QStringLiteral("X2"))->toDouble(), 100.0);
        QVERIFY(line.widget()->width() > 0);
    }

    void clicksAndChangesReachTheHandler()
    {
        c("Check1").set(QStringLiteral("Value"), 1);
        c("Check1").set(QStringLiteral("Value"), 1); // no change, no Click
        c("Check1").set(QStringLiteral("Value"), 0);
        auto &combo = dynamic_cast<forms::ComboBox &>(c("cbo1"));
        combo.addItem(QStringLiteral("prompt"));
        combo.addItem(QStringLiteral("first"));
        QCOMPARE(combo.listIndex(), -1);
        combo.setListIndex(0);
        c("Option1").set(QStringLiteral("Value"), true);
        QCOMPARE(recorder.events,
                 (QStringList{QStringLiteral("Check1 Click"), QStringLiteral("Check1 Click"),
                              QStringLiteral("cbo1 Click"), QStringLiteral("Option1 Click")}));
        QCOMPARE(c("cbo1").get(QStringLiteral("ListCount"))->toInt(), 2);
        QVERIFY(!c("cbo1").set(QStringLiteral("ListIndex"), 2));
    }

    void menusNestAndSeparate()
    {
        auto &file = dynamic_cast<forms::MenuItem &>(c("file"));
        QVERIFY(file.menu());
        const auto actions = file.menu()->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions.at(0)->text(), QStringLiteral("&Go Back"));
        QVERIFY(actions.at(1)->menu());
        QVERIFY(actions.at(2)->isSeparator());
        dynamic_cast<forms::MenuItem &>(c("deep")).action()->trigger();
        QCOMPARE(recorder.events, QStringList{QStringLiteral("deep Click")});
    }

    void focusGoesToTheFirstVisibleControlOfTheTabOrder()
    {
        form->show();
        form->focusFirstControl();
        QCOMPARE(QApplication::focusWidget() == nullptr ? form->focusWidget()
                                                        : QApplication::focusWidget(),
                 c("Text1").widget());
    }

    void writingBackTheVisibleStateChangesNothing()
    {
        form->layoutView().setVisible(false);
        QVERIFY(!form->isVisible());
        form->show();
        form->layoutView().setVisible(true);
        QVERIFY(form->isVisible());
        QVERIFY(form->layoutView().visible());
    }

    void picturesSizeTheirBoxesOrStretch()
    {
        QImage tile(128, 64, QImage::Format_RGB32);
        tile.fill(Qt::red);
        QVERIFY(c("Picture1").set(QStringLiteral("Picture"), tile));
        // A picture is drawn for the designs' 120 dpi: a box sized to it keeps
        // that share of the window at any resolution.
        const QSize pixels = c("Picture1").widget()->size();
        QVERIFY(std::abs(pixels.width() - 128 * form->dpiX() / 120) <= 1);
        QVERIFY(std::abs(pixels.height() - 64 * form->dpiY() / 120) <= 1);
        QVERIFY(c("Image1").set(QStringLiteral("Picture"), tile));
        QCOMPARE(c("Image1").geometry().size(), QSizeF(1380, 1000));
        QVERIFY(!c("Image1").set(QStringLiteral("Picture"), QStringLiteral("/no/such/file.BMP")));
        QVERIFY(!dynamic_cast<forms::Picture &>(c("Image1")).picture().isNull());
    }

    void unreadablePicturesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray bmp;
        {
            QImage small(4, 4, QImage::Format_RGB32);
            small.fill(Qt::blue);
            QBuffer buffer(&bmp);
            buffer.open(QIODevice::WriteOnly);
            small.save(&buffer, "BMP");
        }
        QByteArray huge = bmp;
        // The header's width and height fields claim 50,000 x 50,000 pixels.
        const qint32 side = 50000;
        std::memcpy(huge.data() + 18, &side, 4);
        std::memcpy(huge.data() + 22, &side, 4);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << bmp.left(30);
        QTest::newRow("not a picture") << QByteArray("just some text, not a bitmap");
        QTest::newRow("claims 50000 x 50000") << huge;
    }
    void unreadablePicturesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pic1.BMP"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(forms::readPicture(path).isNull());
        QVERIFY(!c("Picture1").set(QStringLiteral("Picture"), path));
    }
    // A member page of 428 x 425 frame pixels, and pages of 430 x 426.
    void besidePrefersRightLeftBelowAboveOnTheScreen_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("placed");
        const QSize page(430, 426);
        QTest::newRow("room on the right") << QRect(586, 387, 428, 425) << page
                                           << QRect(0, 0, 1600, 1200) << QRect(1014, 387, 430, 426);
        QTest::newRow("only on the left, pushed up onto the screen")
            << QRect(1100, 900, 428, 250) << page << QRect(0, 0, 1600, 1200)
            << QRect(670, 774, 430, 426);
        QTest::newRow("only below") << QRect(100, 50, 1400, 300) << page << QRect(0, 0, 1600, 1200)
                                    << QRect(100, 350, 430, 426);
        QTest::newRow("only above") << QRect(100, 700, 1400, 300) << page << QRect(0, 0, 1600, 1200)
                                    << QRect(100, 274, 430, 426);
        QTest::newRow("on a screen not at the origin")
            << QRect(1700, 400, 428, 425) << page << QRect(1600, 100, 1280, 1024)
            << QRect(2128, 400, 430, 426);
        // Centred on 1280 x 1024 no side is free: the least overlap is where
        // the page is pushed into the screen's bottom-left corner.
        QTest::newRow("no room at all: least overlap")
            << QRect(426, 299, 428, 425) << page << QRect(0, 0, 1280, 1024)
            << QRect(0, 598, 430, 426);
        QTest::newRow("larger than the screen: top-left on it")
            << QRect(100, 100, 300, 300) << QSize(2000, 1500) << QRect(0, 0, 1600, 1200)
            << QRect(0, 0, 2000, 1500);
    }
    void besidePrefersRightLeftBelowAboveOnTheScreen()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, screen);
        QFETCH(QRect, placed);
        QCOMPARE(forms::beside(anchor, size, screen), placed);
    }
};

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
