// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/dirlist.h"
#include "forms/filelist.h"
#include "forms/folderreading.h"
#include "forms/form.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace strumkin;

// The saved-chords browser, the member page and the About window, with the
// real windows they open beside.
class SideWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    forms::DirList &folders()
    {
        return rig->window("frmfind").controlAs<forms::DirList>(QStringLiteral("Dir1"));
    }
    forms::FileList &files()
    {
        return rig->window("frmfind").controlAs<forms::FileList>(QStringLiteral("File1"));
    }
    QByteArray stored(const char *relative) const
    {
        return QFile::encodeName(QDir(rig->onDrive(QString())).canonicalPath()) + '/' + relative;
    }
    void write(const QString &relative)
    {
        QVERIFY(QDir().mkpath(QFileInfo(rig->onDrive(relative)).path()));
        QFile file(rig->onDrive(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("saved\r\n");
    }
private slots:
    void init() { rig = test::allWindowsRig(); }
    void cleanup() { rig.reset(); }

    // The A page's check box opens the browser at the saved chords and
    // stays unticked; while the browser is open a click shows the same one
    // and ticks the box, the next unticks it. Opening a folder lists its
    // files; opening a file does nothing; Close ends the browser, which opens
    // again at the Chords folder.
    void theCheckBoxOpensTheBrowserAtTheSavedChords()
    {
        write(QStringLiteral("Chords/Bchords/Bmajor.txt"));
        write(QStringLiteral("Chords/Bchords/notes.doc"));
        rig->registry->show(QStringLiteral("frmA"));
        rig->press("frmA", "Command2");
        forms::Control &box = rig->window("frmA").control(QStringLiteral("Check1"));
        const forms::Form *browser = nullptr;
        for (const int ticked : {0, 1, 0}) {
            rig->press("frmA", "Check1");
            QCOMPARE(test::property(box, QStringLiteral("Value")).toInt(), ticked);
            if (browser == nullptr)
                browser = &rig->window("frmfind").form();
            QCOMPARE(&rig->window("frmfind").form(), browser);
        }
        QCOMPARE(rig->window("frmfind").form().windowTitle(), QStringLiteral("Find"));
        const QString chords = QDir(rig->onDrive(QStringLiteral("Chords"))).canonicalPath();
        QCOMPARE(folders().path(), chords);
        QCOMPARE(files().names(), QStringList{QStringLiteral("Aminor.txt")});
        emit folders().view()->itemActivated(folders().row(stored("Chords/Bchords")), 0);
        QCOMPARE(files().names(),
                 (QStringList{QStringLiteral("Bmajor.txt"), QStringLiteral("notes.doc")}));
        files().view()->setCurrentIndex(files().view()->model()->index(0, 0));
        emit files().view()->doubleClicked(files().view()->currentIndex());
        QCOMPARE(rig->registry->loadedClasses(),
                 (QStringList{QStringLiteral("frmA"), QStringLiteral("frmfind")}));
        rig->press("frmfind", "Command1");
        QVERIFY(!rig->registry->isLoaded(QStringLiteral("frmfind")));
        rig->registry->show(QStringLiteral("frmfind"));
        QCOMPARE(folders().path(), chords);
    }

    // The folder list holds the drive's root, the folders down to the
    // current one and its subfolders: nothing beside the drive, nothing above.
    void theFolderListStaysOnTheDrive()
    {
        QTemporaryDir desk;
        for (const char *name : {"drive/Chords/Bchords", "drive/Chords/Gchords", "drive/Music",
                                 "neighbour1", "neighbour2"})
            QVERIFY(QDir(desk.path()).mkpath(QLatin1String(name)));
        for (int i = 0; i < 60; ++i)
            QVERIFY(QDir(desk.path())
                        .mkpath(QStringLiteral("drive/Chords/more%1").arg(i, 2, 10, QChar(u'0'))));
        rig = test::allWindowsRig(desk.filePath(QStringLiteral("drive")));
        rig->registry->show(QStringLiteral("frmfind"));
        QTreeWidget *tree = folders().view();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem *top = tree->topLevelItem(0);
        QCOMPARE(top->text(0), QDir(desk.filePath(QStringLiteral("drive"))).canonicalPath());
        QCOMPARE(top->childCount(), 1);
        QTreeWidgetItem *chords = top->child(0);
        QCOMPARE(chords->text(0), QStringLiteral("Chords"));
        QCOMPARE(chords->childCount(), 62);
        QCOMPARE(chords->child(0)->text(0), QStringLiteral("Bchords"));
        QCOMPARE(tree->currentItem(), chords);
        // The current folder is in view, whatever the list holds.
        QVERIFY(tree->viewport()->rect().contains(tree->visualItemRect(chords)));

        // Opening the drive's root shows its folders, and still nothing beside it.
        emit tree->itemActivated(top, 0);
        top = tree->topLevelItem(0);
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(top->childCount(), 2);
        QCOMPARE(top->child(1)->text(0), QStringLiteral("Music"));
        QCOMPARE(files().path(), folders().path());
    }

    // What is saved, added or deleted while the browser is open shows at once.
    void theListsShowWhatIsInTheFolderNow()
    {
        QVERIFY(QDir().mkpath(rig->onDrive(QStringLiteral("Chords"))));
        rig->registry->show(QStringLiteral("frmA"));
        rig->press("frmA", "Check1");
        QVERIFY(files().names().isEmpty());
        rig->press("frmA", "Command1");
        QTRY_COMPARE(files().names(), QStringList{QStringLiteral("Amajor.txt")});
        rig->press("frmA", "Check1");
        QCOMPARE(files().names(), QStringList{QStringLiteral("Amajor.txt")});
        write(QStringLiteral("Chords/Bchords/Bmajor.txt"));
        QTRY_VERIFY(folders().row(stored("Chords/Bchords")) != nullptr);
        QVERIFY(QFile::remove(rig->onDrive(QStringLiteral("Chords/Amajor.txt"))));
        QTRY_VERIFY(files().names().isEmpty());
        // The user's place in the list stays while the folder changes.
        write(QStringLiteral("Chords/f.txt"));
        QTRY_COMPARE(files().names().size(), 1);
        files().view()->setCurrentIndex(files().view()->model()->index(0, 0));
        write(QStringLiteral("Chords/a-first.txt"));
        QTRY_COMPARE(files().names().size(), 2);
        QCOMPARE(files().view()->currentIndex().data().toString(), QStringLiteral("f.txt"));
        // A folder that goes away gives way to the one above it.
        emit folders().view()->itemActivated(folders().row(stored("Chords/Bchords")), 0);
        QVERIFY(QDir(rig->onDrive(QStringLiteral("Chords/Bchords"))).removeRecursively());
        QTRY_COMPARE(folders().path(),
                     QDir(rig->onDrive(QStringLiteral("Chords"))).canonicalPath());
        QCOMPARE(files().names().size(), 2);
    }

    // Every file of a folder is read and shown on a row of its own, whatever
    // bytes its name holds.
    void everyNameIsShownOnOneRow_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        const char *const rows[][3] = {
            {"plain", "Amajor.txt", "Amajor.txt"},
            {"not UTF-8", "bad\xff\xfe.txt", "bad\\xFF\\xFE.txt"},
            {"newline", "two\nlines.txt", "two\\nlines.txt"},
            {"C1 control", "c\xc2\x85.txt", "c\\u0085.txt"},
            {"overlong slash", "o\xc0\xaf.txt", "o\\xC0\\xAF.txt"},
            {"surrogate", "s\xed\xa0\x80.txt", "s\\xED\\xA0\\x80.txt"},
            {"cut short", "cut\xe5\x92", "cut\\xE5\\x92"},
            {"CJK", "\xe5\x92\x8c\xe5\xbc\xa6.txt", "和弦.txt"},
            {"emoji", "\xf0\x9f\x8e\xb8.txt", "🎸.txt"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QByteArray(row[1]) << QString::fromUtf8(row[2]);
    }
    void everyNameIsShownOnOneRow()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        const int fd = ::open((folder + '/' + stored).constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        const auto entries = forms::readFolder(folder, forms::Entries::Files);
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(entries.front().name, stored);
        QCOMPARE(entries.front().shown, shown);
    }

    void withoutAChordsFolderTheBrowserOpensAtTheWorkingFolder()
    {
        rig->registry->show(QStringLiteral("frmfind"));
        QVERIFY(rig->registry->isLoaded(QStringLiteral("frmfind")));
        QCOMPARE(files().path(), QDir::currentPath());
        QCOMPARE(folders().path(), QDir::current().canonicalPath());
        QVERIFY(rig->prompter.shown.empty());
    }

    // Each control that opens a document or an address starts the desktop's
    // opener with it and leaves the windows as they are; an opener that gives
    // up after its window closed is still told of.
    void eachOpenerStartsItsTarget_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("target");
        const char *const rows[][3] = {
            {"frmchords", "readme", "/readme.txt"},
            {"frmchords", "needhelp", "/chords.html"},
            {"frmsecret", "Command1", "/readme.txt"},
            {"frmsecret", "Command2", "/chords.html"},
            {"frmsecret", "Label4", "https://www.example.org/strumkin/members"},
            {"frmabout", "Label5", "mailto:strumkin@example.org"},
            {"frmabout", "Label6", "https://www.example.org/strumkin"},
            {"frmabout", "Label4", "https://www.example.com/guitar-teachers"},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << row[2];
    }
    void eachOpenerStartsItsTarget()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, target);
        rig->registry->show(window);
        rig->press(window, control);
        QCOMPARE(rig->launcher.starts.size(), 1u);
        const QString opened = rig->launcher.starts[0].arguments.value(0);
        QVERIFY2(target.startsWith(u'/') ? opened.endsWith(target) : opened == target,
                 qPrintable(opened));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{window});
        rig->registry->unloadAll();
        rig->launcher.finish(0, {.exitCode = 3});
        QCOMPARE(rig->prompter.shown.size(), 1u);
        QVERIFY(rig->prompter.shown.front().text.contains(
            QStringLiteral("\"%1\" could not be opened").arg(opened)));
    }
};

QTEST_MAIN(SideWindowsTest)
#include "test_sidewindows.moc"
