#include "alarm/alarmsound.h"
#include "alarm/mainwindow.h"

#include "boxwatcher.h"
#include "workingfolder.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

QDateTime fakeNow;

// Local time of a UTC reading, so that ticks a real second apart stay a real second apart.
QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC).toLocalTime();
}

} // namespace

// Runs with TZ=Europe/Oslo: clocks go from 02:00 to 03:00 on 2024-03-31 and
// from 03:00 back to 02:00 on 2024-10-27.
class TestMainWindowDst : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void alarmInsideTheSpringGapRings();
    void alarmInTheRepeatedAutumnHourRingsOnce();

private:
    void tick(const QDateTime &when)
    {
        fakeNow = when;
        QMetaObject::invokeMethod(m_window.get(), "showTime");
    }
    void arm(const QTime &alarm)
    {
        m_window->findChild<QTimeEdit *>(QStringLiteral("teSetTime"))->setTime(alarm);
        m_window->findChild<QRadioButton *>(QStringLiteral("rbtnAlarmActive"))->click();
    }
    QString clockText() const
    {
        return m_window->findChild<QLabel *>(QStringLiteral("lblClock"))->text();
    }

    std::unique_ptr<WorkingFolder> m_folder;
    std::unique_ptr<BoxWatcher> m_watcher;
    std::unique_ptr<MainWindow> m_window;
    QList<bool> m_rings;
};

void TestMainWindowDst::initTestCase()
{
    if (utc(2024, 3, 31, 1, 0, 0).time() != QTime(3, 0))
        QSKIP("needs TZ=Europe/Oslo");
}

void TestMainWindowDst::init()
{
    m_folder = std::make_unique<WorkingFolder>();
    m_folder->writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    m_watcher = std::make_unique<BoxWatcher>();
    m_rings.clear();
    alarmhooks::reset();
    alarmhooks::setClock([] { return fakeNow; });
    alarmhooks::setRingObserver(
        [this] { m_rings << m_window->findChild<AlarmSound *>()->isPlaying(); });
}

void TestMainWindowDst::cleanup()
{
    m_window.reset();
    alarmhooks::setRingObserver({});
    alarmhooks::setClock({});
    m_watcher.reset();
    m_folder.reset();
}

void TestMainWindowDst::alarmInsideTheSpringGapRings()
{
    fakeNow = utc(2024, 3, 31, 0, 0, 0);
    m_window = std::make_unique<MainWindow>();
    arm(QTime(2, 30));
    tick(utc(2024, 3, 31, 0, 59, 59));
    QCOMPARE(clockText(), QStringLiteral("01:59:59"));
    QVERIFY(m_rings.isEmpty());
    // One real second later the clock reads 03:00:00: 02:30 never showed.
    tick(utc(2024, 3, 31, 1, 0, 0));
    QCOMPARE(clockText(), QStringLiteral("03:00:00"));
    QCOMPARE(m_rings, QList<bool>{true});
    QCOMPARE(m_watcher->titles(), QStringList{"Alarm Clock"});
    tick(utc(2024, 3, 31, 1, 0, 1));
    tick(utc(2024, 3, 31, 1, 30, 0));
    QCOMPARE(m_rings.size(), 1);
}

void TestMainWindowDst::alarmInTheRepeatedAutumnHourRingsOnce()
{
    fakeNow = utc(2024, 10, 26, 23, 0, 0);
    m_window = std::make_unique<MainWindow>();
    arm(QTime(2, 30));
    tick(utc(2024, 10, 27, 0, 29, 59));
    QCOMPARE(clockText(), QStringLiteral("02:29:59"));
    tick(utc(2024, 10, 27, 0, 30, 0));
    QCOMPARE(m_rings, QList<bool>{true});
    tick(utc(2024, 10, 27, 0, 59, 59));
    tick(utc(2024, 10, 27, 1, 0, 0));
    QCOMPARE(clockText(), QStringLiteral("02:00:00"));
    tick(utc(2024, 10, 27, 1, 29, 59));
    tick(utc(2024, 10, 27, 1, 30, 0));
    QCOMPARE(clockText(), QStringLiteral("02:30:00"));
    tick(utc(2024, 10, 27, 1, 30, 1));
    QCOMPARE(m_rings.size(), 1);
}

QTEST_MAIN(TestMainWindowDst)
#include "tst_mainwindowdst.moc"
