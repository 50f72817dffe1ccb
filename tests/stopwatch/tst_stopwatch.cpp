#include "stopwatch/stopwatch.h"

#include "windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

qint64 fakeMs = 0;

// Presses the buttons in turn, then shows the clock after a display tick and the round log.
QString press(Stopwatch &dialog, const QString &buttons)
{
    for (const QString &button : buttons.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        child<QAbstractButton>(&dialog, qPrintable(button))->click();
    QMetaObject::invokeMethod(&dialog, "showTime");
    return shown(&dialog,
                 QStringLiteral("lblHours lblMinutes lblSeconds lblMilliseconds plainTextEdit"));
}

} // namespace

class TestStopwatch : public WindowTest
{
    Q_OBJECT

    void start() override
    {
        stopwatchhooks::reset();
        stopwatchhooks::setClock([] { return fakeMs; });
        putSettings("lang", "1");
    }
    void stop() override { stopwatchhooks::reset(); }

private slots:
    void keepsItsTimeAndRoundsAcrossOpenings()
    {
        {
            Stopwatch first;
            press(first, "btnStart");
            fakeMs += 3500;
            QCOMPARE(press(first, ""), "00|00|03|50|");
            QCOMPARE(press(first, "btnRound btnRound"),
                     "00|00|03|50|Round 1: 00:00:03:50\nRound 2: 00:00:03:50");
        }
        fakeMs += 10000; // closed: not counted
        Stopwatch second;
        QCOMPARE(press(second, ""), "00|00|03|50|");
        press(second, "btnStart");
        fakeMs += 3723450 - 3500;
        QCOMPARE(press(second, ""), "01|02|03|40|");
        fakeMs += 5000;
        QCOMPARE(press(second, "btnPause btnRound"), "01|02|08|40|Round 3: 01:02:08:40");
        fakeMs += 5000;
        QCOMPARE(press(second, "btnClearLog btnStop btnRound"), "00|00|00|00|Round 1: 00:00:00:00");
    }
    void exportFolderChooserStartsWhereTheLastExportWent()
    {
        qputenv("HOME", path().toUtf8());
        QDir().mkpath(QStringLiteral("Documents"));
        Stopwatch dialog;
        press(dialog, "btnSaveFile");
        child<QLineEdit>(&dialog, "tbFileName")->setText(QStringLiteral("laps"));
        child<QLineEdit>(&dialog, "tbFilepath")->setText(path() + QStringLiteral("/data"));
        press(dialog, "btnExport btnSaveFile");
        QCOMPARE(folders, QStringList({path() + "/Documents", path() + "/data"}));
        QCOMPARE(shown(&dialog, QStringLiteral("tbFilepath")), QString());
    }
    void exportSaysHowItWent_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("target"); // folder|name, the folder below the test's own
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("written"); // file|content
        const QString done =
            QStringLiteral("Export successful|You have successfully exported the round log.");
        QTest::newRow("English") << QByteArray("1") << "|laps" << done << "laps.txt|Runde 1";
        QTest::newRow("no second .txt")
            << QByteArray("1") << "|laps.TXT" << done << "laps.TXT|Runde 1";
        QTest::newRow("Norwegian failure")
            << QByteArray("2") << "/laps.txt|laps"
            << "Eksportering mislyktes|Kunne ikke eksportere rundeloggen. Vennligst velg en mappe "
               "og et filnavn du kan skrive til."
            << "laps.txt|old";
        QTest::newRow("no language") << QByteArray("0") << "|laps"
                                     << "Language error|Failed to load language, please try again."
                                     << "laps.txt|Runde 1";
    }
    void exportSaysHowItWent()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, target);
        QFETCH(QString, written);
        putSettings("lang", language);
        put(QStringLiteral("laps.txt"), "old");
        Stopwatch dialog;
        child<QPlainTextEdit>(&dialog, "plainTextEdit")->setPlainText(QStringLiteral("Runde 1"));
        child<QLineEdit>(&dialog, "tbFilepath")
            ->setText(path() + target.section(QLatin1Char('|'), 0, 0));
        child<QLineEdit>(&dialog, "tbFileName")->setText(target.section(QLatin1Char('|'), 1));
        press(dialog, "btnExport");
        QTEST(boxes.join(QString()), "box");
        QCOMPARE(get(written.section(QLatin1Char('|'), 0, 0)),
                 written.section(QLatin1Char('|'), 1).toUtf8());
    }
};

QTEST_MAIN(TestStopwatch)
#include "tst_stopwatch.moc"
