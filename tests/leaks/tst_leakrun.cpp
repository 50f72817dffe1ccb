// The whole program's windows in one process, as a user drives them: ten
// alarms, every dialog opened and closed five times, two full update checks
// against a loopback server. Run under LeakSanitizer or valgrind, whatever
// this leaves unfreed at exit is a leak.
#include "alarm/mainwindow.h"
#include "updates/checkupdates.h"
#include "updates/updateindicator.h"

#include "boxwatcher.h"
#include "indicatorserver.h"
#include "programdriver.h"
#include "workingfolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <memory>

namespace {

QDateTime simulatedNow;

} // namespace

class LeakRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tenAlarms();
    void everyDialogFiveTimes();
    void twoFullUpdateChecks();

private:
    QAction *action(const char *name) const;
    void tick(const QDateTime &at);

    std::unique_ptr<WorkingFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<BoxWatcher> m_boxes;
    std::unique_ptr<programdriver::DialogCloser> m_closer;
};

void LeakRun::init()
{
    m_folder = std::make_unique<WorkingFolder>(false);
    programdriver::copyShippedData(QStringLiteral(TIVORA_SOURCE_DIR "/data"), m_folder->path());
    QVERIFY(m_folder->exists(QStringLiteral("data/settings/tivora_lang.txt")));
    simulatedNow = QDateTime(QDate(2024, 5, 1), QTime(7, 0));
    alarmhooks::reset();
    alarmhooks::setClock([] { return simulatedNow; });
    m_boxes = std::make_unique<BoxWatcher>();
    m_closer = std::make_unique<programdriver::DialogCloser>(false);
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void LeakRun::cleanup()
{
    m_window.reset();
    m_closer.reset();
    m_boxes.reset();
    alarmhooks::setClock({});
    alarmhooks::setRingObserver({});
    updatehooks::setIndicatorUrl(QUrl());
    m_folder.reset();
}

QAction *LeakRun::action(const char *name) const
{
    return m_window->findChild<QAction *>(QLatin1String(name));
}

void LeakRun::tick(const QDateTime &at)
{
    simulatedNow = at;
    QMetaObject::invokeMethod(m_window.get(), "showTime", Qt::DirectConnection);
}

void LeakRun::tenAlarms()
{
    int rings = 0;
    alarmhooks::setRingObserver([&rings] { ++rings; });
    auto *setTime = m_window->findChild<QTimeEdit *>(QStringLiteral("teSetTime"));
    auto *armed = m_window->findChild<QRadioButton *>(QStringLiteral("rbtnAlarmActive"));
    QVERIFY(setTime && armed);

    for (int i = 0; i < 10; ++i) {
        const QDateTime alarm = simulatedNow.addSecs(180);
        tick(alarm.addSecs(-2));
        setTime->setTime(alarm.time());
        armed->setChecked(true);
        tick(alarm.addSecs(-1));
        tick(alarm);
        QTRY_COMPARE(m_boxes->seen().size(), i + 1);
        QCOMPARE(rings, i + 1);
    }
    QCOMPARE(m_boxes->seen().first().title, QStringLiteral("Alarm Clock"));
}

void LeakRun::everyDialogFiveTimes()
{
    const struct
    {
        const char *action;
        int openForMs;
    } dialogs[] = {{"actionSettings", 50},
                   {"actionStopwatch", 400},
                   {"actionCheck_for_updates", 400},
                   {"actionHelp", 50},
                   {"actionAbout", 50}};
    IndicatorServer server;
    QVERIFY(server.isRunning());
    server.serve("23");
    updatehooks::setIndicatorUrl(server.url());

    int expected = 0;
    for (int round = 0; round < 5; ++round) {
        for (const auto &dialog : dialogs) {
            QAction *trigger = action(dialog.action);
            QVERIFY2(trigger, dialog.action);
            m_closer->setOpenFor(dialog.openForMs);
            trigger->trigger();
            QCOMPARE(m_closer->closed(), ++expected);
        }
    }
    QVERIFY(m_boxes->seen().isEmpty());
    QVERIFY(server.requests() > 0);
}

void LeakRun::twoFullUpdateChecks()
{
    IndicatorServer server;
    QVERIFY(server.isRunning());
    server.serve("23");
    updatehooks::setIndicatorUrl(server.url());
    m_closer->setUntilVerdict(true);

    for (int check = 1; check <= 2; ++check) {
        QElapsedTimer took;
        took.start();
        action("actionCheck_for_updates")->trigger();
        QCOMPARE(m_closer->closed(), check);
        QVERIFY(m_closer->lastVerdict().startsWith(QStringLiteral("New update available!")));
        QVERIFY2(took.elapsed() >= 4000, qPrintable(QString::number(took.elapsed())));
    }
    QVERIFY(server.requests() >= 2 * 44);
    QVERIFY(m_boxes->seen().isEmpty());
}

QTEST_MAIN(LeakRun)
#include "tst_leakrun.moc"
