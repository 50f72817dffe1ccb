#include "timers/timerlist.h"

#include "kit/timerwakeup.h"

#include "folder.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QDateTime fakeNow;
const QDateTime kStart(QDate(2024, 5, 1), QTime(7, 0));

} // namespace

// Countdown timers on a clock the test sets, in a fresh working folder.
class TestTimers : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;

    std::unique_ptr<TimerList> make()
    {
        return std::make_unique<TimerList>(timerfile::kPath, [] { return fakeNow; });
    }

private slots:
    void initTestCase() { qRegisterMetaType<Countdown *>(); }
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        fakeNow = kStart;
    }
    void cleanup() { folder.reset(); }

    // A five-minute timer driven by "action at seconds" steps (start, pause, reset, or a clock
    // set to that many seconds after the start); then when it ends, in seconds, and what it
    // shows left one second before.
    void ends_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("ends");
        QTest::addColumn<bool>("loud"); // with its sound, not too late for one
        QTest::newRow("runs its length") << "start@0" << 300 << true;
        QTest::newRow("a pause puts the end off by its length")
            << "start@0 pause@100 start@160" << 360 << true;
        QTest::newRow("paused twice")
            << "start@0 pause@10 start@20 pause@30 start@100" << 380 << true;
        QTest::newRow("reset: its whole length again")
            << "start@0 reset@200 start@250" << 550 << true;
        QTest::newRow("a second start while it runs changes nothing")
            << "start@0 start@100" << 300 << true;
        QTest::newRow("the clock set an hour forward: it ends at once, as after a suspend")
            << "start@0 clock@3600" << 3600 << false;
        QTest::newRow("the clock set back: it ends later, on the wall clock")
            << "start@0 clock@-600" << 300 << true;
        QTest::newRow("paused, the clock changes nothing")
            << "start@0 pause@100 clock@9000 start@9000" << 9200 << true;
    }
    void ends()
    {
        QFETCH(QString, steps);
        QFETCH(int, ends);
        auto timers = make();
        Countdown &timer = *timers->add(5 * 60 * 1000, QStringLiteral("Te"));
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            fakeNow = kStart.addSecs(step.section(QLatin1Char('@'), 1).toInt());
            const QString action = step.section(QLatin1Char('@'), 0, 0);
            if (action == QLatin1String("start"))
                timer.start(fakeNow);
            else if (action == QLatin1String("pause"))
                timer.pause(fakeNow);
            else if (action == QLatin1String("reset"))
                timer.reset();
        }
        QSignalSpy rang(timers.get(), &TimerList::rang);
        timers->start();
        if (kStart.secsTo(fakeNow) < ends) {
            fakeNow = kStart.addSecs(ends - 1);
            timers->check();
            QCOMPARE(timer.leftMs(fakeNow), 1000);
            // Past its end before the list has looked: nothing left, not less.
            QCOMPARE(timer.leftMs(kStart.addSecs(ends + 1)), 0);
            QCOMPARE(rang.count(), 0);
            fakeNow = kStart.addSecs(ends);
            timers->check();
        }
        QCOMPARE(rang.count(), 1);
        QTEST(rang[0][1].toBool(), "loud");
        QCOMPARE(timer.state(), Countdown::State::Stopped);
        QCOMPARE(timer.leftMs(fakeNow), 5 * 60 * 1000);
    }
    // Without its folder the timers' file is not written, and no folder is made for it.
    void saveWithoutItsFolder()
    {
        auto timers = make();
        timers->add(60 * 1000, QStringLiteral("Te"));
        QVERIFY(timers->save());
        QDir(QStringLiteral("data")).removeRecursively();
        QVERIFY(!timers->save());
        QVERIFY(!QFile::exists(QStringLiteral("data")));
    }
    // A file of many timers (Tivora keeps twenty) is read no further than its first hundred; one
    // paused at the very moment it ended, with nothing left, is read as paused.
    void readsAHundredAtMost()
    {
        QByteArray file = "[timers]\n1\\state=paused\n1\\left=0\n";
        for (int i = 1; i <= 150; ++i)
            file += QByteArray::number(i) + "\\length=60\n";
        put(timerfile::kPath, file + "size=150\n");
        QCOMPARE(timerfile::read().size(), 100);
        QCOMPARE(make()->at(0).state(), Countdown::State::Paused);
    }
    // A file with a value Qt would decode from a data stream, which would ask for all the
    // memory there is, holds no timers.
    void streamedValue()
    {
        put(timerfile::kPath,
            "[timers]\n1\\length=60\n1\\label=@Variant(\\0\\0\\0\\tion=)\nsize=1\n");
        QCOMPARE(make()->count(), 0);
    }
    // A running or paused timer survives a restart; one whose end came while Tivora was not
    // running rings at the start, silently when it is more than five minutes late.
    void survivesARestart_data()
    {
        QTest::addColumn<int>("restartAfter"); // seconds
        QTest::addColumn<QString>("heard");    // at the start, then at its end
        QTest::newRow("still running") << 60 << "|sound";
        QTest::newRow("ended while closed") << 400 << "sound|";
        QTest::newRow("ended long before") << 3600 << "silent|";
    }
    void survivesARestart()
    {
        QFETCH(int, restartAfter);
        QStringList heard;
        {
            auto timers = make();
            timers->add(5 * 60 * 1000, QStringLiteral("Egg"))->start(fakeNow);
            timers->add(60 * 1000)->start(fakeNow);
            timers->at(1).pause(fakeNow.addSecs(20));
        }
        fakeNow = kStart.addSecs(restartAfter);
        auto timers = make();
        QCOMPARE(timers->count(), 2);
        QCOMPARE(timers->at(0).label(), QStringLiteral("Egg"));
        QCOMPARE(timers->at(1).state(), Countdown::State::Paused);
        QCOMPARE(timers->at(1).leftMs(fakeNow), 40 * 1000);
        connect(timers.get(), &TimerList::rang, this,
                [&](Countdown *, bool loud) { heard.last() += loud ? "sound" : "silent"; });
        heard << QString();
        timers->start();
        heard << QString();
        fakeNow = kStart.addSecs(300);
        timers->check();
        QTEST(heard.join(QLatin1Char('|')), "heard");
        QVERIFY(timers->isRinging(&timers->at(0)) || restartAfter < 300);
        // Its ring answered, it is stopped, and stays so after another restart.
        timers->stop(&timers->at(0));
        QVERIFY(timers->ringing().isEmpty());
        timers.reset();
        QCOMPARE(make()->at(0).state(), Countdown::State::Stopped);
    }
    // Nothing wakes the list between a timer's start and its end; the platform's wake-up rings
    // it on time on the system's clock, and so does the portable one, which also serves a list
    // on a clock of its own.
    void wakesAtTheEnd_data()
    {
        QTest::addColumn<QString>("wakeUp");
        QTest::newRow("the platform's wake-up") << "platform";
        QTest::newRow("the portable wake-up") << "portable";
        QTest::newRow("on a clock of its own") << "clock";
    }
    void wakesAtTheEnd()
    {
        QFETCH(QString, wakeUp);
        TimerList::Clock own;
        if (wakeUp == QLatin1String("clock"))
            own = [] { return QDateTime::currentDateTime(); };
        TimerList timers(timerfile::kPath, own,
                         wakeUp == QLatin1String("portable") ? std::make_unique<TimerWakeUp>()
                                                             : nullptr);
        QSignalSpy rang(&timers, &TimerList::rang);
        timers.start();
        QElapsedTimer waited;
        waited.start();
        timers.add(1500)->start(timers.now());
        QVERIFY(rang.wait(3000));
        QVERIFY2(waited.elapsed() >= 1490, qPrintable(QString::number(waited.elapsed())));
        QCOMPARE(rang.count(), 1);
    }
    // Lengths, labels and a full list.
    void lengthsAndLabels()
    {
        auto timers = make();
        QVERIFY(!timers->add(0));
        QVERIFY(!timers->add(Countdown::kMaxLengthMs + 1));
        for (int i = 0; i < TimerList::kMaxTimers; ++i)
            QVERIFY(timers->add(1000 * (i + 1), QStringLiteral("Nr. %1, \"ja\"").arg(i)));
        QVERIFY(!timers->add(1000));
        Countdown &first = timers->at(0);
        first.start(fakeNow);
        first.setLength(Countdown::kMaxLengthMs); // a new length stops it
        QCOMPARE(first.state(), Countdown::State::Stopped);
        first.setLength(-5);
        QCOMPARE(first.lengthMs(), Countdown::kMaxLengthMs);
        timers->remove(timers->at(5));
        // Saved soon after, without waiting for the program to end.
        QTRY_COMPARE(timerfile::read().size(), TimerList::kMaxTimers - 1);
        auto again = make();
        QCOMPARE(again->count(), TimerList::kMaxTimers - 1);
        QCOMPARE(again->at(5).label(), QStringLiteral("Nr. 6, \"ja\""));
        QCOMPARE(again->at(0).lengthMs(), Countdown::kMaxLengthMs);
    }
};

QTEST_GUILESS_MAIN(TestTimers)
#include "tst_timers.moc"
