#include "alarm/mainwindow.h"

#include "boxwatcher.h"
#include "soundtest.h"
#include "workingfolder.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kBoxOpenMs = 2500;

struct Ring
{
    bool ok = false;
    QStringList titles;
    PulseRecorder::Level whileOpen;
    PulseRecorder::Level afterOk;
};

} // namespace

// The alarm rings through the real main window on the real clock, and the
// sound it plays is recorded from the sound server.
class TstAlarmAudio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void soundWhileBoxOpenSilenceAfterOk_data();
    void soundWhileBoxOpenSilenceAfterOk();
    void quieterVolumeRecordsQuieter();

private:
    // Arms the alarm two seconds ahead in a window built from these settings
    // files, keeps its box open for a while, then presses OK.
    Ring ring(const QByteArray &storedPath, const QByteArray &volume);

    QTemporaryDir m_dir;
    PulseRecorder m_recorder;
    QString m_noSound;
    QString m_wav;
    QString m_mp3;
    double m_bundledPeak = 0;
};

void TstAlarmAudio::initTestCase()
{
    m_noSound = missingSoundServer();
    if (!m_noSound.isEmpty())
        return;
    QVERIFY(m_dir.isValid());
    // Blanks in the stored path must reach the player intact.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("my sounds")));
    m_wav = m_dir.filePath(QStringLiteral("my sounds/wake up.wav"));
    m_mp3 = m_dir.filePath(QStringLiteral("my sounds/wake up.mp3"));
    QVERIFY(makeTone(m_wav, 4, kTonePeak));
    QVERIFY(makeTone(m_mp3, 4, kTonePeak));
    measureBundledPeak(m_dir, &m_bundledPeak);
    if (QTest::currentTestFailed())
        return;
    startRecording(m_recorder, m_dir, &m_noSound);
}

void TstAlarmAudio::cleanupTestCase()
{
    m_recorder.stop();
}

Ring TstAlarmAudio::ring(const QByteArray &storedPath, const QByteArray &volume)
{
    Ring result;
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    folder.writeSetting(QStringLiteral("tivora_volume.txt"), volume);
    if (!storedPath.isNull())
        folder.writeSetting(QStringLiteral("tivora_sa.txt"), storedPath);
    alarmhooks::reset();
    MainWindow window;
    window.show();
    BoxWatcher watcher;
    watcher.setAutoClose(false);

    auto *setTime = window.findChild<QTimeEdit *>(QStringLiteral("teSetTime"));
    auto *active = window.findChild<QRadioButton *>(QStringLiteral("rbtnAlarmActive"));
    auto *status = window.findChild<QLabel *>(QStringLiteral("lblAlarmStatus"));
    if (!setTime || !active || !status)
        return result;
    const QTime now = QTime::currentTime();
    setTime->setTime(QTime(now.hour(), now.minute(), now.second()).addSecs(2));
    QTest::mouseClick(active, Qt::LeftButton, {}, QPoint(5, active->height() / 2));
    if (!active->isChecked() || status->text() != QLatin1String("Alarm currently active"))
        return result;

    qint64 opened = -1;
    qint64 closed = -1;
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (opened < 0 && qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            opened = m_recorder.now();
            QTimer::singleShot(kBoxOpenMs, [&] {
                closed = m_recorder.now();
                watcher.closeOpenBox();
            });
        }
    });
    look.start();
    const bool dismissed = QTest::qWaitFor([&] { return closed >= 0; }, 8000);
    look.stop();
    if (!dismissed)
        return result;
    QTest::qWait(1200);
    result.titles = watcher.titles();
    result.whileOpen = m_recorder.level(opened + 500, closed - 50);
    result.afterOk = m_recorder.level(closed + 500, closed + 1100);
    result.ok = result.whileOpen.ok && result.afterOk.ok;
    return result;
}

void TstAlarmAudio::soundWhileBoxOpenSilenceAfterOk_data()
{
    QTest::addColumn<QByteArray>("storedPath");
    QTest::addColumn<bool>("bundled");
    QTest::newRow("wav") << m_wav.toUtf8() << false;
    QTest::newRow("mp3, CR LF") << QByteArray(m_mp3.toUtf8() + "\r\n") << false;
    QTest::newRow("no stored path") << QByteArray() << true;
    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("gone.mp3")).toUtf8() << true;
}

void TstAlarmAudio::soundWhileBoxOpenSilenceAfterOk()
{
    SKIP_WITHOUT_SOUND();
    QFETCH(QByteArray, storedPath);
    QFETCH(bool, bundled);
    const Ring result = ring(storedPath, "100");
    QVERIFY(result.ok);
    QCOMPARE(result.titles, QStringList{QStringLiteral("Alarm Clock")});
    const double expected = bundled ? m_bundledPeak : kTonePeak;
    QVERIFY2(qAbs(result.whileOpen.peak - expected) < 0.05,
             qPrintable(QString::number(result.whileOpen.peak)));
    QVERIFY2(result.afterOk.peak < kSilence, qPrintable(QString::number(result.afterOk.peak)));
}

void TstAlarmAudio::quieterVolumeRecordsQuieter()
{
    SKIP_WITHOUT_SOUND();
    const Ring loud = ring(m_wav.toUtf8(), "80");
    const Ring quiet = ring(m_wav.toUtf8(), "30");
    QVERIFY(loud.ok && quiet.ok);
    QVERIFY2(quiet.whileOpen.peak > kTonePeak * 0.2,
             qPrintable(QString::number(quiet.whileOpen.peak)));
    const double ratio = quiet.whileOpen.peak / loud.whileOpen.peak;
    QVERIFY2(ratio > 0.3 && ratio < 0.45, qPrintable(QString::number(ratio)));
}

QTEST_MAIN(TstAlarmAudio)
#include "tst_alarmaudio.moc"
