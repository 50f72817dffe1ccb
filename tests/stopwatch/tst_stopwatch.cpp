#include "stopwatch/stopwatch.h"
#include "stopwatch/stopwatchsession.h"

#include "windows.h"

#include <QSignalSpy>

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

qint64 fakeMs = 0;

// Presses the buttons in turn, then shows the clock after a display tick and the round log.
QString press(Stopwatch &dialog, const QString &buttons)
{
    for (const QString &button : buttons.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        child<QAbstractButton>(&dialog, qPrintable(button))->click();
    QSignalSpy tick(dialog.findChild<QTimer *>(), &QTimer::timeout);
    if (!tick.wait(1000))
        return QStringLiteral("no display tick");
    return shown(&dialog,
                 QStringLiteral("lblHours lblMinutes lblSeconds lblMilliseconds plainTextEdit"));
}

} // namespace

class TestStopwatch : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<StopwatchSession> session;

    void start() override
    {
        session = std::make_unique<StopwatchSession>([] { return fakeMs; });
        putSettings("lang", "1");
    }

private slots:
    void keepsItsTimeAndRoundsAcrossOpenings()
    {
        {
            Stopwatch first(*session);
            press(first, "btnStart");
            fakeMs += 3500;
            QCOMPARE(press(first, ""), "00|00|03|50|");
            QCOMPARE(press(first, "btnRound btnRound"),
                     "00|00|03|50|Round 1: 00:00:03:50\nRound 2: 00:00:03:50");
        }
        fakeMs += 10000; // closed: not counted
        Stopwatch second(*session);
        // It shows its time ten times a second, no more: an open stopwatch costs next to nothing.
        QSignalSpy ticks(second.findChild<QTimer *>(), &QTimer::timeout);
        QTest::qWait(300);
        QVERIFY2(ticks.count() <= 4, qPrintable(QString::number(ticks.count())));
        QCOMPARE(press(second, ""), "00|00|03|50|");
        press(second, "btnStart");
        fakeMs -= 500; // a clock that steps back takes no time away
        QCOMPARE(press(second, ""), "00|00|03|50|");
        fakeMs += 4203450 - 3000; // its own timer shows the time
        QTRY_COMPARE(
            shown(&second, QStringLiteral("lblHours lblMinutes lblSeconds lblMilliseconds")),
            QStringLiteral("01|10|03|40"));
        fakeMs += 5000;
        QCOMPARE(press(second, "btnPause btnRound"), "01|10|08|40|Round 3: 01:10:08:40");
        fakeMs += 5000; // paused: it holds
        QCOMPARE(press(second, ""), "01|10|08|40|Round 3: 01:10:08:40");
        QCOMPARE(press(second, "btnClearLog btnStop btnRound"), "00|00|00|00|Round 1: 00:00:00:00");
        press(second, "btnClearLog btnStart");
        fakeMs += 100 * 3600 * 1000;
        QCOMPARE(press(second, ""), "100|00|00|0|");
    }
    // Tab goes through the window as it reads: down the rows, and left to right within one.
    void tabFollowsTheLayout()
    {
        Stopwatch dialog(*session);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QRect previous;
        for (QWidget *widget = dialog.nextInFocusChain(); widget != &dialog;
             widget = widget->nextInFocusChain()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(&dialog))
                continue;
            const QRect at(widget->mapTo(&dialog, QPoint()), widget->size());
            QVERIFY2(at.top() >= previous.bottom() || at.left() >= previous.right(),
                     qPrintable(widget->objectName()));
            previous = at;
        }
    }
    // A round and an export in each language, to a file or a folder that cannot be written;
    // the folder chooser starts where the last export went, else in Documents.
    void roundAndExport_data()
    {
        // language|folder below the test's own|name|file|content (- none)|answer to a question
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("boxes");
        const QString done =
            QStringLiteral("Export successful|You have successfully exported the round log.");
        QTest::newRow("English") << "1||laps|laps.txt|Round 1: 00:00:00:00" << done;
        QTest::newRow("no second .txt") << "1||laps.TXT|laps.TXT|Round 1: 00:00:00:00" << done;
        QTest::newRow("Norwegian")
            << "2||laps|laps.txt|Runde 1: 00:00:00:00"
            << "Eksportering vellykket|Du har eksportert rundeloggen på vellykket vis.";
        QTest::newRow("Norwegian failure")
            << "2|/old.txt|laps|old.txt|old"
            << "Eksportering mislyktes|Kunne ikke eksportere rundeloggen. "
               "Vennligst velg en mappe og et filnavn du kan skrive til.";
        const QString refused = QStringLiteral(
            "Export failed|A file name cannot hold \"/\". Please choose a name without it; the "
            "round log is saved in the folder you chose.");
        QTest::newRow("out of the folder") << "1|/Documents|../escaped|escaped.txt|-" << refused;
        QTest::newRow("a slash") << "1||a/b|a/b.txt|-" << refused;
        QTest::newRow("Norwegian slash")
            << "2||a/b|a/b.txt|-"
            << "Eksportering mislyktes|Et filnavn kan ikke inneholde «/». Vennligst velg et navn "
               "uten det; rundeloggen lagres i mappen du valgte.";
        const QString failed =
            QStringLiteral("Export failed|Could not export the round log. Please choose a folder "
                           "and a file name you can write to.");
        QTest::newRow("blanks alone") << "1||   |   .txt|-" << failed;
        QTest::newRow("a dot alone") << "1||.|..txt|-" << failed;
        const QString tooLong = QString(252, QLatin1Char('x'));
        QTest::newRow("too long")
            << "1||" + tooLong + "|" + tooLong + ".txt|-"
            << "Export failed|The file name is too long. Please choose a shorter name.";
        QTest::newRow("Norwegian, too long in bytes")
            << "2||" + QString(126, QChar(0xe5)) + "|-|-"
            << "Eksportering mislyktes|Filnavnet er for langt. Vennligst velg et kortere navn.";
        QTest::newRow("as long as it can be")
            << "1||" + tooLong.left(251) + "|" + tooLong.left(251) + ".txt|Round 1: 00:00:00:00"
            << done;
        const QString replace =
            QStringLiteral("Replace file|old.txt already exists. Do you want to replace it?");
        QTest::newRow("an existing file kept") << "1||old|old.txt|old|No" << replace;
        QTest::newRow("an existing file replaced")
            << "1||old|old.txt|Round 1: 00:00:00:00|Yes" << replace + done;
        QTest::newRow("Norwegian replace")
            << "2||old|old.txt|old|Nei"
            << "Erstatt fil|old.txt finnes allerede. Vil du erstatte den?";
        QTest::newRow("no language")
            << "0||laps|laps.txt|"
            << "Language error|Failed to load language, please try again."
               "Ops!|Could not add item to the round log, please try again.";
    }
    void roundAndExport()
    {
        QFETCH(QString, row);
        putSettings("lang", row.section('|', 0, 0).toLatin1());
        put(QStringLiteral("old.txt"), "old");
        answers << row.section('|', 5);
        qputenv("HOME", path().toUtf8());
        QDir().mkpath(QStringLiteral("Documents"));
        Stopwatch dialog(*session);
        child<QLineEdit>(&dialog, "tbFilepath")->setText(path() + row.section('|', 1, 1));
        child<QLineEdit>(&dialog, "tbFileName")->setText(row.section('|', 2, 2));
        press(dialog, "btnRound btnExport btnSaveFile");
        QTEST(boxes.join(QString()), "boxes");
        const QString content = row.section('|', 4, 4);
        const bool exported = content != QLatin1String("old") && content != QLatin1String("-");
        QCOMPARE(folders.value(0),
                 exported ? path() + row.section('|', 1, 1) : path() + "/Documents");
        QCOMPARE(shown(&dialog, QStringLiteral("tbFilepath")), QString());
        const QString file = row.section('|', 3, 3);
        QCOMPARE(QFile::exists(file) ? QString::fromUtf8(get(file)) : "-", content);
    }
};

QTEST_MAIN(TestStopwatch)
#include "tst_stopwatch.moc"
