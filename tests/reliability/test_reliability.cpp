#include "forms/menuitem.h"
#include "forms/picture.h"
#include "lessons/catalogue.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"
#include "support/files.h"

#include <QApplication>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

using namespace strumkin;

namespace {

// Set by main(), before any thread exists: a mount namespace belongs to the thread that
// made it.
bool g_privateMounts = false;

// A printer that paints the page and then stops.
class StoppingPrinter final : public platform::Printer {
public:
    int painted = 0;
    platform::PrintResult print(const QString &, const QSizeF &twips, int,
                                const platform::PagePainter &paint) override
    {
        QImage page(QSize(int(twips.width() / 15), int(twips.height() / 15)), QImage::Format_RGB32);
        QPainter painter(&page);
        paint(painter, QRectF(QPointF(), page.size()));
        ++painted;
        return {platform::PrintResult::Failed,
                QStringLiteral("The printer stopped in the middle of the page.")};
    }
    platform::PrintResult savePdf(const QString &, const QString &, const QSizeF &, int,
                                  const platform::PagePainter &) override
    {
        return {};
    }
};

// A tmpfs of a few pages at a folder, in this process's own mount namespace.
class SmallDisk {
public:
    explicit SmallDisk(int bytes)
    {
        const QByteArray size = "size=" + QByteArray::number(bytes);
        m_mounted = m_folder.isValid() && mount("tmpfs", qPrintable(m_folder.path()), "tmpfs",
                                                MS_NOSUID | MS_NODEV, size.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            umount2(qPrintable(m_folder.path()), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    [[nodiscard]] bool mounted() const { return m_mounted; }
    [[nodiscard]] QString path() const { return m_folder.path(); }
    bool makeReadOnly()
    {
        return mount(nullptr, qPrintable(path()), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Writes one file until the disk has no room left at all.
    bool fill()
    {
        QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        for (const QByteArray &block : {QByteArray(512, 'f'), QByteArray(1, 'f')})
            while (filler.write(block) == block.size()) {
            }
        return true;
    }
    void emptyFiller() const { QFile::remove(QDir(path()).filePath(QStringLiteral("filler"))); }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace

// The whole program under bad input and faults; docs/reliability.md describes the cases.
class ReliabilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    std::unique_ptr<QTemporaryDir> program;

    // Rebuilds the registry on other services than the rig's doubles.
    void wire(platform::Printer *printer, platform::Launcher *launcher)
    {
        rig->registry.reset();
        rig->registry = std::make_unique<shell::Registry>(
            platform::Services{&rig->clock, &rig->screen, &rig->prompter, rig->paths.get(),
                               printer != nullptr ? printer : &rig->printer,
                               launcher != nullptr ? launcher : &rig->launcher});
        rig->registry->setEnd([this] { ++rig->ends; });
        test::registerAllWindows(*rig->registry);
    }
    void click(const QString &windowName, const QString &control)
    {
        rig->press(windowName, control);
        rig->settle();
    }
    // The program's own folder for this case, with every picture it reads.
    QString programFolder(const QString &name = QStringLiteral("strumkin"))
    {
        const QString folder = QDir(program->path()).filePath(name);
        QDir().mkpath(folder);
        for (const char *picture :
             {"guitar1.BMP", "pic1.BMP", "pic2.BMP", "pic3.BMP", "skicon.BMP"})
            writeWholeFile(QDir(folder).filePath(QLatin1String(picture)), bitmapBytes());
        *rig->paths = platform::Paths(folder, rig->paths->driveRoot());
        return folder;
    }
    void driveAt(const QString &root)
    {
        *rig->paths = platform::Paths(rig->paths->programFolder(), root);
    }
    QString host(const QString &path) const { return rig->paths->toHost(path); }
    // The readme from the chord menu, with the opener of the search path given.
    void openReadme(const QByteArray &searchPath)
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", searchPath);
        platform::DesktopLauncher launcher;
        wire(nullptr, &launcher);
        rig->registry->show(QStringLiteral("frmchords"));
        rig->window(QStringLiteral("frmchords"))
            .controlAs<forms::MenuItem>(QStringLiteral("readme"))
            .action()
            ->trigger();
        rig->settle();
        qputenv("PATH", path);
    }

    // What the user was told and asked, with the folders of this run as a user knows them.
    QStringList told() const
    {
        QStringList texts;
        for (const auto &message : rig->prompter.shown) {
            QString text = message.text;
            text.replace(rig->paths->driveRoot(), QStringLiteral("~"));
            text.replace(program->path(), QStringLiteral("<programs>"));
            texts << (message.question ? "? " : "") + text;
        }
        return texts;
    }
    bool noSheetLoaded() const
    {
        for (const lessons::Chord &chord : lessons::chords()) {
            if (rig->registry->isLoaded(QLatin1String(chord.sheet)))
                return false;
        }
        return true;
    }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        program = std::make_unique<QTemporaryDir>();
        QVERIFY(program->isValid());
        wire(nullptr, nullptr);
    }
    void cleanup()
    {
        rig.reset();
        program.reset();
    }

    // A picture beside the program that is missing or broken leaves its box empty, says
    // nothing, and the window still shows the others and leads on.
    void badPictures_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QStringList>("pictures"); // file:box, the bad one first
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("onward");
        QTest::addColumn<QString>("next");
        const QStringList menu{"pic1.BMP:Image1", "pic2.BMP:Image2", "pic3.BMP:Image3",
                               "skicon.BMP:Picture4"};
        QByteArray huge = bitmapBytes().left(54); // 50,000 x 50,000 pixels, none there
        qToLittleEndian<qint32>(50000, huge.data() + 18);
        qToLittleEndian<qint32>(50000, huge.data() + 22);
        const std::pair<const char *, QByteArray> faults[] = {
            {"missing", QByteArray()},
            {"empty", QByteArray()},
            {"truncated", bitmapBytes().left(40)},
            {"not a bitmap", QByteArray("GIF89a, or rather not a picture at all")},
            {"a header claiming 50,000 x 50,000 pixels", huge}};
        for (const auto &[fault, bytes] : faults) {
            const bool present = QByteArrayView(fault) != "missing";
            QTest::addRow("guitar1.BMP %s", fault)
                << "frmstart" << QStringList{"guitar1.BMP:Image1"} << present << bytes << "Command3"
                << "frmchords";
            QTest::addRow("the chord menu's pictures %s", fault)
                << "frmchords" << menu << present << bytes << "Option1"
                << "frmA";
        }
    }
    void badPictures()
    {
        QFETCH(QString, windowName);
        QFETCH(QStringList, pictures);
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, onward);
        QFETCH(QString, next);
        const QString bad = QDir(programFolder()).filePath(pictures.front().section(':', 0, 0));
        QFile::remove(bad);
        if (present)
            QVERIFY(writeWholeFile(bad, bytes));

        rig->registry->show(windowName);

        QVERIFY(rig->registry->isLoaded(windowName));
        for (const QString &picture : pictures) {
            const auto &box =
                rig->window(windowName).controlAs<forms::Picture>(picture.section(':', 1));
            QCOMPARE(box.picture().isNull(), picture == pictures.front());
        }
        QCOMPARE(told(), QStringList());
        click(windowName, onward);
        QCOMPARE(rig->registry->loadedClasses(), QStringList{next});
    }

    // A save that cannot be made leaves every file as it was, says why, and the page stays
    // open and goes on working.
    void savesThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("blocked"); // a file, or a folder when it ends in .txt
        QTest::addColumn<QString>("disk");    // or a small disk: read-only or full
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("told");
        const QString notSaved = "so the file was not saved.";
        QTest::newRow("the chords folder is a file")
            << "C:\\Chords"
            << ""
            << "frmb"
            << "Command1"
            << QStringList{"The B major chord could not be saved to ~/Chords/Bchords/Bmajor.txt. "
                           "There is a file named ~/Chords where a folder should be, " +
                           notSaved};
        QTest::newRow("the B chords' folder is a file")
            << "C:\\Chords\\Bchords"
            << ""
            << "frmb"
            << "Command2"
            << QStringList{"The B minor chord could not be saved to ~/Chords/Bchords/Bminor.txt. "
                           "There is a file named ~/Chords/Bchords where a folder should be, " +
                           notSaved};
        QTest::newRow("the saved file was replaced by a folder")
            << "C:\\Chords\\Bchords\\Bmajor.txt"
            << ""
            << "frmb"
            << "Command1"
            << QStringList{"The B major chord could not be saved to ~/Chords/Bchords/Bmajor.txt. "
                           "There is a folder named ~/Chords/Bchords/Bmajor.txt where the file "
                           "should go, " +
                           notSaved};
        QTest::newRow("on a read-only disk")
            << ""
            << "read-only"
            << "frmC"
            << "Command2"
            << QStringList{"The C minor chord could not be saved to ~/Chords/Cchords/Cminor.txt. "
                           "You are not allowed to save files in the folder ~/Chords/Cchords."};
        QTest::newRow("on a full disk")
            << ""
            << "full"
            << "frmA"
            << "Command1"
            << QStringList{"The chords will be saved in the ~/Chords directory",
                           "The A major chord could not be saved to ~/Chords/Amajor.txt. There "
                           "is not enough room on the disk for the file, so it was not saved."};
    }
    void savesThatCannotBeMade()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, disk);
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(QStringList, told);
        std::optional<SmallDisk> small;
        if (!disk.isEmpty()) {
            if (!g_privateMounts)
                QSKIP("no private mount namespace here (needs root or CAP_SYS_ADMIN)");
            if (!small.emplace(64 * 1024).mounted())
                QSKIP("a tmpfs cannot be mounted here");
            driveAt(small->path());
        }
        const int index = button == QLatin1String("Command1") ? 0 : 1;
        const lessons::Chord &chord =
            lessons::chord(page.back().toUpper().toLatin1(), lessons::Quality(index));
        const QString saved = host(chord.saveFile());
        if (blocked.endsWith(QLatin1String(".txt"))) {
            QVERIFY(QDir().mkpath(host(blocked)));
            QVERIFY(writeWholeFile(host(blocked) + "/keep.txt", "kept\r\n"));
        } else if (!blocked.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(host(blocked)).path()));
            QVERIFY(writeWholeFile(host(blocked), "a file of the user's, in the way\r\n"));
        }
        rig->registry->show(page);
        if (!disk.isEmpty()) {
            QVERIFY(writeWholeFile(saved, "An earlier text of the user's.\r\n"));
            QVERIFY(disk == QLatin1String("full") ? small->fill() : small->makeReadOnly());
        }
        const QStringList before = fileTree(rig->paths->driveRoot());

        click(page, button);

        QCOMPARE(this->told(), told);
        QCOMPARE(fileTree(rig->paths->driveRoot()), before);
        QCOMPARE(rig->registry->loadedClasses(), QStringList{page});
        if (disk == QLatin1String("full")) { // with room again the same button saves
            small->emptyFiller();
            click(page, button);
            QVERIFY(readWholeFile(saved).startsWith("This is for the chord A major."));
        }
    }

    // A print that cannot be made says why and leaves no sheet loaded; the page goes on
    // working. Where there is no printer at all, a PDF file is offered instead.
    void printsThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("acceptPdf");
        QTest::addColumn<QStringList>("told");
        const QString sure = "? Are you sure you want to print the C major chord?";
        const QString none = "? There is no printer to print the C major chord on. Save its "
                             "sheet as a PDF file in ~/Chords/Cchords instead?";
        QTest::newRow("no printer, the PDF declined")
            << "system" << false << QStringList{sure, none};
        QTest::newRow("no printer, the PDF accepted")
            << "system" << true
            << QStringList{sure, none,
                           "The C major chord's sheet was saved as ~/Chords/Cchords/Cmajor.pdf."};
        QTest::newRow("the printer refuses")
            << "refusing" << false
            << QStringList{sure, "The C major chord could not be printed. The test's printer said "
                                 "no."};
        QTest::newRow("the printer stops during the job")
            << "stopping" << false
            << QStringList{sure, "The C major chord could not be printed. The printer stopped in "
                                 "the middle of the page."};
        QTest::newRow("out of memory")
            << "throwing" << false
            << QStringList{sure, "Strumkin ran out of memory and could not finish this. Close "
                                 "other programs, then try again."};
    }
    void printsThatCannotBeMade()
    {
        QFETCH(QString, printer);
        QFETCH(bool, acceptPdf);
        QFETCH(QStringList, told);
        platform::SystemPrinter system;
        StoppingPrinter stopping;
        if (printer == QLatin1String("system") || printer == QLatin1String("stopping"))
            wire(printer == QLatin1String("system") ? static_cast<platform::Printer *>(&system)
                                                    : &stopping,
                 nullptr);
        rig->printer.outcome = printer == QLatin1String("refusing")
                                   ? platform::PrintResult::Failed
                                   : platform::PrintResult::Printed;
        if (printer == QLatin1String("throwing")) // half way through the page
            rig->printer.whilePainting = [] { throw std::bad_alloc(); };
        rig->prompter.answers = {true, acceptPdf};

        rig->registry->show(QStringLiteral("frmC"));
        click(QStringLiteral("frmC"), QStringLiteral("cmdprint"));

        QCOMPARE(this->told(), told);
        QVERIFY(noSheetLoaded());
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmC")});
        QCOMPARE(readWholeFile(host(QStringLiteral("C:\\Chords\\Cchords\\Cmajor.pdf")))
                     .startsWith("%PDF-"),
                 acceptPdf);
        QCOMPARE(stopping.painted, printer == QLatin1String("stopping") ? 1 : 0);
        rig->printer.whilePainting = nullptr;
        rig->prompter.shown.clear();
        click(QStringLiteral("frmC"), QStringLiteral("Command1"));
        QVERIFY(!readWholeFile(host(lessons::chord('C', lessons::Quality::Major).saveFile()))
                     .isEmpty());
        QCOMPARE(this->told(), QStringList());
    }

    void theOpenerMissingFromThePath()
    {
        QTemporaryDir empty;
        programFolder();
        openReadme(QFile::encodeName(empty.path()));
        QCOMPARE(told(), QStringList{"The readme file <programs>/strumkin/readme.txt could not be "
                                     "opened. The desktop's opener \"xdg-open\" may be missing."});
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmchords")});
    }

    // The opener gets the readme's path as one argument, unchanged, and nothing of the
    // folder's name is run.
    void aProgramFolderFullOfShellMetacharacters()
    {
        QTemporaryDir bin, work;
        const QByteArray record = QFile::encodeName(bin.filePath(QStringLiteral("record")));
        const QString opener = bin.filePath(QStringLiteral("xdg-open"));
        QVERIFY(writeWholeFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" >\"" + record +
                                           ".tmp\" && mv \"" + record + ".tmp\" \"" + record +
                                           "\"\n"));
        QVERIFY(QFile::setPermissions(opener, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        const QString folder = programFolder(
            QStringLiteral("Bob's \"guitar\" $(touch pwned); touch `pwned` & | * > x"));

        openReadme(QFile::encodeName(bin.path()) + ':' + qgetenv("PATH"));

        QTRY_VERIFY(QFile::exists(QFile::decodeName(record)));
        QDir::setCurrent(cwd);
        QCOMPARE(QString::fromLocal8Bit(readWholeFile(QFile::decodeName(record))),
                 "1\n" + folder + "/readme.txt\n");
        for (const QString &place : {work.path(), program->path(), bin.path()}) {
            QDirIterator it(place, QDir::AllEntries | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                QVERIFY2(!QStringList({"pwned", "x"}).contains(QFileInfo(it.next()).fileName()),
                         qPrintable(it.filePath()));
        }
        QCOMPARE(told(), QStringList());
    }
};

int main(int argc, char *argv[])
{
    // Mount namespaces are per thread: this must come before Qt starts any.
    g_privateMounts = unshare(CLONE_NEWNS) == 0 &&
                      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    // The print server is out of reach: the system printer finds none.
    qputenv("CUPS_SERVER", "/nonexistent/socket");
    QApplication application(argc, argv);
    ReliabilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_reliability.moc"
