#include "filetree.h"
#include "platform/saving.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

using namespace strumkin;

// Saving onto a real disk that fills up: a small tmpfs mounted in a mount
// namespace of this process alone, so nothing outside it ever sees the disk.
class TinyDiskTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_mountPoint.isValid());
        if (unshare(CLONE_NEWNS) != 0)
            QSKIP("no private mount namespace here (needs root or CAP_SYS_ADMIN)");
        // Without this the new mount could spread back to the host's namespace.
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("the mounts here cannot be made private");
        const QByteArray size = "size=" + QByteArray::number(DiskBytes);
        if (mount("tmpfs", qPrintable(m_mountPoint.path()), "tmpfs", MS_NOSUID | MS_NODEV,
                  size.constData()) != 0) {
            QSKIP("a tmpfs cannot be mounted here");
        }
        m_mounted = true;
    }
    void cleanupTestCase()
    {
        if (m_mounted)
            umount2(qPrintable(m_mountPoint.path()), MNT_DETACH);
    }
    void cleanup()
    {
        QDir disk(m_mountPoint.path());
        for (const QString &name : disk.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QFile::remove(disk.filePath(name));
    }

    void aFullDiskLeavesTheEarlierFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("a little more than the room left") << DiskBytes;
        QTest::newRow("twice the disk") << 2 * DiskBytes;
        QTest::newRow("many times the disk") << 64 * DiskBytes;
    }
    void aFullDiskLeavesTheEarlierFile()
    {
        QFETCH(int, size);
        const QString path = m_mountPoint.filePath(QStringLiteral("Cmajor.txt"));
        const QByteArray earlier = "Place your third finger on the fifth string.\r\n\r\n";
        QVERIFY(platform::saveFile(path, earlier).saved);
        const QStringList before = fileTree(m_mountPoint.path());

        const auto result = platform::saveFile(path, QByteArray(size, 'x'));

        QVERIFY(!result.saved);
        QVERIFY2(result.reason.contains(QStringLiteral("disk")), qPrintable(result.reason));
        QCOMPARE(readWholeFile(path), earlier);
        QCOMPARE(fileTree(m_mountPoint.path()), before);
    }

    // Shows that the disk is real and that a failed save frees what it used.
    void aFileThatFitsIsSavedAfterAFailure()
    {
        const QString path = m_mountPoint.filePath(QStringLiteral("Cminor.txt"));
        QVERIFY(!platform::saveFile(path, QByteArray(2 * DiskBytes, 'x')).saved);

        const QByteArray fits(DiskBytes / 2, 'y');
        const auto result = platform::saveFile(path, fits);

        QVERIFY2(result.saved, qPrintable(result.reason));
        QCOMPARE(readWholeFile(path), fits);
    }

private:
    static constexpr int DiskBytes = 64 * 1024;
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
};

QTEST_MAIN(TinyDiskTest)
#include "test_tiny_disk.moc"
