#include "alarm/alarm.h"

#include "folder.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QDateTime fakeNow;

QDateTime may1(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2024, 5, 1), QTime(h, m, s, ms));
}

// The alarm as "time|reason|description|armed", armed as x, - or empty when never set.
QString fields(const Alarm &alarm)
{
    const auto armed = alarm.armed();
    return QStringList{alarm.time().toString(Qt::ISODate), QString::number(alarm.reason()),
                       alarm.description(), armed ? QLatin1String(*armed ? "x" : "-") : QString()}
        .join(QLatin1Char('|'));
}

} // namespace

// The alarm the program owns, on a clock the test sets, in a fresh working folder.
class TestAlarm : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;

    std::unique_ptr<Alarm> make()
    {
        return std::make_unique<Alarm>(alarmfile::kPath, [] { return fakeNow; });
    }

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        fakeNow = may1(7, 0, 0);
    }
    void cleanup() { folder.reset(); }

    // A file edited by hand, damaged or too large keeps the defaults of what it does not hold,
    // and stays as it is until the alarm changes.
    void keptFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read");
        QTest::newRow("none") << QByteArray() << "00:00:00|0||";
        QTest::newRow("empty") << QByteArray("") << "00:00:00|0||";
        QTest::newRow("binary") << QByteArray("\0\xff[\x01=\n\xfe@", 8) << "00:00:00|0||";
        QTest::newRow("oversized") << "armed=true\n" + QByteArray(70000, ' ') << "00:00:00|0||";
        QTest::newRow("nonsense") << QByteArray("time=25:00:00\nreason=2\narmed=1\ndescription=Hei")
                                  << "00:00:00|0|Hei|";
        QTest::newRow("kept") << QByteArray("[General]\ntime=08:15:00\nreason=1\narmed=false")
                              << "08:15:00|1||-";
    }
    void keptFiles()
    {
        QFETCH(QByteArray, file);
        put(alarmfile::kPath, file);
        auto alarm = make();
        QSignalSpy rang(alarm.get(), &Alarm::rang);
        QTEST(fields(*alarm), "read");
        alarm->start();
        fakeNow = QDateTime(QDate(2024, 5, 2), QTime(8, 15)); // never armed: silent
        alarm->tick();
        QTest::qWait(Alarm::kSaveDelayMs + 100);
        QVERIFY(rang.isEmpty());
        QCOMPARE(get(alarmfile::kPath), file);
        alarm->setTime(QTime(9, 0));
        QTRY_COMPARE(alarmfile::read().time, QTime(9, 0));
    }
    // A change is saved after a short delay, together with what follows it, and a change still
    // waiting is saved when the alarm goes with the program.
    void savesItsChanges()
    {
        auto alarm = make();
        QSignalSpy changed(alarm.get(), &Alarm::changed);
        alarm->setDescription(QStringLiteral("Første linje\nandre = ; #\n\ttredje"));
        alarm->setReason(1);
        alarm->setReason(0);
        alarm->setReason(2); // no such reason
        alarm->setReason(-1);
        alarm->setReason(1);
        alarm->setArmed(true);
        QCOMPARE(changed.count(), 5);
        QVERIFY(!QFile::exists(alarmfile::kPath));
        QTRY_VERIFY(QFile::exists(alarmfile::kPath));
        // Saved once: a file edited by hand afterwards stays as it is.
        put(alarmfile::kPath, "edited");
        QTest::qWait(2 * Alarm::kSaveDelayMs);
        QCOMPARE(get(alarmfile::kPath), QByteArray("edited"));
        alarm->setTime(QTime(6, 30));
        alarm.reset();
        QCOMPARE(fields(*make()),
                 QStringLiteral("06:30:00|1|Første linje\nandre = ; #\n\ttredje|x"));
    }
    // A save that fails says so, makes no folder, and the next change tries again.
    void saveFailures()
    {
        auto alarm = make();
        QSignalSpy changed(alarm.get(), &Alarm::changed);
        QDir(QStringLiteral("data")).removeRecursively();
        alarm->setArmed(true);
        QTRY_VERIFY(alarm->saveFailed());
        QCOMPARE(changed.count(), 2);
        QVERIFY(!QFile::exists(QStringLiteral("data")));
        QDir().mkpath(QStringLiteral("data/settings"));
        alarm->setArmed(false);
        QTRY_VERIFY(!alarm->saveFailed());
        QCOMPARE(changed.count(), 4);
    }
    // Armed or set to the second it is in, it rings at once; snoozed, it rings again after the
    // interval; each answer ends the ring.
    void ringsAndSnoozes()
    {
        auto alarm = make();
        QSignalSpy rang(alarm.get(), &Alarm::rang), ended(alarm.get(), &Alarm::ended),
            ticked(alarm.get(), &Alarm::ticked), changed(alarm.get(), &Alarm::changed);
        alarm->setTime(QTime(7, 30));
        fakeNow = may1(7, 30, 0, 400);
        alarm->setArmed(true); // not ticking yet: it waits for its first tick
        QVERIFY(rang.isEmpty() && ticked.isEmpty());
        alarm->start();
        QCOMPARE(rang.count(), 1);
        QCOMPARE(ticked.takeFirst().value(0).toDateTime(), fakeNow);
        alarm->setSnoozeInterval(2 * 60 * 1000);
        changed.clear();
        alarm->snooze();
        QCOMPARE(alarm->snoozedUntil(), may1(7, 32, 0, 400));
        fakeNow = may1(7, 39, 0);
        alarm->tick();
        QVERIFY(!alarm->snoozedUntil().isValid());
        alarm->tick();
        QCOMPARE(changed.count(), 2); // snoozed, then its ring came
        alarm->stop();
        QCOMPARE(ended.count(), 2);
        alarm->setTime(QTime(7, 39)); // the second it is in
        QCOMPARE(rang.count(), 3);
        QCOMPARE(rang[1].value(0).toBool(), false); // the snooze came over five minutes late
        QCOMPARE(rang[2].value(0).toBool(), true);
        // Its own timer ticks it just after each second.
        fakeNow = may1(7, 39, 1);
        QTRY_COMPARE(ticked.last().value(0).toDateTime(), may1(7, 39, 1));
    }
    // With no clock shown it sleeps until its ring is due, not waking each second, and still
    // rings on time; shown again, it ticks each second.
    void sleepsUntilItRings()
    {
        Alarm alarm; // on the system's clock
        QSignalSpy ticked(&alarm, &Alarm::ticked), rang(&alarm, &Alarm::rang);
        alarm.setClockShown(false);
        alarm.start();
        const QTime soon = QTime::currentTime().addSecs(2);
        alarm.setTime(QTime(soon.hour(), soon.minute(), soon.second()));
        alarm.setArmed(true);
        QCOMPARE(ticked.count(), 3); // started, and each change looks again
        QVERIFY(rang.wait(4000));
        QCOMPARE(ticked.count(), 4);
        QCOMPARE(rang.takeFirst().value(0).toBool(), true);
        alarm.setClockShown(true);
        QTRY_VERIFY(ticked.count() >= 7);
    }
};

QTEST_GUILESS_MAIN(TestAlarm)
#include "tst_alarm.moc"
