#include "alarm/alarmlist.h"
#include "kit/timerwakeup.h"

#include "folder.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QDateTime fakeNow;

// 2024-05-01 is a Wednesday.
QDateTime may(int day, int h, int m, int s = 0, int ms = 0)
{
    return QDateTime(QDate(2024, 5, day), QTime(h, m, s, ms));
}

// Each alarm as "time|days|reason|description|armed|sound|snooze", armed as x, - or empty
// when never set, ";" between alarms.
QString fields(const AlarmList &alarms)
{
    QStringList all;
    for (int i = 0; i < alarms.count(); ++i) {
        const Alarm &alarm = alarms.at(i);
        const auto armed = alarm.armed();
        all << QStringList{alarm.time().toString(Qt::ISODate),
                           days::toText(alarm.days()),
                           QString::number(alarm.reason()),
                           alarm.description(),
                           armed ? QLatin1String(*armed ? "x" : "-") : QString(),
                           alarm.sound(),
                           QString::number(alarm.snoozeMinutes())}
                   .join(QLatin1Char('|'));
    }
    return all.join(QLatin1Char(';'));
}

// The alarms that ring, as their time when they rang with a ! when silent, " " between them.
struct Heard : QString
{
    explicit Heard(const AlarmList &alarms)
    {
        QObject::connect(&alarms, &AlarmList::rang, [this](const Alarm *alarm, bool withSound) {
            *this += (isEmpty() ? QString() : QStringLiteral(" ")) +
                     alarm->time().toString(QStringLiteral("hh:mm")) +
                     QLatin1String(withSound ? "" : "!");
        });
    }
};

} // namespace

// The alarms the program owns, on a clock the test sets, in a fresh working folder.
class TestAlarm : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;

    std::unique_ptr<AlarmList> make()
    {
        return std::make_unique<AlarmList>(alarmfile::kPath, [] { return fakeNow; });
    }
    // A list of alarms "hh:mm:ss#days" each, armed.
    std::unique_ptr<AlarmList> armed(const QStringList &alarms)
    {
        auto list = make();
        for (int i = 0; i < alarms.size(); ++i) {
            Alarm &alarm = i == 0 ? list->at(0) : *list->add();
            alarm.setTime(QTime::fromString(alarms[i].section(QLatin1Char('#'), 0, 0)));
            alarm.setDays(*days::fromText(alarms[i].section(QLatin1Char('#'), 1)));
            alarm.setArmed(true);
        }
        return list;
    }

private slots:
    void initTestCase() { qRegisterMetaType<Alarm *>(); }
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        fakeNow = may(1, 7, 0);
    }
    void cleanup() { folder.reset(); }

    // A file written by the program, or by the release that kept one alarm, is read whole and
    // stays as it is until an alarm changes. A file that cannot be read whole (damaged, too
    // large, or with values that cannot be read) is moved aside under a name with the day
    // before anything is written, and what could be read is kept at once.
    void keptFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("unread"); // the values not read; "-" for a damaged file
        const QString none = QStringLiteral("00:00:00|1234567|0||||10");
        QTest::newRow("none") << QByteArray() << none << "";
        QTest::newRow("empty") << QByteArray("") << none << "";
        QTest::newRow("one alarm, as the last release kept it")
            << QByteArray("[General]\narmed=false\ndescription=Bus\nreason=1\nsound=/a.wav\n"
                          "time=08:15:00\n")
            << "08:15:00|1234567|1|Bus|-|/a.wav|10"
            << "";
        QTest::newRow("a list")
            << QByteArray("[alarms]\n1\\days=12345\n1\\time=07:00:00\n2\\armed=true\n2\\days=\n"
                          "2\\snooze=7\n2\\time=09:00:00\nsize=2\n\n[program]\n"
                          "toldAboutBackground=true\n")
            << "07:00:00|12345|0||||10;09:00:00||0||x||7"
            << "";
        QTest::newRow("binary") << QByteArray("\0\xff[\x01=\n\xfe@", 8) << none << "-";
        QTest::newRow("at signs as Tivora writes them")
            << QByteArray("[General]\ntime=07:00:00\ndescription=\"@@Bus, @ 7\"\n")
            << "07:00:00|1234567|0|@Bus, @ 7|||10"
            << "";
        // Decoded, it would ask for all the memory there is.
        QTest::newRow("a list item Qt would decode from a data stream")
            << QByteArray(
                   "[General]\ntime=07:00:00\ndescription=x, \\x40Variant(\\0\\0\\0\\tion=)\n")
            << none << "-";
        QTest::newRow("such a value after a key whose line end is escaped as a pair")
            << QByteArray("[General]\ntime=07:00:00\nk\\\n\r[=@Variant(\\0\\0\\0\\tion=)\n") << none
            << "-";
        QTest::newRow("text that is no alarm") << QByteArray("Handleliste:\nmelk\n") << none << "-";
        QTest::newRow("oversized, however good")
            << "[General]\narmed=true\n" + QByteArray(alarmfile::kMaxBytes, ' ') << none << "-";
        QTest::newRow("an hour that does not exist, which disarms it")
            << QByteArray("[General]\ntime=25:99\narmed=true\ndescription=Bus\n")
            << "00:00:00|1234567|0|Bus|-||10"
            << "time=25:99";
        QTest::newRow("nonsense")
            << QByteArray("time=07:00\nreason=2\narmed=1\ndescription=Hei\nsnooze=ti")
            << "00:00:00|1234567|0|Hei|||10"
            << "time=07:00|reason=2|armed=1|snooze=ti";
        QTest::newRow("a list claiming more than it holds, odd numbers and days")
            << QByteArray("[alarms]\n3\\time=03:00:00\n01\\time=01:00:00\n0\\time=00:00:01\n"
                          "2\\days=8\n2\\snooze=61\n9\\time=09:00:00\n9\\days=1, 2\n"
                          "size=1000000000\n")
            << "00:00:00|1234567|0||||10;03:00:00|1234567|0||||10;09:00:00|1234567|0||||10"
            << "2\\days=8|2\\snooze=61|9\\days=1, 2";
    }
    void keptFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, read);
        QFETCH(QString, unread);
        put(alarmfile::kPath, file);
        auto alarms = make();
        Heard heard(*alarms);
        QCOMPARE(fields(*alarms), read);
        const auto &told = alarms->unread();
        if (unread.isEmpty()) {
            QVERIFY(!told);
        } else {
            const QString aside = alarmfile::kPath + QStringLiteral(".damaged-2024-05-01");
            QCOMPARE(told->keptAs, aside);
            QCOMPARE(told->values.join(QLatin1Char('|')), unread == "-" ? QString() : unread);
            QCOMPARE(get(aside), file);
            // What could be read is kept whole; of a damaged file, nothing is written yet.
            if (unread == "-")
                QVERIFY(!QFile::exists(alarmfile::kPath));
            else
                QVERIFY(alarmfile::read().unreadable.isEmpty() &&
                        alarmfile::read().alarms.size() == alarms->count());
            file = get(alarmfile::kPath);
        }
        alarms->start();
        fakeNow = may(1, 8, 15); // unarmed alarms stay silent
        alarms->tick();
        QTest::qWait(AlarmList::kSaveDelayMs + 100);
        QCOMPARE(heard, QString());
        QCOMPARE(get(alarmfile::kPath), file);
        alarms->at(0).setTime(QTime(9, 0));
        QTRY_VERIFY(!alarmfile::read().alarms.isEmpty() &&
                    alarmfile::read().alarms[0].time == QTime(9, 0));
        // A second damaged file on the same day does not take the first one's place.
        if (unread == "-") {
            put(alarmfile::kPath, file.isEmpty() ? QByteArray("x") : QByteArray("\xff"));
            QCOMPARE(make()->unread()->keptAs,
                     alarmfile::kPath + QStringLiteral(".damaged-2024-05-01-2"));
        }
    }
    // A change is saved after a short delay, together with what follows it, and a change still
    // waiting is saved when the list goes with the program.
    void savesItsChanges()
    {
        auto alarms = make();
        QSignalSpy changed(alarms.get(), &AlarmList::changed);
        Alarm &first = alarms->at(0);
        // A byte-order mark where the file's text starts again after an escape is kept too.
        first.setDescription(QStringLiteral("\uFEFF"
                                            "Første linje\n\uFEFF"
                                            "andre = ; #\n\ttredje"));
        first.setReason(1);
        first.setReason(0);
        first.setReason(2); // no such reason
        first.setReason(-1);
        first.setReason(1);
        first.setArmed(true);
        first.setSnoozeMinutes(0);
        first.setSnoozeMinutes(61);
        first.setSnoozeMinutes(1);
        first.setSnoozeMinutes(60);
        first.setFadeSeconds(-1);
        first.setFadeSeconds(301);
        first.setFadeSeconds(300);
        QCOMPARE(changed.count(), 8);
        QVERIFY(!QFile::exists(alarmfile::kPath));
        QTRY_VERIFY(QFile::exists(alarmfile::kPath));
        // Saved once: a file edited by hand afterwards stays as it is.
        put(alarmfile::kPath, "edited");
        QTest::qWait(2 * AlarmList::kSaveDelayMs);
        QCOMPARE(get(alarmfile::kPath), QByteArray("edited"));
        first.setTime(QTime(6, 30));
        Alarm &second = *alarms->add();
        second.setDays(days::of(6) | days::of(7));
        second.setSound(QStringLiteral("/lyd/å.wav"));
        alarms.reset();
        QCOMPARE(fields(*make()), QStringLiteral("06:30:00|1234567|1|\uFEFF"
                                                 "Første linje\n\uFEFF"
                                                 "andre = ; #\n\ttredje|x||60;"
                                                 "00:00:00|67|0|||/lyd/å.wav|10"));
        QCOMPARE(make()->at(0).fadeSeconds(), 300);
    }
    // A save that fails says so, makes no folder, and the next change tries again; a list too
    // long to be read back is not written over the one kept.
    void saveFailures()
    {
        auto alarms = make();
        QSignalSpy changed(alarms.get(), &AlarmList::changed);
        QDir(QStringLiteral("data")).removeRecursively();
        alarms->at(0).setArmed(true);
        QTRY_VERIFY(alarms->saveFailed());
        QCOMPARE(changed.count(), 2);
        QVERIFY(!QFile::exists(QStringLiteral("data")));
        QDir().mkpath(QStringLiteral("data/settings"));
        alarms->at(0).setArmed(false);
        QTRY_VERIFY(!alarms->saveFailed());
        QCOMPARE(changed.count(), 4);
        const QByteArray kept = get(alarmfile::kPath);
        alarms->at(0).setDescription(QString(alarmfile::kMaxBytes, QLatin1Char('x')));
        QTRY_VERIFY(alarms->saveFailed());
        QCOMPARE(get(alarmfile::kPath), kept);
    }
    // 100 alarms with 2,000-character descriptions of three-byte characters come back whole.
    void aHundredLongAlarms()
    {
        auto alarms = make();
        const QString description(2000, QChar(0x20ac)); // €
        for (int i = 0; i < 100; ++i) {
            Alarm &alarm = i == 0 ? alarms->at(0) : *alarms->add();
            alarm.setTime(QTime(0, 0).addSecs(i * 61));
            alarm.setDescription(description + QString::number(i));
            alarm.setSound(QLatin1Char('/') + QString(4000, QLatin1Char('s')));
        }
        QVERIFY(alarms->isFull() && !alarms->add());
        const QString written = fields(*alarms);
        QVERIFY(alarms->save());
        QCOMPARE(make()->count(), 100);
        QCOMPARE(fields(*make()), written);
        // A file of more, however small each, is read up to a full list, which saves again.
        QByteArray many = "[alarms]\n";
        for (int i = 1; i <= 150; ++i)
            many += QByteArray::number(i) + "\\time=" + (i == 100 ? "10:00:00" : "00:00:01") + '\n';
        put(alarmfile::kPath, many + "size=150\n");
        alarms = make();
        QCOMPARE(alarms->count(), 100);
        QCOMPARE(alarms->at(99).time(), QTime(10, 0));
        QVERIFY(alarms->save() && alarmfile::read().alarms.size() == 100);
    }
    // Each alarm rings on its days, at its time; one for once disarms itself as it rings, and
    // a snooze brings it back once.
    void ringsOnItsDays()
    {
        auto alarms = armed({"07:00:00#12345", "09:00:00#6", "07:30:00#"});
        Heard heard(*alarms);
        fakeNow = may(3, 6, 0); // Friday
        alarms->start();
        QCOMPARE(alarms->next().alarm, &alarms->at(0));
        QCOMPARE(alarms->next().at, may(3, 7, 0));
        for (int day = 3; day <= 6; ++day) {
            for (const QTime &time : {QTime(7, 0), QTime(7, 30), QTime(9, 0), QTime(10, 0)}) {
                fakeNow = QDateTime(QDate(2024, 5, day), time);
                alarms->tick();
                if (day == 3 && time == QTime(7, 30)) {
                    // Disarmed on disk at once, not after the save's delay.
                    QVERIFY(!alarms->at(2).isArmed() &&
                            alarmfile::read().alarms.value(2).armed == false);
                    alarms->at(2).setSnoozeMinutes(7);
                    alarms->snooze(&alarms->at(2));
                    QVERIFY(alarms->at(2).isArmed());
                    // Armed for its snooze alone: a restart now does not bring it back.
                    QVERIFY(alarms->save() && alarmfile::read().alarms[2].armed == false);
                    fakeNow = fakeNow.addSecs(7 * 60);
                    alarms->tick();
                }
            }
        }
        QCOMPARE(heard, QStringLiteral("07:00 07:30 07:30 09:00 07:00"));
        QVERIFY(!alarms->at(2).isArmed());
        alarms.reset();
        QCOMPARE(alarmfile::read().alarms[2].armed, false);
    }
    // The days as a row of the list shows them.
    void daysInWords_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("norwegian");
        const auto row = [](const char *tag, const char *days, const char *english,
                            const char *norwegian) {
            QTest::newRow(tag) << QString::fromUtf8(days) << QString::fromUtf8(english)
                               << QString::fromUtf8(norwegian);
        };
        row("every day", "1234567", "Every day", "Hver dag");
        row("once", "", "Once", "Én gang");
        row("workdays", "12345", "Mon-Fri", "man.-fre.");
        row("the weekend", "67", "Sat, Sun", "lør., søn.");
        row("round the weekend", "1567", "Fri-Mon", "fre.-man.");
        row("apart", "135", "Mon, Wed, Fri", "man., ons., fre.");
    }
    void daysInWords()
    {
        QFETCH(QString, days);
        const days::Days set = *days::fromText(days);
        QTEST(days::describe(set, Language::English), "english");
        QTEST(days::describe(set, Language::Norwegian), "norwegian");
    }
    // An alarm for once, on its own: it disarms itself as it rings, and its snooze arms it for
    // that ring alone.
    void onceSnoozedOnItsOwn()
    {
        Alarm alarm;
        alarm.setTime(QTime(7, 30));
        alarm.setDays(days::kOnce);
        alarm.setArmed(true);
        QCOMPARE(alarm.check(may(1, 7, 29, 59), may(1, 7, 30)), AlarmClock::Ring::WithSound);
        QVERIFY(!alarm.isArmed());
        // Ticks go on, disarmed, while its box waits for an answer.
        QCOMPARE(alarm.check(may(1, 7, 30), may(1, 7, 31)), AlarmClock::Ring::None);
        alarm.setSnoozeMinutes(7);
        alarm.snooze(may(1, 7, 31));
        QVERIFY(alarm.isArmed());
        QCOMPARE(alarm.check(may(1, 7, 31), may(1, 7, 37, 59)), AlarmClock::Ring::None);
        QCOMPARE(alarm.check(may(1, 7, 37, 59), may(1, 7, 38)), AlarmClock::Ring::WithSound);
        QVERIFY(!alarm.isArmed());
    }
    // Two alarms due in the same second both ring; each answer ends its own ring.
    void twoInTheSameSecond()
    {
        auto alarms = armed({"07:30:00#1234567", "07:30:00#3", "08:00:00#3"});
        Heard heard(*alarms);
        QSignalSpy ended(alarms.get(), &AlarmList::ended);
        fakeNow = may(1, 7, 29, 59, 900);
        alarms->start();
        fakeNow = may(1, 7, 30, 0, 2);
        alarms->tick();
        QCOMPARE(heard, QStringLiteral("07:30 07:30"));
        QCOMPARE(alarms->ringing(), (QList<Alarm *>{&alarms->at(0), &alarms->at(1)}));
        alarms->stop(&alarms->at(1));
        QCOMPARE(alarms->ringing(), QList<Alarm *>{&alarms->at(0)});
        QCOMPARE(ended.takeFirst().value(0).value<Alarm *>(), &alarms->at(1));
        // Removed while it rings, its ring ends; the last alarm is never removed.
        alarms->remove(alarms->at(0));
        QVERIFY(alarms->ringing().isEmpty());
        QCOMPARE(ended.count(), 1);
        alarms->remove(alarms->at(0));
        alarms->remove(alarms->at(0));
        QCOMPARE(alarms->count(), 1);
        QCOMPARE(alarms->at(0).time(), QTime(8, 0));
    }
    // Armed or set to the second it is in, it rings at once; snoozed, it rings again after its
    // snooze length; each answer ends the ring.
    void ringsAndSnoozes()
    {
        auto alarms = make();
        Alarm &alarm = alarms->at(0);
        Heard heard(*alarms);
        QSignalSpy rang(alarms.get(), &AlarmList::rang), ended(alarms.get(), &AlarmList::ended),
            ticked(alarms.get(), &AlarmList::ticked), changed(alarms.get(), &AlarmList::changed);
        alarm.setTime(QTime(7, 30));
        fakeNow = may(1, 7, 30, 0, 400);
        alarm.setArmed(true); // not ticking yet: it waits for its first tick
        QVERIFY(rang.isEmpty() && ticked.isEmpty());
        alarms->start();
        QCOMPARE(rang.count(), 1);
        QCOMPARE(ticked.takeFirst().value(0).toDateTime(), fakeNow);
        alarm.setSnoozeMinutes(2);
        changed.clear();
        alarms->snooze(&alarm);
        QCOMPARE(alarm.snoozedUntil(), may(1, 7, 32, 0, 400));
        QCOMPARE(alarms->next().at, may(1, 7, 32, 0, 400));
        fakeNow = may(1, 7, 39, 0);
        alarms->tick();
        QVERIFY(!alarm.snoozedUntil().isValid());
        alarms->tick();
        QCOMPARE(changed.count(), 2); // snoozed, then its ring came
        alarms->stop(&alarm);
        QCOMPARE(ended.count(), 2);
        alarm.setTime(QTime(7, 39)); // the second it is in
        QCOMPARE(heard, QStringLiteral("07:30 07:30! 07:39"));
        // Disarmed while its box is open, a snooze does not bring it back.
        alarm.setArmed(false);
        alarms->snooze(&alarm);
        QVERIFY(!alarm.isArmed() && !alarm.snoozedUntil().isValid());
        // Its own timer ticks it just after each second.
        fakeNow = may(1, 7, 39, 1);
        QTRY_COMPARE(ticked.last().value(0).toDateTime(), may(1, 7, 39, 1));
    }
    // A repeating alarm skips its next ring, also across a restart, and rings again after it;
    // the next ring named is the one after the skipped one.
    void skipsItsNextRing()
    {
        fakeNow = may(3, 20, 0); // a Friday evening
        auto alarms = armed({"07:00:00#12345", "08:00:00#"});
        alarms->start();
        alarms->at(1).setSkipNext(true, fakeNow); // an alarm for once has no next to skip
        QVERIFY(!alarms->at(1).skippedRing().isValid());
        Alarm &weekdays = alarms->at(0);
        weekdays.setSkipNext(true, fakeNow);
        QCOMPARE(weekdays.skippedRing(), may(6, 7, 0));
        alarms->at(1).setArmed(false);
        QCOMPARE(alarms->next().at, may(7, 7, 0));
        alarms.reset(); // quit, and started again
        alarms = make();
        QCOMPARE(alarms->at(0).skippedRing(), may(6, 7, 0));
        Heard heard(*alarms);
        alarms->start();
        for (const QDateTime &at : {may(6, 6, 59, 59), may(6, 7, 0), may(6, 7, 0, 1)}) {
            fakeNow = at;
            alarms->tick();
        }
        QVERIFY(!alarms->at(0).skippedRing().isValid());
        QTRY_VERIFY(!alarmfile::read().alarms[0].skip.isValid());
        fakeNow = may(7, 7, 0);
        alarms->tick();
        QCOMPARE(heard, QStringLiteral("07:00"));
        // A skip is forgotten when the alarm is disarmed or its time changes.
        alarms->at(0).setSkipNext(true, fakeNow);
        alarms->at(0).setArmed(false);
        alarms->at(0).setArmed(true);
        QVERIFY(!alarms->at(0).skippedRing().isValid());
        alarms->at(0).setSkipNext(true, fakeNow);
        alarms->at(0).setTime(QTime(6, 0));
        QVERIFY(!alarms->at(0).skippedRing().isValid());
    }
    // With a snooze pending, skipping takes the schedule's next ring, not the snooze; a snooze
    // heard late is named by its own time.
    void skipAndSnooze()
    {
        auto alarms = armed({"07:00:00#1234567"});
        Heard heard(*alarms);
        alarms->start();
        fakeNow = may(1, 7, 0);
        alarms->tick();
        Alarm &alarm = alarms->at(0);
        alarms->snooze(&alarm);
        alarm.setSkipNext(true, fakeNow);
        QCOMPARE(alarm.skippedRing(), may(2, 7, 0));
        QCOMPARE(alarms->nextSkippable().at, may(2, 7, 0));
        QCOMPARE(alarms->next().at, may(1, 7, 10));
        fakeNow = may(1, 7, 30); // the computer slept through the snooze
        alarms->tick();
        QCOMPARE(heard, QStringLiteral("07:00 07:00!"));
        QCOMPARE(alarm.lastDue(), may(1, 7, 10));
    }
    // A ring due while Tivora was not running sounds at start if it is at most five minutes
    // late, and is told as missed if later; an alarm for once that was missed is disarmed.
    void missedWhileClosed_data()
    {
        // the last check kept|the alarm, "hh:mm:ss#days"|the start
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<QString>("missed"); // and its alarm's arming after
        QTest::newRow("started five minutes late: it sounds")
            << "2024-05-01T06:00:00|07:00:00#1234567|2024-05-01T07:05:00"
            << "07:00"
            << "";
        QTest::newRow("later: missed") << "2024-05-01T06:00:00|07:00:00#1234567|2024-05-01T07:05:01"
                                       << ""
                                       << "2024-05-01T07:00:00 x";
        QTest::newRow("for once, missed: disarmed")
            << "2024-05-01T06:00:00|07:00:00#|2024-05-01T09:00:00"
            << ""
            << "2024-05-01T07:00:00 -";
        QTest::newRow("off over a weekend: Monday's ring")
            << "2024-05-03T20:00:00|07:00:00#12345|2024-05-06T08:00:00"
            << ""
            << "2024-05-06T07:00:00 x";
        QTest::newRow("off over days: only the latest")
            << "2024-05-01T06:00:00|07:00:00#1234567|2024-05-04T09:00:00"
            << ""
            << "2024-05-04T07:00:00 x";
        QTest::newRow("started before its time: it rings then")
            << "2024-05-01T06:00:00|07:00:00#1234567|2024-05-01T06:30:00"
            << "07:00"
            << "";
        QTest::newRow("its ring came before the last check")
            << "2024-05-01T07:00:01|07:00:00#1234567|2024-05-01T09:00:00"
            << ""
            << "";
        QTest::newRow("no last check kept") << "|07:00:00#1234567|2024-05-01T09:00:00"
                                            << ""
                                            << "";
        QTest::newRow("a last check later than now (the clock was set back)")
            << "2024-05-02T09:00:00|07:00:00#1234567|2024-05-01T09:00:00"
            << ""
            << "";
    }
    void missedWhileClosed()
    {
        QFETCH(QString, row);
        const QStringList fields = row.split(QLatin1Char('|'));
        AlarmSettings alarm;
        alarm.time = QTime::fromString(fields[1].section(QLatin1Char('#'), 0, 0), Qt::ISODate);
        alarm.days = *days::fromText(fields[1].section(QLatin1Char('#'), 1));
        alarm.armed = true;
        QVERIFY(alarmfile::write({alarm}, alarmfile::kPath,
                                 {false, QDateTime::fromString(fields[0], Qt::ISODate)}));
        fakeNow = QDateTime::fromString(fields[2], Qt::ISODate);
        auto alarms = make();
        Heard heard(*alarms);
        QStringList missed;
        connect(alarms.get(), &AlarmList::missed, this, [&](Alarm *alarm, const QDateTime &due) {
            missed << due.toString(Qt::ISODate) + QLatin1String(alarm->isArmed() ? " x" : " -");
        });
        alarms->start();
        fakeNow = fakeNow.addSecs(1);
        alarms->tick();
        if (fakeNow.time() < QTime(7, 0)) {
            fakeNow.setTime(QTime(7, 0));
            alarms->tick();
        }
        QTEST(QString(heard), "heard");
        QTEST(missed.join(QLatin1Char(';')), "missed");
        // The next start knows this one checked. (Read as bytes: QSettings would give what it
        // read before from a file of the same size written within the same timestamp.)
        alarms.reset();
        QVERIFY(
            get(alarmfile::kPath)
                .contains("\nlastCheck=" + fakeNow.toString(Qt::ISODateWithMs).toLatin1() + '\n'));
    }
    // With no clock shown it sleeps until a ring is due, not waking each second, and still
    // rings on time; shown again, it ticks each second. So on the platform's own wake-up and on
    // the portable one.
    void sleepsUntilItRings_data()
    {
        QTest::addColumn<bool>("portable");
        QTest::newRow("the platform's wake-up") << false;
        QTest::newRow("the portable wake-up") << true;
    }
    void sleepsUntilItRings()
    {
        QFETCH(bool, portable);
        // On the system's clock.
        AlarmList alarms(alarmfile::kPath, {},
                         portable ? std::make_unique<TimerWakeUp>() : WakeUp::make());
        QSignalSpy ticked(&alarms, &AlarmList::ticked), rang(&alarms, &AlarmList::rang);
        // Shown at first, it ticks each second; hidden, it looks once and sleeps.
        alarms.start();
        QTRY_VERIFY(ticked.count() >= 2);
        alarms.setClockShown(false);
        ticked.clear();
        const QTime soon = QTime::currentTime().addSecs(2);
        alarms.at(0).setTime(QTime(soon.hour(), soon.minute(), soon.second()));
        alarms.at(0).setArmed(true);
        QCOMPARE(ticked.count(), 2); // each change looks again
        QVERIFY(rang.wait(4000));
        QCOMPARE(ticked.count(), 3);
        QCOMPARE(rang.takeFirst().value(1).toBool(), true);
        alarms.setClockShown(true);
        QTRY_VERIFY(ticked.count() >= 7);
    }
};

QTEST_GUILESS_MAIN(TestAlarm)
#include "tst_alarm.moc"
