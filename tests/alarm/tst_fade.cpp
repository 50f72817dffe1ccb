#include "alarm/fade.h"

#include <QtTest>

// A ring's sound rises from silence in equal steps of decibels, ten a second at most.
class TestFade : public QObject
{
    Q_OBJECT

private slots:
    void decibels_data()
    {
        QTest::addColumn<int>("fadeSeconds");
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<double>("decibels"); // 1: silent
        QTest::newRow("no fade: at once") << 0 << 0 << 0.0;
        QTest::newRow("silent as it starts") << 10 << 0 << 1.0;
        QTest::newRow("still silent within the first step") << 10 << 99 << 1.0;
        QTest::newRow("the first step: -40 dB and a little") << 10 << 100 << -39.6;
        QTest::newRow("a step holds until the next") << 10 << 199 << -39.6;
        QTest::newRow("halfway: halfway in decibels") << 10 << 5000 << -20.0;
        QTest::newRow("a quarter of five minutes") << 300 << 75000 << -30.0;
        QTest::newRow("the last step") << 10 << 9999 << -0.4;
        QTest::newRow("risen") << 10 << 10000 << 0.0;
        QTest::newRow("long after") << 10 << 600000 << 0.0;
    }
    void decibels()
    {
        QFETCH(int, fadeSeconds);
        QFETCH(int, elapsedMs);
        QFETCH(double, decibels);
        const auto level = fade::decibels(elapsedMs, fadeSeconds);
        QCOMPARE(level.value_or(1.0), decibels);
    }
};

QTEST_GUILESS_MAIN(TestFade)
#include "tst_fade.moc"
