#include "forms/combobox.h"
#include "forms/dirlist.h"
#include "forms/filelist.h"
#include "forms/form.h"
#include "forms/label.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QListWidget>
#include <QTreeView>
#include <QtTest>

using namespace strumkin;

// The saved-chords browser, the member page and the About window, with the
// real windows they open beside.
class SideWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    shell::WindowClass &window(const char *name)
    {
        return *rig->registry->instance(QLatin1String(name));
    }
    void click(const char *windowName, const char *control)
    {
        qobject_cast<QAbstractButton *>(window(windowName).control(QLatin1String(control)).widget())
            ->click();
    }
    forms::DirList &folders()
    {
        return window("frmfind").controlAs<forms::DirList>(QStringLiteral("Dir1"));
    }
    forms::FileList &files()
    {
        return window("frmfind").controlAs<forms::FileList>(QStringLiteral("File1"));
    }
    QString onDrive(const QString &relative) const { return rig->drive.filePath(relative); }
    void write(const QString &relative)
    {
        QVERIFY(QDir().mkpath(QFileInfo(onDrive(relative)).path()));
        QFile file(onDrive(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("saved\r\n");
    }
    // What a user does in the picker: choose an item of the open list.
    void choose(int index)
    {
        auto *combo =
            window("frmsecret").controlAs<forms::ComboBox>(QStringLiteral("cbochords")).comboBox();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void link(const char *label)
    {
        dynamic_cast<forms::Label &>(window("frmabout").control(QLatin1String(label))).click();
    }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        test::registerAllWindows(*rig->registry);
    }
    void cleanup() { rig.reset(); }

    void theBrowserListsSavedChordsAtOnce()
    {
        rig->registry->show(QStringLiteral("frmA"));
        click("frmA", "Command2");
        click("frmA", "Check1");
        QVERIFY(rig->registry->isLoaded(QStringLiteral("frmfind")));
        QCOMPARE(window("frmfind").form().windowTitle(), QStringLiteral("Find"));
        QCOMPARE(folders().path(), QDir(onDrive(QStringLiteral("Chords"))).canonicalPath());
        QCOMPARE(files().names(), QStringList{QStringLiteral("Aminor.txt")});
    }

    void openingAFolderListsItsFiles()
    {
        write(QStringLiteral("Chords/Amajor.txt"));
        write(QStringLiteral("Chords/Bchords/Bmajor.txt"));
        write(QStringLiteral("Chords/Bchords/Bminor.txt"));
        write(QStringLiteral("Chords/Bchords/notes.doc"));
        rig->registry->show(QStringLiteral("frmfind"));
        QCOMPARE(files().names(), QStringList{QStringLiteral("Amajor.txt")});
        // The folder list shows the chords folder's subfolders, read in the background.
        QFileSystemModel *model = folders().model();
        const QModelIndex chords = model->index(folders().path());
        QTRY_COMPARE(model->rowCount(chords), 1);
        QCOMPARE(model->fileName(model->index(0, 0, chords)), QStringLiteral("Bchords"));
        const QModelIndex b = model->index(onDrive(QStringLiteral("Chords/Bchords")));
        QVERIFY(b.isValid());
        emit folders().view()->activated(b);
        QCOMPARE(files().names(),
                 (QStringList{QStringLiteral("Bmajor.txt"), QStringLiteral("Bminor.txt"),
                              QStringLiteral("notes.doc")}));
        // Selecting or double-clicking a file does nothing.
        files().list()->setCurrentRow(0);
        emit files().list()->itemDoubleClicked(files().list()->item(0));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmfind")});
    }

    void withoutAChordsFolderTheBrowserOpensAtTheWorkingFolder()
    {
        rig->registry->show(QStringLiteral("frmfind"));
        QVERIFY(rig->registry->isLoaded(QStringLiteral("frmfind")));
        QCOMPARE(files().path(), QDir::currentPath());
        QCOMPARE(folders().path(), QDir::current().canonicalPath());
        QVERIFY(rig->prompter.shown.empty());
    }

    void theCheckBoxIsAOneShotButton()
    {
        rig->registry->show(QStringLiteral("frmA"));
        forms::Control &box = window("frmA").control(QStringLiteral("Check1"));
        click("frmA", "Check1");
        QCOMPARE(box.get(QStringLiteral("Value"))->toInt(), 0);
        const forms::Form *browser = &window("frmfind").form();
        // While the browser is open a click shows the same one and stays ticked.
        click("frmA", "Check1");
        QCOMPARE(box.get(QStringLiteral("Value"))->toInt(), 1);
        QCOMPARE(&window("frmfind").form(), browser);
        click("frmA", "Check1");
        QCOMPARE(box.get(QStringLiteral("Value"))->toInt(), 0);
        QCOMPARE(&window("frmfind").form(), browser);
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmA"), QStringLiteral("frmfind")}));
    }

    void closeAndReopenStartAtTheChordsFolder()
    {
        write(QStringLiteral("Chords/Bchords/Bmajor.txt"));
        rig->registry->show(QStringLiteral("frmfind"));
        folders().setPath(onDrive(QStringLiteral("Chords/Bchords")));
        QCOMPARE(files().names(), QStringList{QStringLiteral("Bmajor.txt")});
        click("frmfind", "Command1");
        QVERIFY(!rig->registry->isLoaded(QStringLiteral("frmfind")));
        rig->registry->show(QStringLiteral("frmfind"));
        QCOMPARE(folders().path(), QDir(onDrive(QStringLiteral("Chords"))).canonicalPath());
        QVERIFY(files().names().isEmpty());
    }

    void thePickerHoldsEightItemsOnEveryLoad()
    {
        for (int round = 0; round < 2; ++round) {
            rig->registry->show(QStringLiteral("frmsecret"));
            const auto &picker =
                window("frmsecret").controlAs<forms::ComboBox>(QStringLiteral("cbochords"));
            QCOMPARE(picker.get(QStringLiteral("List"))->toStringList(),
                     (QStringList{"Click to see the Chords!", "The A Chords", "The B Chords",
                                  "The C Chords", "The D Chords", "The E Chords", "The F Chords",
                                  "The G Chords"}));
            QCOMPARE(picker.listIndex(), 0);
            QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmsecret")});
            choose(3);
            rig->registry->unloadAll();
        }
    }

    void thePickerOpensPagesBesideTheMemberPage()
    {
        rig->registry->show(QStringLiteral("frmsecret"));
        choose(2);
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmb"), QStringLiteral("frmsecret")}));
        choose(0);
        choose(7);
        choose(0);
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmG"), QStringLiteral("frmb"),
                              QStringLiteral("frmsecret")}));
    }

    void anOpenPageComesToTheFrontUnchanged()
    {
        rig->registry->show(QStringLiteral("frmsecret"));
        choose(2);
        const forms::Form *page = &window("frmb").form();
        window("frmb")
            .control(QStringLiteral("Label5"))
            .set(QStringLiteral("Caption"), QStringLiteral("changed"));
        choose(2);
        QCOMPARE(&window("frmb").form(), page);
        QCOMPARE(window("frmb")
                     .control(QStringLiteral("Label5"))
                     .get(QStringLiteral("Caption"))
                     ->toString(),
                 QStringLiteral("changed"));
    }

    void theMemberPageLaunches()
    {
        rig->registry->show(QStringLiteral("frmsecret"));
        click("frmsecret", "Command1");
        click("frmsecret", "Command2");
        dynamic_cast<forms::Label &>(window("frmsecret").control(QStringLiteral("Label4"))).click();
        QCOMPARE(rig->launcher.starts.size(), 3u);
        QVERIFY(rig->launcher.starts[0].arguments.value(0).endsWith(QStringLiteral("/readme.txt")));
        QVERIFY(
            rig->launcher.starts[1].arguments.value(0).endsWith(QStringLiteral("/chords.html")));
        QCOMPARE(rig->launcher.starts[2].arguments.value(0),
                 QStringLiteral("https://www.example.org/strumkin/members"));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmsecret")});
    }

    void theAboutWindowIsOneAndItsLinksOpen()
    {
        rig->registry->show(QStringLiteral("frmchords"));
        for (int i = 0; i < 3; ++i)
            rig->registry->show(QStringLiteral("frmabout"));
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmabout"), QStringLiteral("frmchords")}));
        link("Label5");
        link("Label6");
        link("Label4");
        QCOMPARE(rig->launcher.starts.size(), 3u);
        QCOMPARE(rig->launcher.starts[0].arguments,
                 QStringList{QStringLiteral("mailto:strumkin@example.org")});
        QCOMPARE(rig->launcher.starts[1].arguments,
                 QStringList{QStringLiteral("https://www.example.org/strumkin")});
        QCOMPARE(rig->launcher.starts[2].arguments,
                 QStringList{QStringLiteral("https://www.example.com/guitar-teachers")});
        const forms::Form *menu = &window("frmchords").form();
        click("frmabout", "Command2");
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmchords")});
        QCOMPARE(&window("frmchords").form(), menu);
        // An opener that gives up after its window closed is still told of.
        rig->launcher.finish(0, {.exitCode = 3});
        QCOMPARE(rig->prompter.shown.size(), 1u);
        QVERIFY(rig->prompter.shown.front().text.contains(
            QLatin1String("\"mailto:strumkin@example.org\" could not be opened")));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmchords")});
    }

    void exitOnTheMenuClosesEverySideWindowAndEnds()
    {
        rig->registry->show(QStringLiteral("frmsecret"));
        choose(1);
        choose(5);
        click("frmA", "Check1");
        rig->registry->show(QStringLiteral("frmchords"));
        rig->registry->show(QStringLiteral("frmabout"));
        QCOMPARE(rig->registry->loadedClasses().size(), 6);
        click("frmchords", "cmdexit");
        QVERIFY(rig->registry->loadedClasses().isEmpty());
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    void theWelcomeWindowsButtonOpensTheMemberPage()
    {
        rig->registry->start();
        click("frmTimer", "cmdsecret");
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmsecret")});
        QCOMPARE(window("frmsecret").form().windowTitle(), QStringLiteral("Welcome!"));
    }
};

QTEST_MAIN(SideWindowsTest)
#include "test_sidewindows.moc"
