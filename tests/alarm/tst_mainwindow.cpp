#include "alarm/alarmsound.h"
#include "alarm/mainwindow.h"

#include "windows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTimeEdit>

namespace {

QDateTime fakeNow;

QDateTime may1(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2024, 5, 1), QTime(h, m, s, ms));
}

} // namespace

class TestMainWindow : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QStringList rings; // "sound" or "silent", as each ring starts
    std::function<void()> inBox;
    const QString sink = qEnvironmentVariable("TIVORA_TEST_SINK");

    void start() override
    {
        rings.clear();
        inBox = nullptr;
        alarmhooks::reset();
        alarmhooks::setClock([] { return fakeNow; });
        alarmhooks::setRingObserver([this] {
            rings << (sound()->isPlaying() ? QStringLiteral("sound") : QStringLiteral("silent"));
            if (inBox) // runs inside the box's own event loop
                QTimer::singleShot(20, window.get(), inBox);
        });
    }
    void stop() override
    {
        window.reset();
        alarmhooks::reset();
    }

    void open(const QDateTime &now, const QByteArray &language = "1")
    {
        fakeNow = now;
        put(setting("lang"), language);
        window = std::make_unique<MainWindow>();
        window->show();
    }
    void tick(const QDateTime &now, Qt::ConnectionType type = Qt::DirectConnection)
    {
        fakeNow = now;
        QMetaObject::invokeMethod(window.get(), "showTime", type);
    }
    void arm(const QTime &time)
    {
        child<QTimeEdit>(window.get(), "teSetTime")->setTime(time);
        child<QRadioButton>(window.get(), "rbtnAlarmActive")->click();
    }
    AlarmSound *sound() const { return window->findChild<AlarmSound *>(); }

    // The loudest sample (0 to 1) the test sound server's sink plays in the next second.
    double peakOfNextSecond() const
    {
        QProcess sox;
        sox.start(QStringLiteral("sox"),
                  {"-q", "-t", "pulseaudio", sink + ".monitor", "-n", "trim", "0", "1", "stat"});
        sox.waitForFinished();
        return QString::fromLatin1(sox.readAllStandardError())
            .section(QLatin1String("Maximum amplitude:"), 1)
            .section(QLatin1Char('\n'), 0, 0)
            .toDouble();
    }

private slots:
    void ringsOnceWhileItsBoxTicks()
    {
        open(may1(7, 29, 59, 900));
        child<QPlainTextEdit>(window.get(), "pteDescription")
            ->setPlainText(QStringLiteral("Bus\nnow"));
        arm(QTime(7, 30));
        closing = false;
        bool playedInBox = false;
        inBox = [&] {
            for (int ms : {1, 500, 999})
                tick(may1(7, 30, 0, ms));
            tick(may1(7, 30, 1, 2));
            playedInBox = sound()->isPlaying();
            closing = true;
        };
        tick(may1(7, 30, 0, 1), Qt::QueuedConnection);
        QTRY_VERIFY(playedInBox && !QApplication::activeModalWidget());
        QCOMPARE(rings, QStringList{"sound"});
        QCOMPARE(boxes, QStringList{"Alarm Clock|Bus\nnow"});
        QVERIFY(!sound()->isPlaying());
        QCOMPARE(child<QLabel>(window.get(), "lblClock")->text(), QStringLiteral("07:30:01"));
        QCOMPARE(child<QLabel>(window.get(), "lblAlarmStatus")->text(),
                 QStringLiteral("Alarm currently active"));
    }

    void ringsSilentlyAfterASuspend()
    {
        open(may1(6, 40, 0), "2");
        arm(QTime(7, 30));
        tick(may1(6, 45, 0));
        tick(may1(7, 45, 0));
        tick(may1(7, 45, 1));
        QCOMPARE(rings, QStringList{"silent"});
        QCOMPARE(boxes, QStringList{"Vekkerklokke|"});
    }

    void tooltipsOff()
    {
        put(setting("tooltips"), "0");
        open(may1(7, 0, 0));
        QCOMPARE(child(window.get(), "lblClock")->toolTip(), QString());
    }

    // Heard while the box is open at the stored volume, the bundled alarm (peak
    // 0.5) when the file cannot be played, and silent after OK.
    void heardUntilOk_data()
    {
        QTest::addColumn<QByteArray>("files"); // volume|stored sound
        QTest::addColumn<double>("peak");
        QTest::newRow("tone at 80") << QByteArray("80|tone.wav") << 0.2;
        QTest::newRow("tone at 40") << QByteArray("40|tone.wav") << 0.1;
        QTest::newRow("bundled alarm") << QByteArray("80|gone.mp3") << 0.4;
    }

    void heardUntilOk()
    {
        if (sink.isEmpty())
            QSKIP("no test sound server (TIVORA_TEST_SINK is unset)");
        QFETCH(QByteArray, files);
        QFETCH(double, peak);
        QProcess::execute(QStringLiteral("sox"), QStringList{"-n", "-c", "2", "tone.wav", "synth",
                                                             "3", "sine", "440", "vol", "0.25"});
        putSettings("volume|sa", files);
        open(may1(7, 29, 59));
        arm(QTime(7, 30));
        double heard = -1;
        inBox = [&] {
            heard = peakOfNextSecond();
            closing = true;
        };
        closing = false;
        tick(may1(7, 30, 0), Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(heard >= 0 && !QApplication::activeModalWidget(), 10000);
        QVERIFY2(qAbs(heard - peak) < 0.04, qPrintable(QString::number(heard)));
        QVERIFY(peakOfNextSecond() < 0.01);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
