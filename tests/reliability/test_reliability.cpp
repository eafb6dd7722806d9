// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/picture.h"
#include "lessons/catalogue.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"
#include "support/files.h"

#include <QApplication>
#include <QScopeGuard>
#include <QtEndian>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

using namespace strumkin;

namespace {

// Set by main(), before any thread exists: a mount namespace belongs to the thread that
// made it.
bool g_privateMounts = false;

} // namespace

// The whole program under bad input and faults; docs/reliability.md describes the cases.
class ReliabilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    QString host(const QString &path) const { return rig->paths->toHost(path); }
    // What the user was told and asked, with the drive root as a user knows it.
    QStringList told() const
    {
        QStringList texts;
        for (const auto &message : rig->prompter.shown) {
            QString text = message.text;
            text.replace(rig->paths->driveRoot(), QStringLiteral("~"));
            texts << (message.question ? "? " : "") + text;
        }
        return texts;
    }

private slots:
    void init() { rig = test::allWindowsRig(); }
    void cleanup() { rig.reset(); }

    // A picture beside the program that is missing or broken leaves its box empty and says
    // nothing; the other pictures, in a folder with blanks in its name, are shown.
    void badPictures_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QByteArray>("bytes");    // null: missing
        QByteArray huge = bitmapBytes().left(54); // 50,000 x 50,000 pixels, none there
        qToLittleEndian<qint32>(50000, huge.data() + 18);
        qToLittleEndian<qint32>(50000, huge.data() + 22);
        QTest::newRow("missing") << "guitar1.BMP" << QByteArray();
        QTest::newRow("truncated") << "pic2.BMP" << bitmapBytes().left(40);
        QTest::newRow("not a bitmap") << "pic3.BMP" << QByteArray("GIF89a, or not a picture");
        QTest::newRow("a header claiming 50,000 x 50,000 pixels") << "skicon.BMP" << huge;
    }
    void badPictures()
    {
        QFETCH(QString, bad);
        QFETCH(QByteArray, bytes);
        QTemporaryDir program;
        const QDir folder(program.filePath(QStringLiteral("my guitar programs/strumkin")));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        *rig->paths = platform::Paths(folder.path(), rig->paths->driveRoot());
        const char *const boxes[][3] = {{"frmstart", "Image1", "guitar1.BMP"},
                                        {"frmchords", "Image1", "pic1.BMP"},
                                        {"frmchords", "Image2", "pic2.BMP"},
                                        {"frmchords", "Image3", "pic3.BMP"},
                                        {"frmchords", "Picture4", "skicon.BMP"}};
        for (const auto &[window, box, file] : boxes) {
            const bool broken = bad == QLatin1String(file);
            if (!broken || !bytes.isNull())
                QVERIFY(writeWholeFile(folder.filePath(QLatin1String(file)),
                                       broken ? bytes : bitmapBytes()));
        }
        for (const auto &[window, box, file] : boxes) {
            rig->registry->show(QLatin1String(window));
            QVERIFY(rig->registry->isLoaded(QLatin1String(window)));
            const auto &picture =
                rig->window(QLatin1String(window)).controlAs<forms::Picture>(QLatin1String(box));
            QVERIFY2(picture.picture().isNull() == (bad == QLatin1String(file)), file);
        }
        QCOMPARE(told(), QStringList());
    }

    // A save that cannot be made leaves every file as it was, says why, and the page stays
    // open. What keeps each kind of obstacle from saving is the saving's own test.
    void savesThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("blocked"); // a file in the way; empty: a read-only disk
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("told");
        QTest::newRow("the chords folder is a file")
            << "C:\\Chords"
            << "frmb"
            << "Command1"
            << "The B major chord could not be saved to ~/Chords/Bchords/Bmajor.txt. There is a "
               "file named ~/Chords where a folder should be, so the file was not saved.";
        QTest::newRow("on a read-only disk")
            << ""
            << "frmC"
            << "Command2"
            << "The C minor chord could not be saved to ~/Chords/Cchords/Cminor.txt. You are not "
               "allowed to save files in the folder ~/Chords/Cchords.";
    }
    void savesThatCannotBeMade()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(QString, told);
        if (!blocked.isEmpty())
            QVERIFY(writeWholeFile(host(blocked), "a file of the user's, in the way\r\n"));
        rig->registry->show(page);
        // Read-only for everyone, root included: a read-only bind mount of the drive.
        const QByteArray root = QFile::encodeName(rig->paths->driveRoot());
        bool bound = false;
        const auto unbind = qScopeGuard([&] {
            if (bound)
                umount2(root, MNT_DETACH);
        });
        if (blocked.isEmpty()) {
            if (!g_privateMounts)
                QSKIP("no private mount namespace here (needs root or CAP_SYS_ADMIN)");
            QVERIFY(writeWholeFile(host(lessons::chord('C', lessons::Quality::Minor).saveFile()),
                                   "An earlier text of the user's.\r\n"));
            bound = mount(root, root, nullptr, MS_BIND, nullptr) == 0;
            QVERIFY(bound &&
                    mount(nullptr, root, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0);
        }
        const QStringList before = fileTree(rig->paths->driveRoot());

        rig->press(page, button);
        rig->settle();

        QCOMPARE(this->told(), QStringList{told});
        QCOMPARE(fileTree(rig->paths->driveRoot()), before);
        QCOMPARE(rig->registry->loadedClasses(), QStringList{page});
    }

    // A print that fails says why, even when it fails half way through the page, and leaves
    // no sheet loaded; the page goes on working.
    void printsThatCannotBeMade_data()
    {
        QTest::addColumn<bool>("throwing");
        QTest::addColumn<QString>("told");
        QTest::newRow("the printer refuses")
            << false << "The C major chord could not be printed. The test's printer said no.";
        QTest::newRow("out of memory") << true
                                       << "Strumkin ran out of memory and could not finish this. "
                                          "Close other programs, then try again.";
    }
    void printsThatCannotBeMade()
    {
        QFETCH(bool, throwing);
        QFETCH(QString, told);
        if (throwing)
            rig->printer.whilePainting = [] { throw std::bad_alloc(); };
        else
            rig->printer.outcome = platform::PrintResult::Failed;
        rig->prompter.answers = {true};

        rig->registry->show(QStringLiteral("frmC"));
        rig->press(QStringLiteral("frmC"), QStringLiteral("cmdprint"));
        rig->settle();

        QCOMPARE(this->told(),
                 (QStringList{"? Are you sure you want to print the C major chord?", told}));
        // A sheet loaded hidden counts as loaded.
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmC")});
        rig->press(QStringLiteral("frmC"), QStringLiteral("Command1"));
        QVERIFY(QFileInfo::exists(host(lessons::chord('C', lessons::Quality::Major).saveFile())));
    }
};

int main(int argc, char *argv[])
{
    // Mount namespaces are per thread: this must come before Qt starts any.
    g_privateMounts = unshare(CLONE_NEWNS) == 0 &&
                      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QApplication application(argc, argv);
    ReliabilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_reliability.moc"
