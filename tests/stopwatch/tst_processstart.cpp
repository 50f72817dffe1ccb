#include "stopwatch/stopwatch.h"

#include "boxwatcher.h"
#include "workingfolder.h"

#include <QtTest>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// Runs without any reset: the stopwatch state here is the one a new process starts with.
class TestProcessStart : public QObject
{
    Q_OBJECT

private slots:
    void missingLanguageFileInAFreshProcess()
    {
        WorkingFolder folder;
        BoxWatcher boxes;
        Stopwatch dialog;
        QCOMPARE(boxes.titles(), QStringList{"Language error"});
        QCOMPARE(dialog.findChild<QPushButton *>("btnRound")->text(), QString());
        QCOMPARE(dialog.findChild<QPushButton *>("btnExport")->text(), QString("Export round log"));
        for (const char *name : {"lblHours", "lblMinutes", "lblSeconds", "lblMilliseconds"})
            QCOMPARE(dialog.findChild<QLabel *>(name)->text(), QString("00"));
        dialog.findChild<QPushButton *>("btnRound")->click();
        QCOMPARE(boxes.titles(), (QStringList{"Language error", "Ops!"}));
        QCOMPARE(dialog.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText(), QString());
    }

    void timeAndRoundsStartFromZero()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "1");
        Stopwatch dialog;
        dialog.findChild<QPushButton *>("btnStart")->click();
        QVERIFY(QMetaObject::invokeMethod(&dialog, "showTime"));
        QCOMPARE(dialog.findChild<QLabel *>("lblSeconds")->text(), QString("00"));
        QCOMPARE(dialog.findChild<QLabel *>("lblHours")->text(), QString("00"));
        dialog.findChild<QPushButton *>("btnRound")->click();
        QVERIFY(dialog.findChild<QPlainTextEdit *>("plainTextEdit")
                    ->toPlainText()
                    .startsWith("Round 2: 00:00:00:"));
    }
};

QTEST_MAIN(TestProcessStart)
#include "tst_processstart.moc"
