#include "stopwatch/stopwatch.h"

#include "windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

qint64 fakeMs = 0;

void click(const Stopwatch &dialog, const char *button)
{
    child<QAbstractButton>(&dialog, button)->click();
}

// The four clock labels after a display tick, and the round log.
QString shown(Stopwatch &dialog)
{
    QMetaObject::invokeMethod(&dialog, "showTime");
    QStringList texts;
    for (const char *name : {"lblHours", "lblMinutes", "lblSeconds", "lblMilliseconds"})
        texts << child<QLabel>(&dialog, name)->text();
    return texts.join(QLatin1Char(':')) + QLatin1Char('|') +
           child<QPlainTextEdit>(&dialog, "plainTextEdit")->toPlainText();
}

} // namespace

class TestStopwatch : public WindowTest
{
    Q_OBJECT

    void start() override
    {
        stopwatchhooks::reset();
        stopwatchhooks::setClock([] { return fakeMs; });
        put(setting("lang"), "1");
    }
    void stop() override { stopwatchhooks::reset(); }

private slots:
    void keepsItsTimeAndRoundsAcrossOpenings()
    {
        {
            Stopwatch first;
            click(first, "btnStart");
            fakeMs += 3500;
            click(first, "btnRound");
            QCOMPARE(shown(first), QStringLiteral("00:00:03:50|Round 1: 00:00:00:00"));
            click(first, "btnRound");
        }
        fakeMs += 10000; // closed: not counted
        Stopwatch second;
        click(second, "btnStart");
        fakeMs += 1200;
        QCOMPARE(shown(second), QStringLiteral("00:00:04:70|"));
        click(second, "btnPause");
        fakeMs += 5000;
        click(second, "btnRound");
        QCOMPARE(shown(second), QStringLiteral("00:00:04:70|Round 3: 00:00:04:70"));
        click(second, "btnClearLog");
        click(second, "btnStop");
        click(second, "btnRound");
        QCOMPARE(shown(second), QStringLiteral("00:00:00:00|Round 1: 00:00:00:00"));
    }

    void exportSaysHowItWent_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::newRow("English") << QByteArray("1") << "laps"
                                 << "Export successful|You have successfully exported the round "
                                    "log.";
        QTest::newRow("Norwegian failure")
            << QByteArray("2") << "laps.txt"
            << "Eksportering mislyktes|Kunne ikke eksportere rundeloggen. Vennligst velg en mappe "
               "og et filnavn du kan skrive til.";
        QTest::newRow("no language") << QByteArray("0") << "laps"
                                     << "Language error|Failed to load language, please try again.";
    }

    void exportSaysHowItWent()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, name);
        QFETCH(QString, box);
        put(setting("lang"), language);
        put(QStringLiteral("laps.txt"), "old");
        QDir().mkpath(QStringLiteral("laps.txt.txt"));
        Stopwatch dialog;
        child<QPlainTextEdit>(&dialog, "plainTextEdit")->setPlainText(QStringLiteral("Runde 1"));
        child<QLineEdit>(&dialog, "tbFileName")->setText(name);
        child<QLineEdit>(&dialog, "tbFilepath")->setText(folder->path());
        click(dialog, "btnExport");
        QCOMPARE(boxes, QStringList{box});
        QCOMPARE(get(QStringLiteral("laps.txt")), QByteArray(name == "laps" ? "Runde 1" : "old"));
    }
};

QTEST_MAIN(TestStopwatch)
#include "tst_stopwatch.moc"
