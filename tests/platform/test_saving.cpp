#include "platform/saving.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace strumkin;

namespace {

// For one scope, the largest file this process may write: a write that
// crosses it stores only the bytes below it, as on a disk that fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        // Crossing the limit would otherwise end the process.
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
            return;
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = SIG_DFL;
    bool m_active = false;
};

QByteArray allByteValues()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

// A line repeated, for texts of a chosen size.
QByteArray lines(const char *line, int count)
{
    return QByteArray(line).repeated(count);
}

} // namespace

class SavingTest : public QObject {
    Q_OBJECT

private slots:
    // A fresh folder for every row, so that no case sees another's files.
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }
    void cleanup() { m_tmp.reset(); }

    void writesExactlyTheBytes_data()
    {
        QTest::addColumn<bool>("hasEarlier");
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray chord = "Put your first finger on the second fret.\r\nStrum.\r\n\r\n";
        QTest::newRow("new file with CR LF") << false << QByteArray() << chord;
        QTest::newRow("lone CR and lone LF kept")
            << false << QByteArray() << QByteArray("a\rb\nc\r\n");
        QTest::newRow("every byte value") << false << QByteArray() << allByteValues();
        QTest::newRow("empty file") << false << QByteArray() << QByteArray();
        QTest::newRow("larger than any buffer")
            << false << QByteArray() << lines("0123456789abcdef\r\n", 100000);
        QTest::newRow("replacing a longer file") << true << lines("old line\r\n", 100) << chord;
        QTest::newRow("replacing a shorter file") << true << QByteArray("old\r\n") << chord;
        QTest::newRow("replacing with nothing") << true << chord << QByteArray();
        QTest::newRow("the same bytes again") << true << chord << chord;
    }
    void writesExactlyTheBytes()
    {
        QFETCH(bool, hasEarlier);
        QFETCH(QByteArray, earlier);
        QFETCH(QByteArray, bytes);
        const QString path = m_tmp->filePath(QStringLiteral("Amajor.txt"));
        if (hasEarlier)
            QVERIFY(writeWholeFile(path, earlier));

        const auto result = platform::saveFile(path, bytes);

        QVERIFY2(result.saved, qPrintable(result.reason));
        QVERIFY(result.reason.isEmpty());
        QCOMPARE(readWholeFile(path), bytes);
        QCOMPARE(
            QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("Amajor.txt")});
    }

    void refusesAPathItCannotUse_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("folder missing") << QStringList() << QStringList() << "Chords/Amajor.txt"
                                        << "Chords";
        QTest::newRow("two folders missing")
            << QStringList() << QStringList() << "Chords/Bchords/Bmajor.txt"
            << "Chords";
        QTest::newRow("inner folder missing")
            << QStringList{"Chords"} << QStringList() << "Chords/Bchords/Bmajor.txt"
            << "Chords/Bchords";
        QTest::newRow("folder blocked by a regular file")
            << QStringList() << QStringList{"Chords"} << "Chords/Amajor.txt"
            << "Chords";
        QTest::newRow("outer folder blocked by a regular file")
            << QStringList() << QStringList{"Chords"} << "Chords/Bchords/Bmajor.txt"
            << "Chords";
        QTest::newRow("inner folder blocked by a regular file")
            << QStringList{"Chords"} << QStringList{"Chords/Bchords"} << "Chords/Bchords/Bmajor.txt"
            << "Chords/Bchords";
        // A file that was saved once and then replaced by a folder of its name.
        QTest::newRow("name taken by a folder")
            << QStringList{"Chords", "Chords/Amajor.txt"} << QStringList{"Chords/Amajor.txt/notes"}
            << "Chords/Amajor.txt"
            << "Chords/Amajor.txt";
        QTest::newRow("name taken by an empty folder")
            << QStringList{"Amajor.txt"} << QStringList() << "Amajor.txt"
            << "Amajor.txt";
    }
    void refusesAPathItCannotUse()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, files);
        QFETCH(QString, target);
        QFETCH(QString, obstacle);
        const QDir root(m_tmp->path());
        for (const QString &folder : folders)
            QVERIFY(root.mkpath(folder));
        for (const QString &file : files)
            QVERIFY(writeWholeFile(root.filePath(file), "keep me\r\n"));
        const QStringList before = fileTree(root.path());

        const auto result = platform::saveFile(root.filePath(target), "Strum.\r\n");

        QVERIFY(!result.saved);
        QVERIFY2(result.reason.contains(QDir::toNativeSeparators(root.filePath(obstacle))),
                 qPrintable(result.reason));
        QCOMPARE(fileTree(root.path()), before);
    }

    void replacingAFileByAFolderIsRefused()
    {
        const QDir root(m_tmp->path());
        const QString path = root.filePath(QStringLiteral("Aminor.txt"));
        QVERIFY(platform::saveFile(path, "first\r\n").saved);
        QVERIFY(QFile::remove(path));
        QVERIFY(root.mkdir(QStringLiteral("Aminor.txt")));
        QVERIFY(writeWholeFile(root.filePath(QStringLiteral("Aminor.txt/inside.txt")), "inside"));
        const QStringList before = fileTree(root.path());

        const auto result = platform::saveFile(path, "second\r\n");

        QVERIFY(!result.saved);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(fileTree(root.path()), before);
    }

    void aFullDiskLeavesTheEarlierFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray chord = lines("Press the B string at the second fret.\r\n", 4);
        QTest::newRow("stops part-way")
            << qint64(4096) << chord << lines("new text that will not fit\r\n", 2000);
        QTest::newRow("one byte short")
            << qint64(chord.size() + 99) << chord << lines("x", chord.size() + 100);
        QTest::newRow("no room at all") << qint64(0) << chord << lines("x", 100);
        QTest::newRow("earlier file larger than the room")
            << qint64(64) << lines("a long earlier file\r\n", 500) << chord;
    }
    void aFullDiskLeavesTheEarlierFile()
    {
        QFETCH(qint64, limit);
        QFETCH(QByteArray, earlier);
        QFETCH(QByteArray, bytes);
        const QString path = m_tmp->filePath(QStringLiteral("Bmajor.txt"));
        QVERIFY(platform::saveFile(path, earlier).saved);
        const QStringList before = fileTree(m_tmp->path());

        platform::SaveResult result;
        {
            const FileSizeLimit full(static_cast<rlim_t>(limit));
            QVERIFY(full.active());
            result = platform::saveFile(path, bytes);
        }

        QVERIFY(!result.saved);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(readWholeFile(path), earlier);
        // Also no temporary file is left behind beside it.
        QCOMPARE(fileTree(m_tmp->path()), before);

        // Once there is room again, the same save goes through.
        const auto retry = platform::saveFile(path, bytes);
        QVERIFY2(retry.saved, qPrintable(retry.reason));
        QCOMPARE(readWholeFile(path), bytes);
    }

    void makesOneFolder_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("made");
        QTest::addColumn<QStringList>("created");
        QTest::newRow("new folder")
            << QStringList() << QStringList() << "Chords" << true << QStringList{"Chords/"};
        QTest::newRow("inside an existing one")
            << QStringList{"Chords"} << QStringList() << "Chords/Bchords" << true
            << QStringList{"Chords/Bchords/"};
        QTest::newRow("exists already")
            << QStringList{"Chords"} << QStringList() << "Chords" << true << QStringList();
        QTest::newRow("exists already, with a trailing slash")
            << QStringList{"Chords"} << QStringList() << "Chords/" << true << QStringList();
        QTest::newRow("parent missing")
            << QStringList() << QStringList() << "Chords/Bchords" << false << QStringList();
        QTest::newRow("blocked by a file")
            << QStringList() << QStringList{"Chords"} << "Chords" << false << QStringList();
        QTest::newRow("parent is a file")
            << QStringList() << QStringList{"Chords"} << "Chords/Bchords" << false << QStringList();
    }
    void makesOneFolder()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, files);
        QFETCH(QString, target);
        QFETCH(bool, made);
        QFETCH(QStringList, created);
        const QDir root(m_tmp->path());
        for (const QString &folder : folders)
            QVERIFY(root.mkpath(folder));
        for (const QString &file : files)
            QVERIFY(writeWholeFile(root.filePath(file), "keep me"));
        QStringList expected = fileTree(root.path()) + created;
        expected.sort();

        QCOMPARE(platform::makeFolder(root.filePath(target)), made);

        QCOMPARE(fileTree(root.path()), expected);
    }

    void makesNoFolderWithoutAName() { QVERIFY(!platform::makeFolder(QString())); }

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
};

QTEST_MAIN(SavingTest)
#include "test_saving.moc"
