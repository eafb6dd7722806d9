#include "forms/form.h"
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
#include "support/findings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

using namespace strumkin;

namespace {

// Set by main(), before any thread exists: a mount namespace belongs to the
// thread that made it.
bool g_privateMounts = false;

const QStringList AllWindows{
    QStringLiteral("frmTimer"),  QStringLiteral("frmstart"), QStringLiteral("frmintro"),
    QStringLiteral("frmchords"), QStringLiteral("frmA"),     QStringLiteral("frmb"),
    QStringLiteral("frmC"),      QStringLiteral("frmD"),     QStringLiteral("frmE"),
    QStringLiteral("frmF"),      QStringLiteral("frmG"),     QStringLiteral("frmabout"),
    QStringLiteral("frmsecret"), QStringLiteral("frmfind")};

// A bitmap header that claims a picture of the given size, with no pixels.
QByteArray hugeBitmapHeader(qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    const auto put32 = [&bytes](int at, qint32 value) {
        qToLittleEndian(value, reinterpret_cast<uchar *>(bytes.data() + at));
    };
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    qToLittleEndian<quint16>(1, reinterpret_cast<uchar *>(bytes.data() + 26));
    qToLittleEndian<quint16>(24, reinterpret_cast<uchar *>(bytes.data() + 28));
    return bytes;
}

// A printer that takes the job, paints the page, then stops.
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
        return {platform::PrintResult::Failed, QStringLiteral("No PDF here.")};
    }
};

// A printer whose painting runs out of memory half way.
class ThrowingPrinter final : public platform::Printer {
public:
    platform::PrintResult print(const QString &, const QSizeF &, int,
                                const platform::PagePainter &) override
    {
        throw std::bad_alloc();
    }
    platform::PrintResult savePdf(const QString &, const QString &, const QSizeF &, int,
                                  const platform::PagePainter &) override
    {
        throw std::bad_alloc();
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
        return mount(nullptr, qPrintable(m_folder.path()), nullptr, MS_REMOUNT | MS_RDONLY,
                     nullptr) == 0;
    }
    // Writes one file until the disk has no room left at all.
    bool fill()
    {
        QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) == 1) {
        }
        return true;
    }
    void emptyFiller() const { QFile::remove(QDir(path()).filePath(QStringLiteral("filler"))); }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT

    test::Findings findings{{QStringLiteral("Pictures"), QStringLiteral("Chords folder"),
                             QStringLiteral("Printing"), QStringLiteral("Launching"),
                             QStringLiteral("Resizing")}};
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
    shell::WindowClass &window(const QString &name) { return *rig->registry->instance(name); }
    void click(const QString &windowName, const char *control)
    {
        auto *button = qobject_cast<QAbstractButton *>(
            window(windowName).control(QLatin1String(control)).widget());
        QVERIFY2(button != nullptr, control);
        button->click();
        rig->settle();
    }
    void trigger(const QString &windowName, const char *item)
    {
        window(windowName).controlAs<forms::MenuItem>(QLatin1String(item)).action()->trigger();
        rig->settle();
    }
    // The program's own folder for this case, with every picture it reads.
    void programFolder(const QString &name = QStringLiteral("strumkin"))
    {
        const QString folder = QDir(program->path()).filePath(name);
        QVERIFY(QDir().mkpath(folder));
        for (const char *picture :
             {"guitar1.BMP", "pic1.BMP", "pic2.BMP", "pic3.BMP", "skicon.BMP"})
            QVERIFY(writeWholeFile(QDir(folder).filePath(QLatin1String(picture)), bitmapBytes()));
        *rig->paths = platform::Paths(folder, rig->paths->driveRoot());
    }
    void driveAt(const QString &root)
    {
        *rig->paths = platform::Paths(rig->paths->programFolder(), root);
    }
    QString host(const QString &path) const { return rig->paths->toHost(path); }

    // What the user was told, with the folders of this run named as a user
    // would know them.
    QString told() const
    {
        if (rig->prompter.shown.empty())
            return QStringLiteral("no message");
        QStringList texts;
        for (const auto &message : rig->prompter.shown) {
            QString text = message.text;
            text.replace(rig->paths->driveRoot(), QStringLiteral("~"));
            text.replace(program->path(), QStringLiteral("<programs>"));
            texts << (message.question ? QStringLiteral("asked \"%1\"")
                                       : QStringLiteral("told \"%1\""))
                         .arg(text);
        }
        return texts.join(QStringLiteral(", then "));
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
    void cleanupTestCase()
    {
        test::holdAgainstPage(findings, QStringLiteral(STRUMKIN_RELIABILITY_PAGE),
                              QStringLiteral(STRUMKIN_ARTEFACTS));
    }

    // Pictures beside the program.

    void badPictures_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("onward");
        QTest::addColumn<QString>("next");
        const QStringList menuPictures{QStringLiteral("pic1.BMP"), QStringLiteral("pic2.BMP"),
                                       QStringLiteral("pic3.BMP"), QStringLiteral("skicon.BMP")};
        const QStringList menuBoxes{QStringLiteral("Image1"), QStringLiteral("Image2"),
                                    QStringLiteral("Image3"), QStringLiteral("Picture4")};
        const std::pair<const char *, QByteArray> faults[] = {
            {"missing", QByteArray()},
            {"empty", QByteArray()},
            {"truncated", bitmapBytes().left(40)},
            {"not a bitmap", QByteArray("GIF89a, or rather not a picture at all")},
            {"a header claiming 50,000 x 50,000 pixels", hugeBitmapHeader(50000, 50000)}};
        for (const auto &[fault, bytes] : faults) {
            const bool present = QByteArrayView(fault) != "missing";
            QTest::addRow("guitar1.BMP %s", fault)
                << "frmstart" << QStringList{QStringLiteral("guitar1.BMP")}
                << QStringList{QStringLiteral("Image1")} << present << bytes << "Command3"
                << "frmchords";
            QTest::addRow("the chord menu's four pictures %s", fault)
                << "frmchords" << menuPictures << menuBoxes << present << bytes << "Option1"
                << "frmA";
        }
    }
    void badPictures()
    {
        QFETCH(QString, windowName);
        QFETCH(QStringList, pictures);
        QFETCH(QStringList, boxes);
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, onward);
        QFETCH(QString, next);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        test::FindingScope finding(findings, QStringLiteral("Pictures"), tag);
        programFolder();
        for (const QString &picture : pictures) {
            const QString file = QDir(host(rig->paths->programFolder())).filePath(picture);
            QFile::remove(file);
            if (present)
                QVERIFY(writeWholeFile(file, bytes));
        }

        rig->registry->show(windowName);

        QVERIFY(rig->registry->isLoaded(windowName));
        int empty = 0;
        for (const QString &box : boxes)
            empty += window(windowName).controlAs<forms::Picture>(box).picture().isNull() ? 1 : 0;
        QCOMPARE(empty, boxes.size());
        finding.saw(QStringLiteral("the window opens with %1 of %2 picture boxes empty")
                        .arg(empty)
                        .arg(boxes.size()));
        finding.saw(told());
        QVERIFY(rig->prompter.shown.empty());
        click(windowName, onward.toLatin1().constData());
        QCOMPARE(rig->registry->loadedClasses(), QStringList{next});
        finding.saw(QStringLiteral("%1 still leads on to %2").arg(onward, next));
    }

    // The chords folder.

    void savesThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::newRow("the chords folder is a regular file") << "C:\\Chords"
                                                             << "frmb"
                                                             << "Command1";
        QTest::newRow("the B chords' folder is a regular file") << "C:\\Chords\\Bchords"
                                                                << "frmb"
                                                                << "Command2";
        QTest::newRow("the saved file was replaced by a folder")
            << "C:\\Chords\\Bchords\\Bmajor.txt"
            << "frmb"
            << "Command1";
    }
    void savesThatCannotBeMade()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, page);
        QFETCH(QString, button);
        test::FindingScope finding(findings, QStringLiteral("Chords folder"),
                                   QString::fromLatin1(QTest::currentDataTag()));
        const QString hostBlocked = host(blocked);
        QVERIFY(QDir().mkpath(QFileInfo(hostBlocked).path()));
        if (blocked.endsWith(QLatin1String(".txt"))) {
            QVERIFY(QDir().mkpath(hostBlocked));
            QVERIFY(
                writeWholeFile(QDir(hostBlocked).filePath(QStringLiteral("keep.txt")), "kept\r\n"));
        } else {
            QVERIFY(writeWholeFile(hostBlocked, "a file of the user's, in the way\r\n"));
        }
        const auto before = fileTree(rig->paths->driveRoot());

        rig->registry->show(page);
        click(page, button.toLatin1().constData());

        finding.saw(told());
        QCOMPARE(rig->prompter.shown.size(), std::size_t(1));
        QVERIFY(rig->prompter.shown.front().text.contains(QLatin1String("could not be saved")));
        QCOMPARE(fileTree(rig->paths->driveRoot()), before);
        finding.saw(QStringLiteral("every file on the drive as it was"));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{page});
        finding.saw(QStringLiteral("the page stays open"));
    }

    void aReadOnlyDiskKeepsTheEarlierFile()
    {
        if (!g_privateMounts) {
            findings.skipped();
            QSKIP("no private mount namespace here (needs root or CAP_SYS_ADMIN)");
        }
        SmallDisk disk(256 * 1024);
        if (!disk.mounted()) {
            findings.skipped();
            QSKIP("a tmpfs cannot be mounted here");
        }
        test::FindingScope finding(findings, QStringLiteral("Chords folder"),
                                   QStringLiteral("on a read-only disk"));
        driveAt(disk.path());
        const QString saved = host(lessons::chord('C', lessons::Quality::Minor).saveFile());
        rig->registry->show(QStringLiteral("frmC"));
        const QByteArray earlier = "An earlier text of the user's.\r\n";
        QVERIFY(writeWholeFile(saved, earlier));
        QVERIFY(disk.makeReadOnly());

        click(QStringLiteral("frmC"), "Command2");

        finding.saw(told());
        QCOMPARE(rig->prompter.shown.size(), std::size_t(1));
        QCOMPARE(readWholeFile(saved), earlier);
        finding.saw(QStringLiteral("the earlier file byte for byte as it was"));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmC")});
    }

    void aFullDiskKeepsTheEarlierFile()
    {
        if (!g_privateMounts) {
            findings.skipped();
            QSKIP("no private mount namespace here (needs root or CAP_SYS_ADMIN)");
        }
        SmallDisk disk(64 * 1024);
        if (!disk.mounted()) {
            findings.skipped();
            QSKIP("a tmpfs cannot be mounted here");
        }
        test::FindingScope finding(findings, QStringLiteral("Chords folder"),
                                   QStringLiteral("on a full disk (a 64 KiB tmpfs)"));
        driveAt(disk.path());
        const QString saved = host(lessons::chord('A', lessons::Quality::Major).saveFile());
        rig->registry->show(QStringLiteral("frmA"));
        const QByteArray earlier = "An earlier text of the user's.\r\n";
        QVERIFY(writeWholeFile(saved, earlier));
        QVERIFY(disk.fill());

        click(QStringLiteral("frmA"), "Command1");

        finding.saw(told());
        QCOMPARE(rig->prompter.shown.size(), std::size_t(2));
        QVERIFY(rig->prompter.shown.back().text.contains(QLatin1String("could not be saved")));
        QCOMPARE(readWholeFile(saved), earlier);
        finding.saw(QStringLiteral("the earlier file byte for byte as it was"));
        QCOMPARE(QDir(QFileInfo(saved).path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Amajor.txt")});

        // With room again the same button saves: the page was left usable.
        disk.emptyFiller();
        click(QStringLiteral("frmA"), "Command1");
        QVERIFY(readWholeFile(saved).startsWith("This is for the chord A major."));
        finding.saw(QStringLiteral("with room again the next save succeeds"));
    }

    // Printing.

    void printsThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("acceptPdf");
        QTest::newRow("no printer (no print server), the PDF declined") << "system" << false;
        QTest::newRow("no printer (no print server), the PDF accepted") << "system" << true;
        QTest::newRow("the printer refuses the job") << "refusing" << false;
        QTest::newRow("the printer stops during the job") << "stopping" << false;
        QTest::newRow("the printing runs out of memory") << "throwing" << false;
    }
    void printsThatCannotBeMade()
    {
        QFETCH(QString, printer);
        QFETCH(bool, acceptPdf);
        test::FindingScope finding(findings, QStringLiteral("Printing"),
                                   QString::fromLatin1(QTest::currentDataTag()));
        platform::SystemPrinter system;
        StoppingPrinter stopping;
        ThrowingPrinter throwing;
        if (printer == QLatin1String("system"))
            wire(&system, nullptr);
        else if (printer == QLatin1String("stopping"))
            wire(&stopping, nullptr);
        else if (printer == QLatin1String("throwing"))
            wire(&throwing, nullptr);
        else
            rig->printer.outcome = platform::PrintResult::Failed;
        rig->prompter.answers = {true, acceptPdf};
        const QString pdf = QDir(host(QStringLiteral("C:\\Chords\\Cchords")))
                                .filePath(QStringLiteral("Cmajor.pdf"));

        rig->registry->show(QStringLiteral("frmC"));
        click(QStringLiteral("frmC"), "cmdprint");

        finding.saw(told());
        QVERIFY(noSheetLoaded());
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmC")});
        finding.saw(QStringLiteral("no sheet stays loaded"));
        QCOMPARE(readWholeFile(pdf).startsWith("%PDF-"), acceptPdf);
        if (acceptPdf)
            finding.saw(QStringLiteral("the sheet is a PDF file beside the saved chords"));
        QCOMPARE(rig->prompter.shown.back().question,
                 printer == QLatin1String("system") && !acceptPdf);
        if (printer == QLatin1String("stopping"))
            QCOMPARE(stopping.painted, 1);

        // The page goes on working.
        rig->prompter.shown.clear();
        click(QStringLiteral("frmC"), "Command1");
        QVERIFY(
            readWholeFile(host(lessons::chord('C', lessons::Quality::Major).saveFile())).size() >
            0);
        QVERIFY(rig->prompter.shown.empty());
        finding.saw(QStringLiteral("the page still saves"));
    }

    // Launching.

    void theOpenerMissingFromThePath()
    {
        test::FindingScope finding(findings, QStringLiteral("Launching"),
                                   QStringLiteral("the opener missing from PATH"));
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        programFolder();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        platform::DesktopLauncher launcher;
        wire(nullptr, &launcher);
        rig->registry->show(QStringLiteral("frmchords"));

        trigger(QStringLiteral("frmchords"), "readme");
        qputenv("PATH", path);

        finding.saw(told());
        QCOMPARE(rig->prompter.shown.size(), std::size_t(1));
        QVERIFY(rig->prompter.shown.front().text.contains(QLatin1String("xdg-open")));
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("frmchords")});
        finding.saw(QStringLiteral("the chord menu stays open"));
    }

    void aProgramFolderFullOfShellMetacharacters()
    {
        test::FindingScope finding(
            findings, QStringLiteral("Launching"),
            QStringLiteral("a program folder named with blanks, quotes and shell metacharacters"));
        QTemporaryDir bin;
        QTemporaryDir work;
        QVERIFY(bin.isValid() && work.isValid());
        const QString record = bin.filePath(QStringLiteral("record"));
        QVERIFY(writeWholeFile(bin.filePath(QStringLiteral("xdg-open")),
                               "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" >\"" +
                                   QFile::encodeName(record) + ".tmp\" && mv \"" +
                                   QFile::encodeName(record) + ".tmp\" \"" +
                                   QFile::encodeName(record) + "\"\n"));
        QVERIFY(QFile::setPermissions(bin.filePath(QStringLiteral("xdg-open")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        const QString name =
            QStringLiteral("Bob's \"guitar\" $(touch pwned); touch `pwned` & | * > x");
        programFolder(name);
        platform::DesktopLauncher launcher;
        wire(nullptr, &launcher);
        rig->registry->show(QStringLiteral("frmchords"));

        trigger(QStringLiteral("frmchords"), "readme");

        QTRY_VERIFY(QFile::exists(record));
        qputenv("PATH", path);
        QDir::setCurrent(cwd);
        const QString folder = QDir(program->path()).filePath(name);
        QCOMPARE(QString::fromLocal8Bit(readWholeFile(record)),
                 QStringLiteral("1\n") + folder + QStringLiteral("/readme.txt\n"));
        finding.saw(QStringLiteral("the opener gets the readme's path as one argument, unchanged"));
        for (const QString &place : {work.path(), program->path(), bin.path()}) {
            QDirIterator it(place, QDir::AllEntries | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                QVERIFY2(it.fileName() != QLatin1String("pwned") &&
                             it.fileName() != QLatin1String("x"),
                         qPrintable(file));
            }
        }
        finding.saw(QStringLiteral("nothing of the name is run"));
        finding.saw(told());
        QVERIFY(rig->prompter.shown.empty());
    }

    // Resizing.

    void randomResizesThenTheDesignSize_data()
    {
        QTest::addColumn<QString>("windowName");
        for (const QString &name : AllWindows)
            QTest::newRow(qPrintable(name)) << name;
    }
    void randomResizesThenTheDesignSize()
    {
        QFETCH(QString, windowName);
        const int count = qEnvironmentVariableIntValue("STRUMKIN_RESIZES") > 0
                              ? qEnvironmentVariableIntValue("STRUMKIN_RESIZES")
                              : 10000;
        test::FindingScope finding(
            findings, QStringLiteral("Resizing"),
            QStringLiteral("%1: random client sizes, then the design size").arg(windowName));
        rig->registry->show(windowName);
        forms::Form &form = window(windowName).form();
        const QSizeF design = form.clientSizeTwips();
        const QSize first = form.size();
        std::vector<std::pair<const forms::Control *, QRectF>> placed;
        for (const forms::Control *c : form.allControls())
            placed.emplace_back(c, c->geometry());

        // Sizes come as the window system gives them: whole pixels of the
        // whole window.
        QRandomGenerator random(quint32(qHash(windowName)));
        const QSize screen = (rig->screen.sizeInTwips() * form.dpiX() / 1440).toSize();
        const QSize special[] = {{0, 0},
                                 {1, 1},
                                 {0, first.height()},
                                 {first.width(), 0},
                                 {1, screen.height() * 4},
                                 screen * 2,
                                 {screen.width() * 3, 1}};
        int sizes = 0;
        for (const QSize &size : special) {
            form.resize(size);
            ++sizes;
        }
        for (int i = sizes; i < count; ++i) {
            form.resize(int(random.bounded(2 * screen.width())),
                        int(random.bounded(2 * screen.height())));
            ++sizes;
        }
        form.resize(first);
        QCOMPARE(form.size(), first);

        int drifted = 0;
        for (const auto &[control, geometry] : placed) {
            const QRectF now = control->geometry();
            if (now.x() != geometry.x() || now.y() != geometry.y() ||
                now.width() != geometry.width() || now.height() != geometry.height()) {
                ++drifted;
                qWarning() << control->name() << "was" << geometry << "is" << now;
            }
        }
        QCOMPARE(drifted, 0);
        QCOMPARE(form.clientSizeTwips(), design);
        finding.saw(QStringLiteral("%1 sizes, %2 of them zero, one pixel or beyond the screen; "
                                   "then all %3 controls exactly where they were designed")
                        .arg(count)
                        .arg(std::size(special))
                        .arg(placed.size()));
        QVERIFY(rig->registry->isLoaded(windowName));
    }
};

int main(int argc, char *argv[])
{
    // Test functions named on the command line run alone.
    test::setWholeRun(argc == 1);
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
