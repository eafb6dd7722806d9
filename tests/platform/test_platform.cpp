#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/paths.h"

#include <QFontInfo>
#include <QtTest>

using namespace strumkin;

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
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
