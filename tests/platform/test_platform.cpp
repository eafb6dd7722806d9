// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "platform/saving.h"
#include "support/files.h"

#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>

using namespace strumkin;

namespace {

// Runs a save with the largest file this process may write lowered to a limit: a write that
// crosses it stores only the bytes below it, as on a disk that fills up. Empty when the limit
// cannot be set.
std::optional<platform::SaveResult>
withFileSizeLimit(rlim_t limit, const std::function<platform::SaveResult()> &save)
{
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return std::nullopt;
    rlimit lowered = saved;
    lowered.rlim_cur = limit;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN); // crossing it would end the process
    std::optional<platform::SaveResult> result;
    if (setrlimit(RLIMIT_FSIZE, &lowered) == 0) {
        result = save();
        setrlimit(RLIMIT_FSIZE, &saved);
    }
    std::signal(SIGXFSZ, handler);
    return result;
}

// Folders end in a slash; a file's text follows its name after a colon.
void makeTree(const QDir &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (entry.endsWith('/'))
            QVERIFY(root.mkpath(entry));
        else
            QVERIFY(writeWholeFile(root.filePath(entry.section(':', 0, 0)),
                                   entry.section(':', 1).toLatin1()));
    }
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    // The program folder is original-platform text to append a file name to; a drive path
    // maps onto the drive root; both turn into host paths, also inside a shown text.
    void paths_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("path"); // %1: the program folder
        QTest::addColumn<QString>("host");
        const auto row = [](const char *tag, const char *root, const char *path, const char *host) {
            QTest::newRow(tag) << root << path << host;
        };
        row("a saved chord", "/home/ann", "C:\\Chords\\Bchords\\Bmajor.txt",
            "/home/ann/Chords/Bchords/Bmajor.txt");
        row("root with a slash", "/tmp/drive/", "C:\\Chords", "/tmp/drive/Chords");
        row("drive is the file-system root", "/", "C:\\Chords", "/Chords");
        row("the drive itself", "/home/ann", "C:\\", "/home/ann/");
        row("program folder with blanks", "/home/ann", "%1\\guitar1.BMP",
            "/opt/my strumkin/guitar1.BMP");
        row("tooltip", "/home/ann", "Save to the C:\\Chords\\Bchords folder",
            "Save to the /home/ann/Chords/Bchords folder");
        row("no path", "/home/ann", "Print it!", "Print it!");
    }
    void paths()
    {
        QFETCH(QString, root);
        QFETCH(QString, path);
        QFETCH(QString, host);
        const platform::Paths paths(QStringLiteral("/opt/my strumkin/"), root);
        QCOMPARE(paths.programFolder(), QStringLiteral("\\opt\\my strumkin"));
        // A text names a drive path as the host folder; a program file is mapped as a path.
        QCOMPARE(path.startsWith("%1") ? paths.toHost(path.arg(paths.programFolder()))
                                       : paths.forDisplay(path),
                 host);
    }

    void designedFontsResolveToTheirStandIns_data()
    {
        QTest::addColumn<QString>("designed");
        for (const char *family :
             {"MS Sans Serif", "Times New Roman", "EraserDust", "Signet Roundhand", "Kidprint",
              "Broadway", "AustereBlackCapsSSK", "MusterSSK", "Pongo", "Windsor"})
            QTest::newRow(family) << QString::fromLatin1(family);
    }
    void designedFontsResolveToTheirStandIns()
    {
        QFETCH(QString, designed);
        platform::installFontSubstitutes();
        const QStringList standIns = platform::standInsFor(designed);
        QVERIFY(!standIns.isEmpty());
        // The packages the setup installs provide the first choice. A family the system has
        // from several foundries carries the foundry's name.
        QCOMPARE(QFontInfo(QFont(designed)).family().section(QStringLiteral(" ["), 0, 0),
                 standIns.first());
    }

    // The welcome wait counts whole seconds of the clock, as the shown time does.
    void systemClockReadsWholeSeconds()
    {
        QCOMPARE(platform::SystemClock().now().time().msec(), 0);
    }

    // A file holds exactly the new bytes, or, when anything is in the way, every file stays
    // as it was, no temporary file is left behind, and the reason names what is in the way.
    void saveFile_data()
    {
        QTest::addColumn<QStringList>("before"); // the drive, before the save
        QTest::addColumn<qint64>("room");        // the largest file that fits; -1: any
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("obstacle"); // empty: saved
        const QByteArray chord = "Put your first finger on the second fret.\r\nStrum.\r\n\r\n";
        QByteArray every;
        for (int value = 0; value < 256; ++value)
            every.append(char(value));
        const QByteArray big = QByteArray("0123456789abcdef\r\n").repeated(100000);
        const QString old = "a.txt:" + QString("old line\r\n").repeated(100);
        const auto row = [](const char *tag, const QStringList &before, const QByteArray &bytes,
                            const char *obstacle = "", const char *target = "a.txt",
                            qint64 room = -1) {
            QTest::newRow(tag) << before << room << target << bytes << obstacle;
        };
        row("new file with CR LF", {}, chord);
        row("every byte value", {}, every);
        row("empty file", {}, "");
        row("larger than any buffer", {}, big);
        row("replacing a longer file", {old}, chord);
        row("replacing with nothing", {old}, "");
        row("the same bytes again", {"a.txt:" + chord}, chord);
        row("folder missing", {}, chord, "C", "C/a.txt");
        row("two folders missing", {}, chord, "C", "C/B/a.txt");
        row("inner folder missing", {"C/"}, chord, "C/B", "C/B/a.txt");
        row("folder blocked by a file", {"C:x"}, chord, "C", "C/a.txt");
        row("outer folder blocked by a file", {"C:x"}, chord, "C", "C/B/a.txt");
        row("inner folder blocked by a file", {"C/", "C/B:x"}, chord, "C/B", "C/B/a.txt");
        row("name taken by a folder", {"a.txt/", "a.txt/notes:x"}, chord, "a.txt");
        row("name taken by an empty folder", {"a.txt/"}, chord, "a.txt");
        // Cut off part-way, or with no room at all: the earlier file stays whole.
        row("disk full part-way", {old}, big, "", "a.txt", 4096);
        row("disk full one byte short", {old}, QByteArray(1100, 'x'), "", "a.txt", 1099);
        row("disk full from the start", {old}, chord, "", "a.txt", 0);
        row("earlier file larger than the room", {old}, chord.repeated(3), "", "a.txt", 64);
    }
    void saveFile()
    {
        QFETCH(QStringList, before);
        QFETCH(qint64, room);
        QFETCH(QString, target);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, obstacle);
        QTemporaryDir tmp;
        const QDir root(tmp.path());
        makeTree(root, before);
        const QStringList tree = fileTree(root.path());

        const auto save = [&] { return platform::saveFile(root.filePath(target), bytes); };
        const auto limited = room < 0 ? save() : withFileSizeLimit(rlim_t(room), save);
        QVERIFY(limited);
        const platform::SaveResult result = *limited;

        if (room < 0 && obstacle.isEmpty()) {
            QVERIFY2(result.saved, qPrintable(result.reason));
            QVERIFY(result.reason.isEmpty());
            QCOMPARE(readWholeFile(root.filePath(target)), bytes);
            QCOMPARE(root.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{target});
            return;
        }
        QVERIFY(!result.saved);
        QVERIFY(!result.reason.isEmpty());
        if (!obstacle.isEmpty())
            QVERIFY2(result.reason.contains(root.filePath(obstacle) + ' '), // not a folder in it
                     qPrintable(result.reason));
        QCOMPARE(fileTree(root.path()), tree);
        if (room >= 0) { // with room again, the same save goes through
            QVERIFY(platform::saveFile(root.filePath(target), bytes).saved);
            QCOMPARE(readWholeFile(root.filePath(target)), bytes);
        }
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
