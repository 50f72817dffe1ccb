#include "alarm/alarmclock.h"

#include <QtTest>

namespace {

using Ring = AlarmClock::Ring;

// A step is "yyyy-MM-dd hh:mm:ss[.zzz] X" in local time, or "+N X" for N
// real seconds after the previous step; X is the expected ring: - none,
// S with sound, Q silent.
struct Step
{
    QDateTime at;
    Ring ring;
};

QList<Step> parse(const QStringList &steps)
{
    QList<Step> list;
    QDateTime last;
    for (const QString &step : steps) {
        const int space = step.lastIndexOf(QLatin1Char(' '));
        const QString when = step.left(space);
        const QChar mark = step.at(space + 1);
        QDateTime at;
        if (when.startsWith(QLatin1Char('+')))
            at = last.addMSecs(qint64(when.mid(1).toDouble() * 1000));
        else
            at = QDateTime::fromString(when, when.contains(QLatin1Char('.'))
                                                 ? QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")
                                                 : QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        const Ring ring = mark == QLatin1Char('S')   ? Ring::WithSound
                          : mark == QLatin1Char('Q') ? Ring::Silent
                                                     : Ring::None;
        list << Step{at, ring};
        last = at;
    }
    return list;
}

const char *name(Ring ring)
{
    switch (ring) {
    case Ring::None:
        return "none";
    case Ring::WithSound:
        return "with sound";
    case Ring::Silent:
        return "silent";
    }
    return "?";
}

} // namespace

class TestAlarmClock : public QObject
{
    Q_OBJECT

private slots:
    void armedTicks_data();
    void armedTicks();
    void disarmedNeverRings();
    void armingDuringTheAlarmSecondRings();
    void armingAfterTheMomentDoesNotRing();
    void aMomentBeforeTheFirstTickNeverRings();
    void settingANewTimeArmsItAgain();
    void settingAPassedTimeDoesNotRing();
    void settingTheSameTimeBackDoesNotRingTwice();
    void rearmingInTheSameSecondDoesNotRingTwice();
};

void TestAlarmClock::armedTicks_data()
{
    QTest::addColumn<QTime>("alarm");
    QTest::addColumn<QStringList>("steps");

    const QTime half(7, 30);
    QTest::newRow("on time") << half
                             << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:30:00 S",
                                            "2024-05-01 07:30:01 -"};
    QTest::newRow("late in its second")
        << half
        << QStringList{"2024-05-01 07:29:59.998 -", "2024-05-01 07:30:00.999 S",
                       "2024-05-01 07:30:01.001 -"};
    QTest::newRow("ticks inside the ringing second")
        << half
        << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:30:00 S", "+0.1 -", "+0.4 -",
                       "+0.499 -"};
    QTest::newRow("midnight") << QTime(0, 0)
                              << QStringList{"2024-12-31 23:59:59 -", "2025-01-01 00:00:00 S",
                                             "2025-01-01 00:00:01 -"};
    QTest::newRow("leap day midnight")
        << QTime(0, 0) << QStringList{"2024-02-28 23:59:59.500 -", "2024-02-29 00:00:00.500 S"};
    QTest::newRow("two-second stall across it")
        << half << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:30:01 S", "+1 -"};
    QTest::newRow("five minutes late still sounds")
        << half << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:35:00 S"};
    QTest::newRow("a moment past five minutes is silent")
        << half << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:35:00.001 Q"};
    QTest::newRow("one-hour suspend")
        << half << QStringList{"2024-05-01 06:45:00 -", "2024-05-01 07:45:00 Q", "+1 -"};
    QTest::newRow("suspend ending at its second")
        << half << QStringList{"2024-05-01 06:30:00 -", "2024-05-01 07:30:00 S"};
    QTest::newRow("two days asleep ring once")
        << half
        << QStringList{"2024-05-01 08:00:00 -", "2024-05-03 09:00:00 Q", "+1 -",
                       "2024-05-04 07:29:59 -", "2024-05-04 07:30:00 S"};
    QTest::newRow("clock set back an hour rings once")
        << half
        << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:30:00 S", "2024-05-01 07:59:59 -",
                       "2024-05-01 06:59:59 -", "2024-05-01 07:29:59 -", "2024-05-01 07:30:00 -",
                       "2024-05-01 07:30:01 -"};
    QTest::newRow("clock set back before it rang")
        << half
        << QStringList{"2024-05-01 07:20:00 -", "2024-05-01 06:20:00 -", "2024-05-01 07:29:59 -",
                       "2024-05-01 07:30:00 S"};
    QTest::newRow("clock set back across midnight")
        << QTime(0, 0)
        << QStringList{"2024-05-01 23:59:59 -", "2024-05-02 00:00:00 S", "+5 -",
                       "2024-05-01 23:59:59 -", "2024-05-02 00:00:00 -"};
    QTest::newRow("next day again")
        << half
        << QStringList{"2024-05-01 07:29:59 -", "2024-05-01 07:30:00 S", "2024-05-02 07:29:59 -",
                       "2024-05-02 07:30:00 S"};
    QTest::newRow("ticks every second for a minute around it")
        << QTime(12, 0, 30)
        << QStringList{"2024-05-01 12:00:00 -", "+1 -", "+1 -", "+27 -", "+1 S", "+1 -", "+29 -"};
    QTest::newRow("spring forward: alarm in the gap")
        << QTime(2, 30)
        << QStringList{"2024-03-31 01:59:59 -", "+1 S", "+1 -", "2024-03-31 03:30:00 -"};
    QTest::newRow("spring forward: an hour asleep across the gap")
        << QTime(2, 30) << QStringList{"2024-03-31 01:29:59 -", "+3600 Q"};
    QTest::newRow("fall back: the repeated hour rings once")
        << QTime(2, 30)
        << QStringList{
               "2024-10-27 02:29:59 -", "+1 S", "+1799 -", "+1 -", "+1799 -", "+1 -", "+1 -"};
}

void TestAlarmClock::armedTicks()
{
    QFETCH(QTime, alarm);
    QFETCH(QStringList, steps);

    const QByteArray tag(QTest::currentDataTag());
    const bool osloRules =
        QDateTime(QDate(2024, 3, 31), QTime(1, 59, 59)).addSecs(1).time() == QTime(3, 0);
    if ((tag.startsWith("spring forward") || tag.startsWith("fall back")) && !osloRules)
        QSKIP("needs TZ=Europe/Oslo");

    AlarmClock clock;
    QDateTime previous;
    for (const Step &step : parse(steps)) {
        QVERIFY(step.at.isValid());
        const Ring ring = clock.check(previous, step.at, alarm, true);
        QVERIFY2(ring == step.ring,
                 qPrintable(QStringLiteral("%1: %2, expected %3")
                                .arg(step.at.toString(Qt::ISODateWithMs), QLatin1String(name(ring)),
                                     QLatin1String(name(step.ring)))));
        previous = step.at;
    }
}

void TestAlarmClock::disarmedNeverRings()
{
    AlarmClock clock;
    const QDateTime before(QDate(2024, 5, 1), QTime(7, 29, 59));
    QCOMPARE(clock.check(QDateTime(), before, QTime(7, 30), false), Ring::None);
    QCOMPARE(clock.check(before, before.addSecs(1), QTime(7, 30), false), Ring::None);
    QCOMPARE(clock.check(before.addSecs(1), before.addSecs(2), QTime(7, 30), false), Ring::None);
}

void TestAlarmClock::armingDuringTheAlarmSecondRings()
{
    AlarmClock clock;
    const QDateTime first(QDate(2024, 5, 1), QTime(7, 30, 0, 200));
    QCOMPARE(clock.check(first.addSecs(-1), first, QTime(7, 30), false), Ring::None);
    QCOMPARE(clock.check(first, first.addMSecs(500), QTime(7, 30), true), Ring::WithSound);
    QCOMPARE(clock.check(first.addMSecs(500), first.addMSecs(700), QTime(7, 30), true), Ring::None);
}

void TestAlarmClock::armingAfterTheMomentDoesNotRing()
{
    AlarmClock clock;
    const QDateTime t(QDate(2024, 5, 1), QTime(7, 29, 59));
    QCOMPARE(clock.check(QDateTime(), t, QTime(7, 30), false), Ring::None);
    // Disarmed through the alarm second, armed just after it.
    QCOMPARE(clock.check(t, t.addSecs(1), QTime(7, 30), false), Ring::None);
    QCOMPARE(clock.check(t.addSecs(1), t.addSecs(2), QTime(7, 30), true), Ring::None);
    QCOMPARE(clock.check(t.addSecs(2), t.addSecs(3), QTime(7, 30), true), Ring::None);
    // ... and a stall while it was off is not caught up either.
    AlarmClock other;
    QCOMPARE(other.check(QDateTime(), t, QTime(7, 30), false), Ring::None);
    QCOMPARE(other.check(t, t.addSecs(5), QTime(7, 30), true), Ring::None);
}

void TestAlarmClock::aMomentBeforeTheFirstTickNeverRings()
{
    AlarmClock clock;
    const QDateTime start(QDate(2024, 5, 1), QTime(7, 30, 1));
    QCOMPARE(clock.check(QDateTime(), start, QTime(7, 30), true), Ring::None);
    QCOMPARE(clock.check(start, start.addSecs(1), QTime(7, 30), true), Ring::None);
}

void TestAlarmClock::settingANewTimeArmsItAgain()
{
    AlarmClock clock;
    const QDateTime t(QDate(2024, 5, 1), QTime(7, 29, 59));
    QCOMPARE(clock.check(QDateTime(), t, QTime(7, 30), true), Ring::None);
    QCOMPARE(clock.check(t, t.addSecs(1), QTime(7, 30), true), Ring::WithSound);
    QCOMPARE(clock.check(t.addSecs(1), t.addSecs(2), QTime(7, 45), true), Ring::None);
    const QDateTime later(QDate(2024, 5, 1), QTime(7, 44, 59));
    QCOMPARE(clock.check(t.addSecs(2), later, QTime(7, 45), true), Ring::None);
    QCOMPARE(clock.check(later, later.addSecs(1), QTime(7, 45), true), Ring::WithSound);
    QCOMPARE(clock.lastRing(), QDateTime(QDate(2024, 5, 1), QTime(7, 45), Qt::UTC));
}

void TestAlarmClock::settingAPassedTimeDoesNotRing()
{
    AlarmClock clock;
    const QDateTime t(QDate(2024, 5, 1), QTime(7, 40));
    QCOMPARE(clock.check(QDateTime(), t, QTime(7, 50), true), Ring::None);
    // The new time lies between the previous tick and now, but was set just now.
    QCOMPARE(clock.check(t, t.addSecs(5), QTime(7, 40, 2), true), Ring::None);
    QCOMPARE(clock.check(t.addSecs(5), t.addSecs(6), QTime(7, 40, 2), true), Ring::None);
}

void TestAlarmClock::settingTheSameTimeBackDoesNotRingTwice()
{
    AlarmClock clock;
    const QDateTime t(QDate(2024, 5, 1), QTime(7, 30));
    QCOMPARE(clock.check(t.addSecs(-1), t, QTime(7, 30), true), Ring::WithSound);
    QCOMPARE(clock.check(t, t.addMSecs(300), QTime(7, 31), true), Ring::None);
    QCOMPARE(clock.check(t.addMSecs(300), t.addMSecs(600), QTime(7, 30), true), Ring::None);
}

void TestAlarmClock::rearmingInTheSameSecondDoesNotRingTwice()
{
    AlarmClock clock;
    const QDateTime t(QDate(2024, 5, 1), QTime(7, 30));
    QCOMPARE(clock.check(t.addSecs(-1), t, QTime(7, 30), true), Ring::WithSound);
    QCOMPARE(clock.check(t, t.addMSecs(200), QTime(7, 30), false), Ring::None);
    QCOMPARE(clock.check(t.addMSecs(200), t.addMSecs(400), QTime(7, 30), true), Ring::None);
}

QTEST_MAIN(TestAlarmClock)
#include "tst_alarmclock.moc"
