#include "stopwatch/roundlog.h"

#include "workingfolder.h"

#include <QtTest>

class TestRoundLog : public QObject
{
    Q_OBJECT

private slots:
    void line_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("clock");
        QTest::addColumn<QString>("line");
        QTest::newRow("english") << 1 << 1 << QStringList{"00", "00", "02", "70"}
                                 << "Round 1: 00:00:02:70";
        QTest::newRow("norwegian")
            << 2 << 3 << QStringList{"00", "01", "01", "20"} << "Runde 3: 00:01:01:20";
        QTest::newRow("whole second")
            << 1 << 4 << QStringList{"00", "00", "05", "0"} << "Round 4: 00:00:05:0";
        QTest::newRow("never started")
            << 1 << 1 << QStringList{"00", "00", "00", "00"} << "Round 1: 00:00:00:00";
        QTest::newRow("past 99 hours")
            << 2 << 1234 << QStringList{"100", "00", "00", "0"} << "Runde 1234: 100:00:00:0";
    }

    void line()
    {
        QFETCH(int, code);
        QFETCH(int, number);
        QFETCH(QStringList, clock);
        QFETCH(QString, line);
        QCOMPARE(roundLine(code, number, {clock[0], clock[1], clock[2], clock[3]}), line);
    }

    void noLineForOtherCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("0") << 0;
        QTest::newRow("3") << 3;
        QTest::newRow("-1") << -1;
    }

    void noLineForOtherCodes()
    {
        QFETCH(int, code);
        QVERIFY(!roundLine(code, 1, {"00", "00", "00", "00"}));
    }

    void path() { QCOMPARE(exportFilePath("/tmp/a b", "x.txt"), QString("/tmp/a b/x.txt.txt")); }

    void writesExactBytes_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty log") << QString() << QByteArray();
        QTest::newRow("three lines")
            << "Round 1: 00:00:02:70\nRound 2: 00:00:05:10\nRound 3: 00:01:01:20"
            << QByteArray("Round 1: 00:00:02:70\nRound 2: 00:00:05:10\nRound 3: 00:01:01:20");
        QTest::newRow("norwegian letters") << QString::fromUtf8("Tøm") << QByteArray("T\xc3\xb8m");
    }

    void writesExactBytes()
    {
        QFETCH(QString, log);
        QFETCH(QByteArray, bytes);
        WorkingFolder folder;
        QCOMPARE(exportRoundLog(folder.path(), "laps", log), ExportResult::Written);
        QCOMPARE(folder.read("laps.txt"), bytes);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"laps.txt"});
    }

    void secondExportReplacesTheFirst()
    {
        WorkingFolder folder;
        QCOMPARE(
            exportRoundLog(folder.path(), "laps", "Round 1: 00:00:00:00\nRound 2: 00:00:00:00"),
            ExportResult::Written);
        QCOMPARE(exportRoundLog(folder.path(), "laps", "Round 1: 00:00:01:0"),
                 ExportResult::Written);
        QCOMPARE(folder.read("laps.txt"), QByteArray("Round 1: 00:00:01:0"));
    }

    void nameEndingInTxtGetsItTwice()
    {
        WorkingFolder folder;
        QCOMPARE(exportRoundLog(folder.path(), "laps.txt", "x"), ExportResult::Written);
        QVERIFY(folder.exists("laps.txt.txt"));
        QVERIFY(!folder.exists("laps.txt"));
    }

    void newFileIsReadableByOthers()
    {
        WorkingFolder folder;
        QCOMPARE(exportRoundLog(folder.path(), "laps", "x"), ExportResult::Written);
        QVERIFY(QFileInfo(folder.absolute("laps.txt")).permissions() & QFile::ReadOther);
    }

    void emptyFolderOrNameWritesNothing_data()
    {
        QTest::addColumn<bool>("folderGiven");
        QTest::addColumn<QString>("name");
        QTest::newRow("no folder") << false << "laps";
        QTest::newRow("no name") << true << "";
        QTest::newRow("neither") << false << "";
    }

    void emptyFolderOrNameWritesNothing()
    {
        QFETCH(bool, folderGiven);
        QFETCH(QString, name);
        WorkingFolder folder;
        QCOMPARE(exportRoundLog(folderGiven ? folder.path() : QString(), name, "Round 1"),
                 ExportResult::NoTarget);
        QVERIFY(!QFile::exists("/" + name + ".txt") || name.isEmpty());
        QVERIFY(!folder.exists(".txt"));
    }

    void unwritableTargetFails_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing folder") << "missing/deeper";
        QTest::newRow("a file where the folder should be") << "plain";
        QTest::newRow("proc") << "/proc/self/tivora";
    }

    void unwritableTargetFails()
    {
        QFETCH(QString, folder);
        WorkingFolder work;
        work.write("plain", "not a folder");
        const QString where = folder.startsWith('/') ? folder : work.absolute(folder);
        QCOMPARE(exportRoundLog(where, "laps", "Round 1"), ExportResult::WriteFailed);
        QCOMPARE(work.read("plain"), QByteArray("not a folder"));
    }

    void failedExportKeepsTheEarlierFile()
    {
        WorkingFolder work;
        work.write("laps.txt/keep", "x");
        QCOMPARE(exportRoundLog(work.path(), "laps", "Round 1"), ExportResult::WriteFailed);
        QCOMPARE(work.read("laps.txt/keep"), QByteArray("x"));
    }
};

QTEST_MAIN(TestRoundLog)
#include "tst_roundlog.moc"
