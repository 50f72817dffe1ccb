#include "stopwatch/timekeeper.h"

#include <QtTest>

namespace {
qint64 fakeNow = 0;
qint64 fakeClock()
{
    return fakeNow;
}
} // namespace

class TestTimeKeeper : public QObject
{
    Q_OBJECT

private slots:
    void init() { fakeNow = 1'000'000; }

    void measuresRunningSegment()
    {
        TimeKeeper keeper(fakeClock);
        QCOMPARE(keeper.elapsedMilliseconds(), 0);
        keeper.start();
        fakeNow += 1234;
        QVERIFY(keeper.isRunning());
        QCOMPARE(keeper.elapsedMilliseconds(), 1234);
    }

    void startTwiceKeepsTheSegment()
    {
        TimeKeeper keeper(fakeClock);
        keeper.start();
        fakeNow += 700;
        keeper.start();
        fakeNow += 300;
        QCOMPARE(keeper.elapsedMilliseconds(), 1000);
    }

    void pauseFreezesAndStartResumes()
    {
        TimeKeeper keeper(fakeClock);
        keeper.start();
        fakeNow += 2370;
        keeper.pause();
        fakeNow += 600'000;
        QCOMPARE(keeper.elapsedMilliseconds(), 2370);
        keeper.pause();
        QCOMPARE(keeper.elapsedMilliseconds(), 2370);
        keeper.start();
        fakeNow += 30;
        QCOMPARE(keeper.elapsedMilliseconds(), 2400);
    }

    void stopClearsBoth()
    {
        TimeKeeper keeper(fakeClock);
        keeper.start();
        fakeNow += 500;
        keeper.pause();
        keeper.start();
        fakeNow += 500;
        keeper.stop();
        QVERIFY(!keeper.isRunning());
        QCOMPARE(keeper.elapsedMilliseconds(), 0);
        keeper.start();
        fakeNow += 40;
        QCOMPARE(keeper.elapsedMilliseconds(), 40);
    }

    void clockSteppingBackTakesNothingAway()
    {
        TimeKeeper keeper(fakeClock);
        keeper.start();
        fakeNow += 800;
        keeper.pause();
        keeper.start();
        fakeNow -= 5000;
        QCOMPARE(keeper.elapsedMilliseconds(), 800);
    }

    void switchingClocksMidRunKeepsTheTime()
    {
        qint64 other = 50;
        TimeKeeper keeper(fakeClock);
        keeper.start();
        fakeNow += 900;
        keeper.setClock([&other] { return other; });
        other += 100;
        QCOMPARE(keeper.elapsedMilliseconds(), 1000);
        keeper.setClock({});
        QVERIFY(keeper.elapsedMilliseconds() >= 1000);
    }

    void systemClockIsMonotonic()
    {
        const qint64 first = monotonicMilliseconds();
        QTest::qSleep(20);
        QVERIFY(monotonicMilliseconds() - first >= 19);
    }

    void fields_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << qint64(0) << "00:00:00:0";
        QTest::newRow("floored below a tenth") << qint64(99) << "00:00:00:0";
        QTest::newRow("one tenth") << qint64(100) << "00:00:00:10";
        QTest::newRow("9.9 s") << qint64(9'999) << "00:00:09:90";
        QTest::newRow("10 s") << qint64(10'000) << "00:00:10:0";
        QTest::newRow("59.9 s") << qint64(59'900) << "00:00:59:90";
        QTest::newRow("1 min") << qint64(60'000) << "00:01:00:0";
        QTest::newRow("59 min 59.9 s") << qint64(3'599'900) << "00:59:59:90";
        QTest::newRow("1 h") << qint64(3'600'000) << "01:00:00:0";
        QTest::newRow("99 h 59 min 59.9 s") << qint64(359'999'900) << "99:59:59:90";
        QTest::newRow("100 h") << qint64(360'000'000) << "100:00:00:0";
        QTest::newRow("10000 h") << qint64(36'000'000'000) << "10000:00:00:0";
        QTest::newRow("negative") << qint64(-500) << "00:00:00:0";
    }

    void fields()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, shown);
        const TimeFields f = timeFieldsOf(ms);
        QCOMPARE(twoDigitText(f.hours) + ':' + twoDigitText(f.minutes) + ':' +
                     twoDigitText(f.seconds) + ':' + hundredthsText(f.hundredths),
                 shown);
    }
};

QTEST_MAIN(TestTimeKeeper)
#include "tst_timekeeper.moc"
