#include "forms/form.h"
#include "forms/label.h"
#include "forms/menuitem.h"
#include "forms/picture.h"
#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "support/ink.h"
#include "support/windowsize.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>

using namespace strumkin;

// The chord menu, the hub every page returns to.
class MenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QTemporaryDir program;

    shell::WindowClass &menu() { return *rig->registry->instance(QStringLiteral("frmchords")); }
    void click(const QString &control)
    {
        forms::Control &c = menu().control(control);
        if (auto *button = qobject_cast<QAbstractButton *>(c.widget());
            button != nullptr && c.kind() == QLatin1String("button"))
            button->click();
        else if (c.kind() == QLatin1String("option"))
            c.set(QStringLiteral("Value"), true);
        else if (auto *item = dynamic_cast<forms::MenuItem *>(&c))
            item->action()->trigger();
        else
            dynamic_cast<forms::Picture &>(c).click();
    }
    // Pictures beside the program, each a small bitmap, all but the ones left out.
    void picturesBeside(const QStringList &leftOut)
    {
        for (const char *name : {"pic1.BMP", "pic2.BMP", "pic3.BMP", "skicon.BMP"}) {
            if (leftOut.contains(QLatin1String(name)))
                continue;
            QImage picture(20, 40, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            QVERIFY(picture.save(program.filePath(QLatin1String(name)), "BMP"));
        }
        *rig->paths = platform::Paths(program.path(), rig->drive.path());
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

    void aPagesCloseBringsBackAFreshMenu()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        click(QStringLiteral("Option3"));
        rig->settle();
        auto *close =
            qobject_cast<QAbstractButton *>(rig->registry->instance(QStringLiteral("frmC"))
                                                ->control(QStringLiteral("Command4"))
                                                .widget());
        close->click();
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmchords")});
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(menu()
                         .control(QStringLiteral("Option%1").arg(i))
                         .get(QStringLiteral("Value"))
                         ->toBool(),
                     false);
    }

    void aMissingPictureLeavesOnlyItsControlEmpty()
    {
        picturesBeside({QStringLiteral("pic1.BMP")});
        rig->registry->show(QStringLiteral("frmchords"));
        QVERIFY(
            menu().form().controlAs<forms::Picture>(QStringLiteral("Image1"))->picture().isNull());
        for (const char *name : {"Image2", "Image3", "Picture4"})
            QVERIFY(
                !menu().form().controlAs<forms::Picture>(QLatin1String(name))->picture().isNull());
        QVERIFY(rig->prompter.shown.empty());
    }

    void thePictureBoxHoldsTheFocusAtOpening()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        menu().form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&menu().form()));
        QCOMPARE(QApplication::focusWidget(), menu().control(QStringLiteral("Picture4")).widget());
    }

    void theAboutWindowOpensOverTheMenu_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("menu item") << "about";
        QTest::newRow("picture") << "Picture4";
    }
    void theAboutWindowOpensOverTheMenu()
    {
        QFETCH(QString, control);
        rig->registry->show(QStringLiteral("frmchords"));
        click(control);
        click(control);
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmabout"), QStringLiteral("frmchords")}));
        QCOMPARE(rig->registry->instanceCount(), 2u);
    }

    void theHelpMenuOpensTheReadmeAndTheHelp()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        click(QStringLiteral("readme"));
        click(QStringLiteral("needhelp"));
        QCOMPARE(rig->launcher.starts.size(), 2u);
        QVERIFY(rig->launcher.starts[0].arguments.value(0).endsWith(QStringLiteral("/readme.txt")));
        QVERIFY(
            rig->launcher.starts[1].arguments.value(0).endsWith(QStringLiteral("/chords.html")));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmchords")});
    }

    void theMemberPageButtonLeavesTheMenu()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        click(QStringLiteral("Command1"));
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmsecret")});
    }

    void bothExitsCloseEveryWindowAndEnd_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("button") << "cmdexit";
        QTest::newRow("menu item") << "exit";
    }
    void bothExitsCloseEveryWindowAndEnd()
    {
        QFETCH(QString, control);
        for (const char *name : {"frmabout", "frmfind", "frmsecret", "frmb", "frmG"})
            rig->registry->show(QLatin1String(name));
        rig->registry->show(QStringLiteral("frmchords"));
        click(control);
        QVERIFY(rig->registry->loadedClasses().isEmpty());
        QVERIFY(rig->prompter.shown.empty());
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    void closingTheMenuLeavesTheAboutWindowRunning()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        click(QStringLiteral("about"));
        menu().form().close();
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmabout")});
        QCOMPARE(rig->ends, 0);
        rig->registry->instance(QStringLiteral("frmabout"))->form().close();
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    void afterAPrintNothingHiddenHoldsTheProgram()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        click(QStringLiteral("Option1"));
        rig->settle();
        rig->prompter.answers = {true};
        qobject_cast<QAbstractButton *>(rig->registry->instance(QStringLiteral("frmA"))
                                            ->control(QStringLiteral("cmdprint"))
                                            .widget())
            ->click();
        QCOMPARE(rig->printer.printed.size(), 1);
        rig->registry->instance(QStringLiteral("frmA"))->form().close();
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    // One option button under each letter of the row above: the glyph's
    // centre over the centre of the button's round box.
    void eachOptionStandsUnderItsLetter_data()
    {
        QTest::addColumn<double>("factor");
        QTest::newRow("as designed") << 1.0;
        QTest::newRow("half as large again") << 1.5;
    }
    void eachOptionStandsUnderItsLetter()
    {
        QFETCH(double, factor);
        rig->registry->show(QStringLiteral("frmchords"));
        forms::Form &form = menu().form();
        test::resizeClient(form, factor);
        const auto &row = *menu().form().controlAs<forms::Label>(QStringLiteral("Label6"));
        const QList<double> letters = test::inkedRunCentres(row);
        QCOMPARE(letters.size(), 7);
        const auto buttonAt = [&](int option) {
            auto *button = qobject_cast<QAbstractButton *>(
                menu().control(QStringLiteral("Option%1").arg(option)).widget());
            QStyleOptionButton style;
            style.initFrom(button);
            const QRectF box =
                button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, button);
            return button->mapTo(&form, QPointF(box.center().x(), 0)).x();
        };
        const double pitch = buttonAt(2) - buttonAt(1);
        QStringList offsets;
        double worst = 0;
        for (int option = 1; option <= 7; ++option) {
            const double off = row.widget()->mapTo(&form, QPointF(letters.at(option - 1), 0)).x() -
                               buttonAt(option);
            offsets << QString::number(off, 'f', 1);
            worst = std::max(worst, std::abs(off));
        }
        // Within a fifth of the spacing: plainly over its own button.
        QVERIFY2(worst <= 0.2 * pitch,
                 qPrintable(QStringLiteral("letters off their buttons (px): %1")
                                .arg(offsets.join(QStringLiteral(", ")))));
    }
};

QTEST_MAIN(MenuTest)
#include "test_menu.moc"
