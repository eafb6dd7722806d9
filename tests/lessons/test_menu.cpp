#include "forms/form.h"
#include "forms/label.h"
#include "lessons/lessonwindows.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/doubles.h"
#include "support/ink.h"
#include "support/windowsize.h"

#include <QAbstractButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>

using namespace strumkin;

// The chord menu, the hub every page returns to.
class MenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    shell::WindowClass &menu() { return rig->window(QStringLiteral("frmchords")); }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        lessons::registerLessonWindows(*rig->registry);
        rig->standIn(
            {QStringLiteral("frmsecret"), QStringLiteral("frmabout"), QStringLiteral("frmfind")});
    }
    void cleanup() { rig.reset(); }

    void thePictureBoxHoldsTheFocusAtOpening()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        menu().form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&menu().form()));
        QCOMPARE(QApplication::focusWidget(), menu().control(QStringLiteral("Picture4")).widget());
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
        // Within a fifth of the spacing: plainly over its own button.
        const double pitch = buttonAt(2) - buttonAt(1);
        for (int option = 1; option <= 7; ++option) {
            const double off = row.widget()->mapTo(&form, QPointF(letters.at(option - 1), 0)).x() -
                               buttonAt(option);
            QVERIFY2(std::abs(off) <= 0.2 * pitch,
                     qPrintable(QStringLiteral("Option%1: %2 px off").arg(option).arg(off)));
        }
    }
};

QTEST_MAIN(MenuTest)
#include "test_menu.moc"
