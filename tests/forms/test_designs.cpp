#include "forms/design.h"
#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/picture.h"
#include "lessons/kinds.h"

#include <QAction>

#include <QtTest>

using namespace strumkin;

// Every design compiled into the program builds, so a design is checked the
// moment it lands; and a design that names something the toolkit does not
// have is refused with a message that says what.
class DesignsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { lessons::registerLessonKinds(); }

    void everyDesignBuilds_data()
    {
        QTest::addColumn<QString>("className");
        const QStringList names = forms::designNames();
        QVERIFY(!names.isEmpty());
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    // What a design shows is shown whole and plain at any logical resolution
    // (this test also runs at 144 dpi): pictures made for 120 dpi within
    // their boxes, separators without a stray caption.
    void everyDesignBuilds()
    {
        QFETCH(QString, className);
        const forms::LoadedDesign design = forms::loadDesign(className);
        QVERIFY2(design.form, qPrintable(design.error));
        QCOMPARE(design.form->className(), className);
        QVERIFY(!design.form->windowTitle().isEmpty());
        QVERIFY(design.form->clientSizeTwips().width() > 0);
        QVERIFY(!design.form->allControls().empty());
        for (const forms::Control *c : design.form->allControls()) {
            const auto *item = dynamic_cast<const forms::MenuItem *>(c);
            if (item != nullptr && item->action()->isSeparator())
                QVERIFY2(item->action()->text().isEmpty(), qPrintable(c->name()));
            const auto *picture = dynamic_cast<const forms::Picture *>(c);
            if (picture == nullptr || picture->picture().isNull() ||
                (picture->isImage() && picture->stretch()))
                continue;
            const QSizeF own = picture->ownPixels();
            const QSize box = c->widget()->size();
            QVERIFY2(own.width() <= box.width() + 0.5 && own.height() <= box.height() + 0.5,
                     qPrintable(c->name()));
        }
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
        QTest::newRow("unknown kind") << head + R"("controls": [{"kind": "slider", "name": "S1"}]})"
                                      << "unknown kind";
        QTest::newRow("property the kind lacks")
            << head + R"("controls": [{"kind": "label", "name": "L1", "Interval": 5}]})"
            << "L1 (label) has no property Interval";
        QTest::newRow("misspelt font part")
            << head + R"("controls": [{"kind": "label", "name": "L1", "FontBoldX": true}]})"
            << "L1 (label) has no property FontBoldX";
        QTest::newRow("misspelt property")
            << head + R"("controls": [{"kind": "button", "name": "B1", "Captoin": "Go"}]})"
            << "B1 (button) has no property Captoin";
        QTest::newRow("given by the font, not by a key")
            << head + R"("controls": [{"kind": "label", "name": "L1", "FontBold": true}]})"
            << "a design does not set FontBold";
        QTest::newRow("refused value")
            << head + R"("controls": [{"kind": "label", "name": "L1", "Alignment": 7}]})"
            << "refuses Alignment";
        QTest::newRow("line has no Left")
            << head + R"("controls": [{"kind": "line", "name": "Line1", "geometry": [0,0,1,1]}]})"
            << "Line1 refuses its Left";
        QTest::newRow("two of one name")
            << head +
                   R"("controls": [{"kind": "label", "name": "L1"}, {"kind": "timer", "name": "L1"}]})"
            << "two controls named L1";
        QTest::newRow("controls in a label")
            << head +
                   R"("controls": [{"kind": "label", "name": "L1", "controls": [{"kind": "label", "name": "L2"}]}]})"
            << "L1 cannot hold controls";
        QTest::newRow("missing picture")
            << head +
                   R"("controls": [{"kind": "picturebox", "name": "P1", "Picture": ":/no/such.bmp"}]})"
            << "refuses Picture";
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
