#include "stopwatch/roundlog.h"

#include "folder.h"

#include <QtTest>

class TestRoundLog : public QObject
{
    Q_OBJECT

private slots:
    void exportTargets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("replaces");   // asked before writing over an existing file
        QTest::addColumn<QString>("written"); // the files in and beside the folder afterwards
        const int written = int(ExportResult::Written),
                  leaves = int(ExportResult::NameLeavesFolder);
        QTest::newRow("a new name") << "laps" << written << false << "in/laps.txt in/old.txt";
        QTest::newRow("an existing name") << "old" << written << true << "in/old.txt";
        const int nothing = int(ExportResult::NoTarget);
        QTest::newRow("two dots name nothing") << ".." << nothing << false << "in/old.txt";
        QTest::newRow("up and out") << "../escaped" << leaves << false << "in/old.txt";
        QTest::newRow("a slash") << "a/b" << leaves << false << "in/old.txt";
        QTest::newRow("into an existing subfolder") << "sub/x" << leaves << false << "in/old.txt";
        QTest::newRow("no name") << "" << nothing << false << "in/old.txt";
    }
    void exportTargets()
    {
        QFETCH(QString, name);
        WorkingFolder folder;
        put(QStringLiteral("in/old.txt"), "old");
        QDir().mkpath(QStringLiteral("in/sub"));
        QTEST(exportReplaces(QStringLiteral("in"), name), "replaces");
        QTEST(int(exportRoundLog(QStringLiteral("in"), name, QStringLiteral("Round 1"))), "result");
        QStringList files;
        QDirIterator all(QStringLiteral("."), QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
        while (all.hasNext())
            files << all.next().mid(2);
        files.sort();
        QTEST(files.join(QLatin1Char(' ')), "written");
    }
};

QTEST_MAIN(TestRoundLog)
#include "tst_roundlog.moc"
