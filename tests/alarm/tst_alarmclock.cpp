#include "alarm/alarmclock.h"

#include <QtTest>

// Each step is one tick, "[@hh:mm:ss] [#days] [!yyyy-MM-dd] [^yyyy-MM-ddThh:mm:ss] [off]
// [yyyy-MM-dd] hh:mm:ss[.zzz] X" or "... +N X" for N real seconds after the previous tick: @ sets
// a new alarm time (07:30 at first), # its days from then on as day numbers (1 Monday; none:
// once; every day at first), ! the day whose ring is skipped, ^ the last check of an earlier run
// to go on from, off ticks disarmed, a missing date is the previous tick's, X is the ring
// expected: - none, S with sound, Q silent, Sz with sound and then snoozed for ten minutes.
class TestAlarmClock : public QObject
{
    Q_OBJECT

private slots:
    void ticks_data()
    {
        QTest::addColumn<QStringList>("steps");
        const auto row = [](const char *tag, const QString &steps) {
            QTest::newRow(tag) << steps.split(QLatin1Char(','));
        };
        row("on time", "2024-05-01 07:29:59 -,07:30:00 S,07:30:01 -");
        row("midnight", "@00:00:00 2024-12-31 23:59:59.5 -,2025-01-01 00:00:00.5 S");
        row("five minutes late still sounds", "2024-05-01 07:29:59 -,07:35:00 S");
        row("a moment past five minutes is silent", "2024-05-01 07:29:59 -,07:35:00.001 Q");
        row("asleep a day across its time", "2024-05-01 07:00:00 -,2024-05-02 07:00:00 Q");
        row("two days asleep ring once",
            "2024-05-01 08:00:00 -,2024-05-03 09:00:00 Q,+1 -,2024-05-04 07:29:59 -,07:30:00 S");
        row("clock set back an hour rings once",
            "2024-05-01 07:29:59 -,07:30:00 S,07:59:59 -,06:59:59 -,07:29:59 -,07:30:00 -");
        row("next day again", "2024-05-01 07:29:59 -,07:30:00 S,2024-05-02 07:29:59 -,07:30:00 S");
        row("spring forward: alarm in the gap", "@02:30:00 2024-03-31 01:59:59 -,+1 S,+1 -");
        row("spring forward: an hour asleep across the gap",
            "@02:30:00 2024-03-31 01:29:59 -,+3600 Q");
        row("fall back: the repeated hour rings once",
            "@02:30:00 2024-10-27 02:29:59 -,+1 S,+1799 -,+1 -,+1799 -,+1 -,+1 -");
        row("no time never rings", "@ 2024-05-01 23:59:59 -,2024-05-02 00:00:00 -,+1 -");
        row("disarmed never rings", "off 2024-05-01 07:29:59 -,off 07:30:00 -,off +1 -");
        row("armed inside its second rings", "off 2024-05-01 07:30:00.2 -,+0.3 S,+0.2 -");
        row("armed after its second does not", "off 2024-05-01 07:29:59 -,off +1 -,+1 -");
        row("a new time rings again",
            "2024-05-01 07:29:59 -,07:30:00 S,@07:45:00 +1 -,07:44:59 -,07:45:00 S");
        row("a new time already passed does not ring",
            "@07:50:00 2024-05-01 07:40:00 -,@07:40:02 +5 -,+1 -");
        row("rearmed in the same second does not ring twice",
            "2024-05-01 07:30:00 S,off +0.2 -,+0.2 -");
        row("snoozed, and again",
            "2024-05-01 07:30:00 Sz,07:39:59 -,07:40:00 Sz,07:50:00.5 S,+1 -");
        row("snoozed across midnight",
            "@23:55:00 2024-05-01 23:55:00 Sz,2024-05-02 00:04:59 -,00:05:00 S");
        row("disarming cancels a snooze", "2024-05-01 07:30:00 Sz,off 07:31:00 -,07:40:00 -");
        row("a new time cancels a snooze",
            "2024-05-01 07:30:00 Sz,@08:00:00 07:31:00 -,07:40:00 -");
        row("a snooze five minutes late still sounds",
            "2024-05-01 07:30:00 Sz,07:39:59 -,07:45:00 S,+1 -");
        row("a snooze due while asleep is silent",
            "2024-05-01 07:30:00 Sz,07:39:00 -,07:46:00 Q,+1 -");
        // 2024-05-03 is a Friday.
        row("Monday to Friday over a weekend",
            "#12345 2024-05-03 07:29:59 -,07:30:00 S,2024-05-04 07:29:59 -,07:30:00 -,"
            "2024-05-05 07:30:00 -,2024-05-06 07:29:59 -,07:30:00 S");
        row("asleep from Friday morning to Monday: Friday's ring, silent",
            "#12345 2024-05-03 07:00:00 -,2024-05-06 06:00:00 Q,07:29:59 -,07:30:00 S");
        row("Saturday only, asleep until Monday",
            "#6 2024-05-04 07:00:00 -,2024-05-06 06:00:00 Q,+1 -");
        row("asleep over the days it does not ring",
            "#6 2024-05-04 08:00:00 -,2024-05-10 23:00:00 -");
        row("armed on a day it does not ring", "#2 off 2024-05-01 07:30:00.2 -,+0.3 -");
        // 2024-03-31 is a Sunday, and its 02:00 to 03:00 does not exist.
        row("Sunday only across spring forward",
            "@02:30:00 #7 2024-03-30 02:29:59 -,02:30:00 -,2024-03-31 01:59:59 -,+1 S,+1 -,"
            "2024-04-01 02:29:59 -,02:30:00 -");
        row("once rings on any day", "# 2024-05-04 07:29:59 -,07:30:00 S");
        row("a snooze of seven minutes on a weekday alarm",
            "#3 2024-05-01 07:30:00 S7,07:36:59 -,07:37:00 S,+1 -");
        row("Monday skipped, over a weekend",
            "#12345 !2024-05-06 2024-05-03 07:29:59 -,07:30:00 S,2024-05-06 07:29:59 -,"
            "07:30:00 -,+1 -,2024-05-07 07:29:59 -,07:30:00 S");
        row("asleep across a skipped ring: nothing to tell",
            "!2024-05-02 2024-05-01 08:00:00 -,2024-05-02 09:00:00 -,2024-05-03 07:30:00 S");
        row("armed in the second of a skipped ring",
            "!2024-05-01 off 2024-05-01 07:29:59 -,07:30:00 -");
        row("a snooze rings on a skipped day", "2024-05-01 07:30:00 Sz,!2024-05-01 07:40:00 S");
        // Started after Tivora was not running: the first check goes on from the last one kept.
        row("off across its time: missed", "^2024-05-01T06:00:00 2024-05-01 09:00:00 Q");
        row("started within five minutes of it: it sounds",
            "^2024-05-01T06:00:00 2024-05-01 07:35:00 S,+1 -");
        row("started before its time: it rings then",
            "^2024-05-01T08:00:00 2024-05-02 07:00:00 -,07:30:00 S");
        row("Monday to Friday, off from Friday evening to Monday: Monday's, missed",
            "#12345 ^2024-05-03T20:00:00 2024-05-06 07:40:00 Q");
        row("off across a skipped ring: nothing to tell",
            "!2024-05-02 ^2024-05-01T08:00:00 2024-05-02 09:00:00 -");
        row("off, but disarmed", "^2024-05-01T06:00:00 off 2024-05-01 09:00:00 -");
    }
    void ticks()
    {
        QFETCH(QStringList, steps);
        AlarmClock clock;
        QDateTime previous, now;
        QTime alarm(7, 30);
        days::Days days = days::kEveryDay;
        QDate skip;
        for (const QString &step : steps) {
            QStringList words = step.split(QLatin1Char(' '));
            const QString expected = words.takeLast();
            bool armed = !words.contains(QLatin1String("off"));
            for (const QString &word : words) {
                if (word.startsWith(QLatin1Char('@')))
                    alarm = QTime::fromString(word.mid(1), Qt::ISODate);
                else if (word.startsWith(QLatin1Char('#')))
                    days = *days::fromText(word.mid(1));
                else if (word.startsWith(QLatin1Char('!')))
                    skip = QDate::fromString(word.mid(1), Qt::ISODate);
                else if (word.startsWith(QLatin1Char('^'))) {
                    clock.resume(alarm, armed);
                    previous = QDateTime::fromString(word.mid(1), Qt::ISODate);
                } else if (word == QLatin1String("off"))
                    armed = false;
                else if (word.startsWith(QLatin1Char('+')))
                    now = previous.addMSecs(qRound64(word.toDouble() * 1000));
                else if (word.count(QLatin1Char('-')) == 2)
                    now.setDate(QDate::fromString(word, Qt::ISODate));
                else
                    now.setTime(QTime::fromString(word, Qt::ISODateWithMs));
            }
            const AlarmClock::Ring ring = clock.check(previous, now, alarm, armed, days, skip);
            // None, WithSound, Silent; a z after the ring snoozes it ten minutes, a number that
            // many.
            QVERIFY2(QString(QLatin1Char("-SQ"[int(ring)])) == expected.left(1), qPrintable(step));
            if (expected.endsWith(QLatin1Char('z')))
                clock.snooze(now, 10 * 60 * 1000);
            else if (expected.size() > 1)
                clock.snooze(now, expected.mid(1).toInt() * 60 * 1000);
            previous = now;
        }
    }
    // When a program that sleeps between rings must wake: its alarm's next wall-clock time, or
    // a snooze before it.
    void nextRing_data()
    {
        // now|[-]alarm[#days][!skipped day] (- disarmed)|snoozed until|expected, - none
        QTest::addColumn<QString>("row");
        QTest::newRow("later today") << "2024-05-01T07:00:00|07:30:00||2024-05-01T07:30:00";
        QTest::newRow("its second passed: tomorrow")
            << "2024-05-01T07:30:00|07:30:00||2024-05-02T07:30:00";
        QTest::newRow("in the spring gap: when it ends")
            << "2024-03-31T01:00:00|02:30:00||2024-03-31T03:00:00";
        QTest::newRow("a snooze first")
            << "2024-05-01T07:00:00|07:30:00|07:10:00|2024-05-01T07:10:00";
        QTest::newRow("a snooze after it")
            << "2024-05-01T07:00:00|07:30:00|07:40:00|2024-05-01T07:30:00";
        QTest::newRow("disarmed: never") << "2024-05-01T07:00:00|-07:30:00||-";
        QTest::newRow("no time: never") << "2024-05-01T07:00:00|||-";
        QTest::newRow("in the spring gap at its last minute: when it ends")
            << "2024-03-31T01:00:00|02:59:00||2024-03-31T03:00:00";
        QTest::newRow("Monday to Friday on a Friday evening: Monday")
            << "2024-05-03T20:00:00|07:30:00#12345||2024-05-06T07:30:00";
        QTest::newRow("Saturday only on a Thursday evening: Saturday")
            << "2024-05-02T20:00:00|07:30:00#6||2024-05-04T07:30:00";
        QTest::newRow("Monday to Friday on a Monday morning: that morning")
            << "2024-05-06T06:00:00|07:30:00#12345||2024-05-06T07:30:00";
        QTest::newRow("Sunday only, in the spring gap: when it ends")
            << "2024-03-30T12:00:00|02:30:00#7||2024-03-31T03:00:00";
        QTest::newRow("once, its time passed today: tomorrow")
            << "2024-05-01T08:00:00|07:30:00#||2024-05-02T07:30:00";
        QTest::newRow("Monday to Friday with Monday skipped, on a Friday evening: Tuesday")
            << "2024-05-03T20:00:00|07:30:00#12345!2024-05-06||2024-05-07T07:30:00";
        QTest::newRow("today skipped, before its time: tomorrow")
            << "2024-05-01T07:00:00|07:30:00!2024-05-01||2024-05-02T07:30:00";
        QTest::newRow("a snooze before the skipped ring")
            << "2024-05-01T07:00:00|07:30:00!2024-05-01|07:20:00|2024-05-01T07:20:00";
    }
    void nextRing()
    {
        QFETCH(QString, row);
        const QStringList fields = row.split(QLatin1Char('|'));
        const QDateTime now = QDateTime::fromString(fields[0], Qt::ISODate);
        AlarmClock clock;
        if (!fields[2].isEmpty())
            clock.snooze(now, now.time().msecsTo(QTime::fromString(fields[2], Qt::ISODate)));
        const QDate skip = QDate::fromString(fields[1].section(QLatin1Char('!'), 1), Qt::ISODate);
        const QString alarmDays = fields[1].section(QLatin1Char('!'), 0, 0);
        QString alarm = alarmDays.section(QLatin1Char('#'), 0, 0);
        const bool armed = !alarm.startsWith(QLatin1Char('-'));
        alarm.remove(QLatin1Char('-'));
        const days::Days days = alarmDays.contains(QLatin1Char('#'))
                                    ? *days::fromText(alarmDays.section(QLatin1Char('#'), 1))
                                    : days::kEveryDay;
        const QDateTime next =
            clock.nextRing(now, QTime::fromString(alarm, Qt::ISODate), armed, days, skip);
        QCOMPARE(next.isValid() ? next.toString(Qt::ISODate) : QStringLiteral("-"), fields[3]);
    }
};

QTEST_GUILESS_MAIN(TestAlarmClock)
#include "tst_alarmclock.moc"
