#include "stopwatch/roundlog.h"
#include "stopwatch/timekeeper.h"

#include <QtTest>

class TestTimeKeeper : public QObject
{
    Q_OBJECT

private slots:
    // Time is measured from the clock, not counted from ticks: stalls, pauses and a
    // clock that steps back neither add nor lose any.
    void measuredTime()
    {
        qint64 now = 1000;
        TimeKeeper keeper([&now] { return now; });
        keeper.start();
        now += 2300;
        keeper.start();
        keeper.pause();
        now += 60000;
        QCOMPARE(keeper.elapsedMilliseconds(), 2300);
        keeper.start();
        now -= 500;
        QCOMPARE(keeper.elapsedMilliseconds(), 2300);
        now += 1700;
        QCOMPARE(keeper.elapsedMilliseconds(), 3500);
        keeper.stop();
        QVERIFY(!keeper.isRunning() && keeper.elapsedMilliseconds() == 0);
    }
    void clockTexts_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("round"); // the round line its clock texts give
        QTest::newRow("zero, English") << qint64(0) << "Round 7: 00:00:00:0";
        QTest::newRow("a whole second") << qint64(1099) << "Round 7: 00:00:01:0";
        QTest::newRow("tenths floor") << qint64(3999) << "Round 7: 00:00:03:90";
        QTest::newRow("carries") << qint64(3723450) << "Round 7: 01:02:03:40";
        QTest::newRow("hours past two digits") << qint64(360000000) << "Round 7: 100:00:00:0";
    }
    void clockTexts()
    {
        QFETCH(qint64, ms);
        QTEST(*roundLine(1, 7, clockTextsOf(ms)), "round");
        QCOMPARE(*roundLine(2, 12, clockTextsOf(0)), QStringLiteral("Runde 12: 00:00:00:0"));
        QVERIFY(!roundLine(0, 1, clockTextsOf(0)) && !roundLine(3, 1, clockTextsOf(0)));
    }
};

QTEST_GUILESS_MAIN(TestTimeKeeper)
#include "tst_timekeeper.moc"
