#include "stopwatch/stopwatch.h"

#include "app/theme.h"

#include "boxwatcher.h"
#include "workingfolder.h"

#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

qint64 fakeNow = 0;

template <typename T> T *child(QWidget &dialog, const char *name)
{
    auto *widget = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

QString text(QWidget &dialog, const char *name)
{
    return child<QLabel>(dialog, name)->text();
}

QString shown(QWidget &dialog)
{
    return text(dialog, "lblHours") + ':' + text(dialog, "lblMinutes") + ':' +
           text(dialog, "lblSeconds") + ':' + text(dialog, "lblMilliseconds");
}

void click(QWidget &dialog, const char *button)
{
    child<QPushButton>(dialog, button)->click();
}

void tick(QWidget &dialog)
{
    QVERIFY(QMetaObject::invokeMethod(&dialog, "showTime"));
}

QString log(QWidget &dialog)
{
    return child<QPlainTextEdit>(dialog, "plainTextEdit")->toPlainText();
}

} // namespace

class TestStopwatch : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        stopwatchhooks::reset();
        fakeNow = 5'000'000;
        stopwatchhooks::setClock([] { return fakeNow; });
    }

    void cleanupTestCase() { stopwatchhooks::setClock({}); }

    void form()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "1");
        Stopwatch dialog;
        QCOMPARE(dialog.objectName(), QString("Stopwatch"));
        QCOMPARE(dialog.size(), QSize(417, 407));
        QCOMPARE(dialog.windowTitle(), QString("Tivora"));
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.styleSheet(), theme::darkTheme());
        const char *clock[] = {"lblHours",   "lblColon1", "lblMinutes",     "lblColon2",
                               "lblSeconds", "lblColon3", "lblMilliseconds"};
        for (const char *name : clock) {
            QLabel *label = child<QLabel>(dialog, name);
            QCOMPARE(label->font().pointSize(), 25);
            QVERIFY(label->font().bold());
            QCOMPARE(label->styleSheet(), QString("color: rgb(255,198,0);"));
            QCOMPARE(label->alignment(), Qt::AlignCenter);
            QCOMPARE(label->text(), QString(name[3] == 'C' ? ":" : "00"));
        }
        const QString sheet = child<QPushButton>(dialog, "btnStart")->styleSheet();
        QVERIFY(sheet.startsWith("QPushButton {"));
        QVERIFY(sheet.contains("QPushButton:pressed {"));
        for (const char *name : {"btnStart", "btnPause", "btnRound", "btnStop"}) {
            QCOMPARE(child<QPushButton>(dialog, name)->styleSheet(), sheet);
            QVERIFY(!child<QPushButton>(dialog, name)->icon().isNull());
        }
        auto *logView = child<QPlainTextEdit>(dialog, "plainTextEdit");
        QVERIFY(logView->isReadOnly());
        QCOMPARE(logView->styleSheet(),
                 QString("background-color: #242424;\ncolor: rgb(255,198,0);"));
        QVERIFY(!child<QLineEdit>(dialog, "tbFileName")->isReadOnly());
        QVERIFY(child<QLineEdit>(dialog, "tbFilepath")->isReadOnly());
        QCOMPARE(child<QLabel>(dialog, "lblFilename")->buddy(),
                 child<QLineEdit>(dialog, "tbFileName"));
        QCOMPARE(child<QLineEdit>(dialog, "tbFileName")->parentWidget(),
                 child<QGroupBox>(dialog, "gbExport"));

        const QStringList order{"btnStart",      "btnPause",    "btnRound",   "btnStop",
                                "plainTextEdit", "btnClearLog", "tbFileName", "btnSaveFile",
                                "btnExport",     "tbFilepath"};
        QStringList chain;
        QWidget *widget = child<QWidget>(dialog, "btnStart");
        do {
            if (order.contains(widget->objectName()))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != child<QWidget>(dialog, "btnStart"));
        QCOMPARE(chain, order);
    }

    void languages_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("startHelp");
        const QStringList english{
            "Start",           "Pause",     "Round", "Stop", "Clear round log", "Export round log",
            "Set a filename:", "Export to", "Export"};
        const QStringList norwegian{"Start",
                                    "Pause",
                                    "Runde",
                                    "Stopp",
                                    QString::fromUtf8("Tøm rundelogg"),
                                    "Eksporter rundeloggen",
                                    "Velg filnavn:",
                                    "Eksporter til",
                                    "Eksporter"};
        QTest::newRow("1") << QByteArray("1") << english
                           << "<b>Start</b><br><br><i>Activates the stopwatch. The time tracks "
                              "houndredths, seconds, minutes and hours.</i>";
        QTest::newRow("1 and more words") << QByteArray("  1 2\n2") << english
                                          << "<b>Start</b><br><br><i>Activates the stopwatch. The "
                                             "time tracks houndredths, seconds, minutes and "
                                             "hours.</i>";
        QTest::newRow("2 CR LF") << QByteArray("2\r\n") << norwegian
                                 << QString::fromUtf8(
                                        "<b>Start</b><br><br><i>Aktiverer stoppeklokka. Tiden "
                                        "holder rede på hundredeler, sekunder, minutter og "
                                        "timer.</i>");
    }

    void languages()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, texts);
        QFETCH(QString, startHelp);
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", file);
        BoxWatcher boxes;
        Stopwatch dialog;
        QStringList seen;
        for (const char *name : {"btnStart", "btnPause", "btnRound", "btnStop", "btnClearLog"})
            seen << child<QPushButton>(dialog, name)->text();
        seen << child<QGroupBox>(dialog, "gbExport")->title()
             << child<QLabel>(dialog, "lblFilename")->text();
        for (const char *name : {"btnSaveFile", "btnExport"})
            seen << child<QPushButton>(dialog, name)->text();
        QCOMPARE(seen, texts);
        QCOMPARE(child<QPushButton>(dialog, "btnStart")->whatsThis(), startHelp);
        for (const char *name : {"btnPause", "btnRound", "btnStop", "btnClearLog", "plainTextEdit",
                                 "btnSaveFile", "tbFileName"})
            QVERIFY2(!child<QWidget>(dialog, name)->whatsThis().isEmpty(), name);
        QCOMPARE(dialog.windowTitle(), QString("Tivora"));
        QCOMPARE(shown(dialog), QString("00:00:00:00"));
        QVERIFY(boxes.seen().isEmpty());
    }

    void otherCodesGiveLanguageError_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("3") << QByteArray("3");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a number") << QByteArray("one");
    }

    void otherCodesGiveLanguageError()
    {
        QFETCH(QByteArray, file);
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", file);
        BoxWatcher boxes;
        Stopwatch dialog;
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QString("Language error"));
        QCOMPARE(boxes.seen()[0].text, QString("Failed to load language, please try again."));
        QCOMPARE(boxes.seen()[0].icon, QMessageBox::Critical);
        QCOMPARE(child<QPushButton>(dialog, "btnStart")->text(), QString());
        QCOMPARE(child<QPushButton>(dialog, "btnExport")->text(), QString("Export round log"));
        QCOMPARE(child<QPushButton>(dialog, "btnStart")->whatsThis(), QString());
    }

    void languageKeptWhenFileIsDeleted()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "2");
        BoxWatcher boxes;
        {
            Stopwatch first;
        }
        QVERIFY(QFile::remove(folder.absolute("data/settings/tivora_lang.txt")));
        Stopwatch second;
        QCOMPARE(child<QPushButton>(second, "btnStop")->text(), QString("Stopp"));
        QVERIFY(boxes.seen().isEmpty());
    }

    // A step clicks a button ("Start", "Round", ...), moves the clock on N ms with a tick ("+N") or
    // without ("wait N"), or compares the shown time ("=TIME") or the round log ("log=TEXT").
    void clockSteps_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("steps");
        QStringList tenth{"Start", "+50", "=00:00:00:0"};
        for (int k = 2; k <= 9; ++k)
            tenth << "+100";
        tenth << "+100"
              << "=00:00:00:90"
              << "+100"
              << "=00:00:01:0";
        QTest::newRow("tenth and eleventh ticks") << QByteArray("1") << tenth;
        const auto carry = [](const char *name, qint64 before, const QString &shownBefore,
                              const QString &shownAfter) {
            QTest::newRow(name) << QByteArray("1")
                                << QStringList{"Start", "+" + QString::number(before + 30),
                                               "=" + shownBefore, "+100", "=" + shownAfter};
        };
        carry("carries 9.9 s", 9'900, "00:00:09:90", "00:00:10:0");
        carry("carries 59.9 s", 59'900, "00:00:59:90", "00:01:00:0");
        carry("carries 59 min 59.9 s", 3'599'900, "00:59:59:90", "01:00:00:0");
        carry("carries 99 h 59 min 59.9 s", 359'999'900, "99:59:59:90", "100:00:00:0");
        QTest::newRow("start twice counts at the normal rate")
            << QByteArray("1") << QStringList{"Start", "wait 1200", "Start", "+800", "=00:00:02:0"};
        QTest::newRow("pause, wait, start")
            << QByteArray("1")
            << QStringList{"Start",   "+2340",        "Pause", "+30", "=00:00:02:30",
                           "+600000", "=00:00:02:30", "Start", "+60", "=00:00:02:40"};
        QTest::newRow("pause shows and rounds the time it froze")
            << QByteArray("1")
            << QStringList{"Start", "+2290",        "=00:00:02:20", "wait 100",
                           "Pause", "=00:00:02:30", "Round",        "log=Round 1: 00:00:02:30"};
        QTest::newRow("stop while running")
            << QByteArray("1")
            << QStringList{"Start", "+75500",       "=00:01:15:50", "Stop", "=00:00:00:00",
                           "+5000", "=00:00:00:00", "Start",        "+150", "=00:00:00:10"};
        QStringList stall{"Start"};
        for (int k = 0; k < 20; ++k)
            stall << "+100";
        stall << "+1500"
              << "=00:00:03:50";
        QTest::newRow("stall loses nothing") << QByteArray("1") << stall;
        QTest::newRow("clear then round")
            << QByteArray("1")
            << QStringList{"Start", "Round",       "Round", "ClearLog",
                           "log=",  "+1000",       "Round", "log=Round 1: 00:00:01:0",
                           "+100",  "=00:00:01:10"};
        const QStringList rounds{"Round", "Start", "+2750", "Round", "+2300", "Pause", "Round"};
        QTest::newRow("round lines, english")
            << QByteArray("1")
            << rounds + QStringList{
                            "log=Round 1: 00:00:00:00\nRound 2: 00:00:02:70\nRound 3: 00:00:05:0"};
        QTest::newRow("round lines, norwegian")
            << QByteArray("2")
            << rounds + QStringList{
                            "log=Runde 1: 00:00:00:00\nRunde 2: 00:00:02:70\nRunde 3: 00:00:05:0"};
    }

    void clockSteps()
    {
        QFETCH(QByteArray, language);
        QFETCH(QStringList, steps);
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", language);
        Stopwatch dialog;
        for (const QString &step : steps) {
            if (step.startsWith('+')) {
                fakeNow += step.mid(1).toLongLong();
                tick(dialog);
            } else if (step.startsWith("wait ")) {
                fakeNow += step.mid(5).toLongLong();
            } else if (step.startsWith('=')) {
                QCOMPARE(shown(dialog), step.mid(1));
            } else if (step.startsWith("log=")) {
                QCOMPARE(log(dialog), step.mid(4));
            } else {
                click(dialog, qPrintable("btn" + step));
            }
        }
    }

    void realTimerShowsMeasuredTime()
    {
        stopwatchhooks::setClock({});
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "1");
        Stopwatch dialog;
        click(dialog, "btnStart");
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "lblMilliseconds"), QString("20"), 2000);
    }

    void closeWhileRunningAndReopen()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "1");
        {
            Stopwatch first;
            click(first, "btnStart");
            fakeNow += 5'000;
            tick(first);
            QCOMPARE(shown(first), QString("00:00:05:0"));
            fakeNow += 420;
        }
        fakeNow += 3'600'000;
        Stopwatch second;
        tick(second);
        QCOMPARE(shown(second), QString("00:00:00:00"));
        click(second, "btnStart");
        fakeNow += 100;
        tick(second);
        QCOMPARE(shown(second), QString("00:00:05:50"));
    }

    void roundWithOtherCodeUsesUpTheNumber()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "7");
        BoxWatcher boxes;
        {
            Stopwatch dialog;
            click(dialog, "btnRound");
            QCOMPARE(log(dialog), QString());
        }
        QCOMPARE(boxes.titles(), (QStringList{"Language error", "Ops!"}));
        QCOMPARE(boxes.seen()[1].text,
                 QString("Could not add item to the round log, please try again."));
        QCOMPARE(boxes.seen()[1].icon, QMessageBox::Critical);
        folder.writeSetting("tivora_lang.txt", "1");
        Stopwatch dialog;
        click(dialog, "btnRound");
        QCOMPARE(log(dialog), QString("Round 2: 00:00:00:00"));
    }

    void threeRoundsReopenGivesFour()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "2");
        {
            Stopwatch first;
            for (int k = 0; k < 3; ++k)
                click(first, "btnRound");
        }
        Stopwatch second;
        QCOMPARE(log(second), QString());
        click(second, "btnRound");
        QCOMPARE(log(second), QString("Runde 4: 00:00:00:00"));
    }

    void folderChooser()
    {
        WorkingFolder folder;
        folder.writeSetting("tivora_lang.txt", "1");
        QVERIFY(QDir().mkpath("out"));
        BoxWatcher boxes;
        Stopwatch dialog;
        boxes.answerFileDialog(folder.absolute("out"));
        click(dialog, "btnSaveFile");
        QCOMPARE(boxes.fileDialogsSeen(), 1);
        QCOMPARE(child<QLineEdit>(dialog, "tbFilepath")->text(), folder.absolute("out"));
        boxes.answerFileDialog(QString());
        click(dialog, "btnSaveFile");
        QCOMPARE(child<QLineEdit>(dialog, "tbFilepath")->text(), QString());
    }

    void exportThroughTheWindow_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("written");
        const QStringList en{"Export successful"};
        const QStringList no{"Eksportering vellykket"};
        const QStringList enFail{"Export failed"};
        const QStringList noFail{"Eksportering mislyktes"};
        QTest::newRow("english") << QByteArray("1") << "out"
                                 << "laps" << en << true;
        QTest::newRow("norwegian") << QByteArray("2") << "out"
                                   << "laps" << no << true;
        QTest::newRow("other code") << QByteArray("5") << "out"
                                    << "laps" << QStringList{"Language error"} << true;
        QTest::newRow("empty folder") << QByteArray("1") << ""
                                      << "laps" << enFail << false;
        QTest::newRow("empty name") << QByteArray("2") << "out"
                                    << "" << noFail << false;
        QTest::newRow("missing folder") << QByteArray("1") << "gone"
                                        << "laps" << enFail << false;
        QTest::newRow("file as folder") << QByteArray("2") << "plain"
                                        << "laps" << noFail << false;
        QTest::newRow("failure, other code") << QByteArray("0") << "gone"
                                             << "laps" << QStringList{"Language error"} << false;
    }

    void exportThroughTheWindow()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QStringList, boxes);
        QFETCH(bool, written);
        WorkingFolder work;
        work.writeSetting("tivora_lang.txt", language);
        work.write("plain", "x");
        QVERIFY(QDir().mkpath("out"));
        BoxWatcher watcher;
        Stopwatch dialog;
        QTest::keyClicks(child<QLineEdit>(dialog, "tbFileName"), name);
        child<QLineEdit>(dialog, "tbFilepath")
            ->setText(folder.isEmpty() ? folder : work.absolute(folder));
        click(dialog, "btnExport");
        QCOMPARE(watcher.titles(), boxes);
        if (boxes.last() == "Export failed")
            QCOMPARE(watcher.seen().last().text,
                     QString("Could not export the round log. Please choose a folder and a file "
                             "name you can write to."));
        if (boxes.last() == "Eksportering mislyktes")
            QCOMPARE(watcher.seen().last().text,
                     QString("Kunne ikke eksportere rundeloggen. Vennligst velg en mappe og et "
                             "filnavn du kan skrive til."));
        if (boxes.last() == "Export successful")
            QCOMPARE(watcher.seen().last().text,
                     QString("You have successfully exported the round log."));
        if (boxes.last() == "Eksportering vellykket")
            QCOMPARE(watcher.seen().last().text,
                     QString::fromUtf8("Du har eksportert rundeloggen på vellykket vis."));
        QCOMPARE(watcher.seen().last().icon,
                 boxes.last().contains("Export") || boxes.last().contains("Eksport")
                     ? (written ? QMessageBox::Information : QMessageBox::Critical)
                     : QMessageBox::Critical);
        QCOMPARE(work.exists("out/laps.txt"), written);
        QVERIFY(!QFile::exists("/laps.txt"));
        QCOMPARE(child<QLineEdit>(dialog, "tbFileName")->text(), name);
    }

    void exportThreeRoundsExactBytes()
    {
        WorkingFolder work;
        work.writeSetting("tivora_lang.txt", "1");
        QVERIFY(QDir().mkpath("out"));
        BoxWatcher watcher;
        Stopwatch dialog;
        click(dialog, "btnStart");
        for (qint64 step : {1'250, 1'000, 58'000}) {
            fakeNow += step;
            tick(dialog);
            click(dialog, "btnRound");
        }
        QTest::keyClicks(child<QLineEdit>(dialog, "tbFileName"), "laps.txt");
        child<QLineEdit>(dialog, "tbFilepath")->setText(work.absolute("out"));
        click(dialog, "btnExport");
        QCOMPARE(work.read("out/laps.txt.txt"),
                 QByteArray("Round 1: 00:00:01:20\nRound 2: 00:00:02:20\nRound 3: 00:01:00:20"));
        QCOMPARE(watcher.titles(), QStringList{"Export successful"});
        click(dialog, "btnClearLog");
        click(dialog, "btnRound");
        click(dialog, "btnExport");
        QCOMPARE(work.read("out/laps.txt.txt"), QByteArray("Round 1: 00:01:00:20"));
        QCOMPARE(QDir(work.absolute("out")).entryList(QDir::Files), QStringList{"laps.txt.txt"});
    }

    void exportEmptyLog()
    {
        WorkingFolder work;
        work.writeSetting("tivora_lang.txt", "1");
        BoxWatcher watcher;
        Stopwatch dialog;
        QTest::keyClicks(child<QLineEdit>(dialog, "tbFileName"), "empty");
        child<QLineEdit>(dialog, "tbFilepath")->setText(work.path());
        click(dialog, "btnExport");
        QVERIFY(work.exists("empty.txt"));
        QCOMPARE(work.read("empty.txt"), QByteArray());
        QCOMPARE(watcher.titles(), QStringList{"Export successful"});
    }
};

QTEST_MAIN(TestStopwatch)
#include "tst_stopwatch.moc"
