#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/paths.h"

#include <QFontInfo>
#include <QtTest>

using namespace strumkin;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void pathsMapOntoTheHost_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("host");
        QTest::newRow("chords folder") << "/home/ann"
                                       << "C:\\Chords"
                                       << "/home/ann/Chords";
        QTest::newRow("a saved chord") << "/home/ann"
                                       << "C:\\Chords\\Bchords\\Bmajor.txt"
                                       << "/home/ann/Chords/Bchords/Bmajor.txt";
        QTest::newRow("lower-case drive") << "/home/ann"
                                          << "c:\\Chords"
                                          << "/home/ann/Chords";
        QTest::newRow("root with a slash") << "/tmp/drive/"
                                           << "C:\\Chords"
                                           << "/tmp/drive/Chords";
        QTest::newRow("drive is the file-system root") << "/"
                                                       << "C:\\Chords"
                                                       << "/Chords";
        QTest::newRow("the drive itself") << "/home/ann"
                                          << "C:\\"
                                          << "/home/ann/";
        QTest::newRow("program folder with blanks") << "/home/ann"
                                                    << "\\opt\\my strumkin\\guitar1.BMP"
                                                    << "/opt/my strumkin/guitar1.BMP";
    }
    void pathsMapOntoTheHost()
    {
        QFETCH(QString, root);
        QFETCH(QString, path);
        QFETCH(QString, host);
        const platform::Paths paths(QStringLiteral("/opt/strumkin"), root);
        QCOMPARE(paths.toHost(path), host);
    }

    void programFolderIsTextToAppendTo()
    {
        const platform::Paths paths(QStringLiteral("/opt/my strumkin/"),
                                    QStringLiteral("/home/ann"));
        QCOMPARE(paths.programFolder(), QStringLiteral("\\opt\\my strumkin"));
        QCOMPARE(paths.toHost(paths.programFolder() + QStringLiteral("\\guitar1.BMP")),
                 QStringLiteral("/opt/my strumkin/guitar1.BMP"));
    }

    void textsNameTheRealFolder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tooltip") << "Save to the C:\\Chords\\Bchords folder"
                                 << "Save to the /home/ann/Chords/Bchords folder";
        QTest::newRow("message") << "The chords will be saved in the C:\\Chords directory"
                                 << "The chords will be saved in the /home/ann/Chords directory";
        QTest::newRow("no path") << "Print it!"
                                 << "Print it!";
    }
    void textsNameTheRealFolder()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const platform::Paths paths(QStringLiteral("/opt/strumkin"), QStringLiteral("/home/ann"));
        QCOMPARE(paths.forDisplay(text), shown);
    }

    void dayCountsCountFromTheOrigin_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<double>("days");
        QTest::newRow("origin") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
        QTest::newRow("noon a day later") << QDateTime(QDate(1899, 12, 31), QTime(12, 0)) << 1.5;
        QTest::newRow("before the origin") << QDateTime(QDate(1899, 12, 29), QTime(0, 0)) << -1.0;
    }
    void dayCountsCountFromTheOrigin()
    {
        QFETCH(QDateTime, when);
        QFETCH(double, days);
        QCOMPARE(platform::toDayCount(when), days);
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
        // The packages the setup installs provide the first choice.
        // A family the system has from several foundries carries the foundry's name.
        const QString resolved =
            QFontInfo(QFont(designed)).family().section(QStringLiteral(" ["), 0, 0);
        QCOMPARE(resolved, standIns.first());
    }

    void systemClockReadsWholeSeconds()
    {
        const QDateTime now = platform::SystemClock().now();
        QCOMPARE(now.time().msec(), 0);
        const QString text =
            platform::SystemClock().timeOfDayText(QDateTime(QDate(2026, 1, 1), QTime(13, 4, 5)));
        QVERIFY2(text.contains(QLatin1String("04")) && text.contains(QLatin1String("05")),
                 qPrintable(text));
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
