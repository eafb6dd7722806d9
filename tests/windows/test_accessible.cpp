// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/control.h"
#include "forms/form.h"
#include "lessons/diagramlabel.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QAccessible>
#include <QtTest>

using namespace strumkin;

namespace {

QAccessibleInterface &spoken(const forms::Control &control)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(control.widget());
    if (found == nullptr)
        qFatal("%s has no accessible interface", qPrintable(control.name()));
    return *found;
}

} // namespace

// What a screen reader gets of each window: every control a person can see
// or use named, diagrams as images described by their fingering.
class AccessibleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

private slots:
    void init() { rig = test::allWindowsRig(); }
    void cleanup() { rig.reset(); }

    void everyVisibleControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window :
             {"frmTimer", "frmstart", "frmintro", "frmchords", "frmA", "frmb", "frmC", "frmD",
              "frmE", "frmF", "frmG", "frmabout", "frmsecret", "frmfind"})
            QTest::newRow(window) << window;
    }
    void everyVisibleControlIsNamed()
    {
        QFETCH(QString, window);
        rig->registry->show(window);
        forms::Form &form = rig->window(window).form();
        QStringList unnamed;
        for (const forms::Control *c : form.allControls()) {
            if (c->widget() == nullptr || !c->widget()->isVisibleTo(&form))
                continue;
            QAccessibleInterface &face = spoken(*c);
            // A line, a coloured block or a panel is not read; what lies on it is.
            if (face.state().invisible || face.role() == QAccessible::Pane)
                continue;
            if (face.text(QAccessible::Name).trimmed().isEmpty())
                unnamed << c->name();
            if (dynamic_cast<const lessons::DiagramLabel *>(c) != nullptr) {
                QCOMPARE(face.role(), QAccessible::Graphic);
                QVERIFY(face.text(QAccessible::Name).endsWith(QLatin1String(" chord diagram")));
                QVERIFY(face.text(QAccessible::Description).endsWith(QLatin1Char('.')));
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

    // The words themselves, where they are made rather than shown.
    void whatIsSaid_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("text");
        QTest::addColumn<QString>("said"); // %1: the drive
        const auto row = [](const char *window, const char *control, QAccessible::Text text,
                            const char *said) {
            QTest::addRow("%s %s", window, control) << window << control << int(text) << said;
        };
        row("frmintro", "Label4", QAccessible::Name, "A major chord diagram");
        row("frmA", "Label2", QAccessible::Description,
            "Low E string muted; A string open; D string 2nd fret, 2nd finger; G string 2nd "
            "fret, 1st finger; B string 2nd fret, 3rd finger; high E string open.");
        row("frmC", "Label6", QAccessible::Description,
            "Starts at the 3rd fret; low E string muted; 1st finger bars the A to high E strings "
            "at the 3rd fret; D string 5th fret, 3rd finger; G string 5th fret, 4th finger; B "
            "string 4th fret, 2nd finger.");
        row("frmC", "Command1", QAccessible::Description,
            "Saves the C major chord to %1/Chords/Cchords/Cmajor.txt");
        row("frmC", "Command3", QAccessible::Description, "Prints the C minor chord");
        row("frmchords", "Option2", QAccessible::Name, "B: B major and B minor");
        row("frmchords", "Picture4", QAccessible::Name, "Info: about Strumkin");
        row("frmchords", "Image2", QAccessible::Name, "A hand fretting the C major chord");
        row("frmstart", "Image1", QAccessible::Name, "An acoustic guitar on a stage");
        row("frmTimer", "lblnow", QAccessible::Name, "10:00:00");
    }
    void whatIsSaid()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, text);
        QFETCH(QString, said);
        rig->registry->show(window);
        QCOMPARE(spoken(rig->window(window).control(control)).text(QAccessible::Text(text)),
                 said.arg(rig->paths->driveRoot()));
    }

    // The Info picture takes the focus at opening and is pressed like a
    // button: from the keyboard and by a screen reader.
    void theInfoPictureCanBePressed()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        forms::Form &menu = rig->window(QStringLiteral("frmchords")).form();
        menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(rig->registry->isLoaded(QStringLiteral("frmabout")));
        rig->registry->unload(QStringLiteral("frmabout"));
        QAccessibleActionInterface *actions =
            spoken(rig->window(QStringLiteral("frmchords")).control(QStringLiteral("Picture4")))
                .actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(rig->registry->isLoaded(QStringLiteral("frmabout")));
    }
};

QTEST_MAIN(AccessibleTest)
#include "test_accessible.moc"
