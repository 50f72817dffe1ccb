#include "alarm/alarmsound.h"
#include "soundtest.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TstAlarmSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void emptyPathChoosesBundledSound();
    void stopReleasesPlayer();
    void stopWhenIdleIsHarmless();
    void fileBecomesLocalUrl_data();
    void fileBecomesLocalUrl();
    void limitStopsByItself();
    void destroyedWhilePlayingOrFailing_data();
    void destroyedWhilePlayingOrFailing();
    void unplayableFileSwitchesToBundledSound_data();
    void unplayableFileSwitchesToBundledSound();

    void recordsWhilePlayingAndSilenceAfterStop_data();
    void recordsWhilePlayingAndSilenceAfterStop();
    void loopsShortFile();
    void emptyPathRecordsBundledSound();
    void unplayableFileRecordsBundledSound_data();
    void unplayableFileRecordsBundledSound();
    void quieterVolumeRecordsQuieter();
    void limitSilencesAndSignals();
    void oneStreamAtATimeAndNoneAfterStop();

private:
    double peakWhilePlaying(const QString &path, int volume, int ms = 1500);

    QTemporaryDir m_dir;
    PulseRecorder m_recorder;
    QString m_noSound;
    QString m_wav;
    QString m_mp3;
    QString m_shortWav;
    QString m_garbage;
    QString m_empty;
    QString m_odd;
    double m_bundledPeak = 0;
};

void TstAlarmSound::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_wav = m_dir.filePath(QStringLiteral("tone.wav"));
    m_mp3 = m_dir.filePath(QStringLiteral("tone.mp3"));
    m_shortWav = m_dir.filePath(QStringLiteral("short.wav"));
    m_garbage = m_dir.filePath(QStringLiteral("garbage.mp3"));
    m_empty = m_dir.filePath(QStringLiteral("empty.wav"));
    QVERIFY(makeTone(m_wav, 3, kTonePeak));
    QVERIFY(makeTone(m_mp3, 3, kTonePeak));
    QVERIFY(makeTone(m_shortWav, 0.3, kTonePeak));
    m_odd = m_dir.filePath(QStringLiteral("alarm #1 på æøå.wav"));
    QVERIFY(QFile::copy(m_wav, m_odd));
    QFile garbage(m_garbage);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    QByteArray noise;
    for (int i = 0; i < 20000; ++i)
        noise.append(char((i * 7919 + 13) % 251));
    garbage.write(noise);
    garbage.close();
    QFile empty(m_empty);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    measureBundledPeak(m_dir, &m_bundledPeak);
    if (QTest::currentTestFailed())
        return;
    const auto tone = measureSound(m_wav, 0, 2);
    QVERIFY(tone.ok && qAbs(tone.peak - kTonePeak) < 0.01);

    m_noSound = missingSoundServer();
    if (!m_noSound.isEmpty())
        return;
    startRecording(m_recorder, m_dir, &m_noSound);
}

void TstAlarmSound::cleanupTestCase()
{
    m_recorder.stop();
}

double TstAlarmSound::peakWhilePlaying(const QString &path, int volume, int ms)
{
    AlarmSound sound;
    sound.start(path, volume);
    const qint64 from = m_recorder.now() + 500;
    QTest::qWait(ms);
    const qint64 to = m_recorder.now();
    sound.stop();
    const auto level = m_recorder.level(from, to);
    return level.ok ? level.peak : -1;
}

void TstAlarmSound::emptyPathChoosesBundledSound()
{
    AlarmSound sound;
    sound.start(QString(), 50);
    QVERIFY(sound.isPlaying());
    QVERIFY(sound.isFallback());
    QCOMPARE(sound.source(), QUrl(QStringLiteral("qrc:/audio/resources/audio/fire_alarm.wav")));
}

void TstAlarmSound::stopReleasesPlayer()
{
    AlarmSound sound;
    sound.start(m_wav, 50);
    QVERIFY(sound.isPlaying());
    QVERIFY(!sound.isFallback());
    QCOMPARE(sound.source(), QUrl::fromLocalFile(m_wav));
    sound.stop();
    QVERIFY(!sound.isPlaying());
    QVERIFY(sound.source().isEmpty());
}

void TstAlarmSound::stopWhenIdleIsHarmless()
{
    AlarmSound sound;
    sound.stop();
    sound.stop();
    QVERIFY(!sound.isPlaying());
}

void TstAlarmSound::fileBecomesLocalUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("file");
    QTest::newRow("absolute") << m_wav << m_wav;
    QTest::newRow("relative to the working folder") << QStringLiteral("tone.wav") << m_wav;
    QTest::newRow("blanks, æøå, #") << m_odd << m_odd;
}

void TstAlarmSound::fileBecomesLocalUrl()
{
    QFETCH(QString, path);
    QFETCH(QString, file);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    AlarmSound sound;
    sound.start(path, 0);
    QDir::setCurrent(previous);
    QCOMPARE(sound.source(), QUrl::fromLocalFile(file));
    QCOMPARE(sound.source().toLocalFile(), file);
    if (!m_noSound.isEmpty())
        return; // without a sound server every file fails to play
    // A playable file is never swapped for the bundled sound.
    QTest::qWait(300);
    QVERIFY(!sound.isFallback());
}

void TstAlarmSound::limitStopsByItself()
{
    AlarmSound sound;
    QCOMPARE(sound.limit(), 10 * 60 * 1000);
    sound.setLimit(300);
    QSignalSpy reached(&sound, &AlarmSound::limitReached);
    sound.start(m_wav, 0);
    QTest::qWait(100);
    QVERIFY(sound.isPlaying());
    QVERIFY(reached.wait(2000));
    QCOMPARE(reached.count(), 1);
    QVERIFY(!sound.isPlaying());
    QTest::qWait(400);
    QCOMPARE(reached.count(), 1);

    // A stop before the limit cancels it.
    sound.start(m_wav, 0);
    sound.stop();
    QTest::qWait(500);
    QCOMPARE(reached.count(), 1);
}

void TstAlarmSound::destroyedWhilePlayingOrFailing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("afterMs");
    QTest::newRow("playing") << m_wav << 300;
    QTest::newRow("at once") << m_wav << 0;
    QTest::newRow("failure pending") << m_dir.filePath(QStringLiteral("missing.wav")) << 0;
    QTest::newRow("failure on the way") << m_dir.filePath(QStringLiteral("missing.wav")) << 30;
}

void TstAlarmSound::destroyedWhilePlayingOrFailing()
{
    QFETCH(QString, path);
    QFETCH(int, afterMs);
    auto sound = std::make_unique<AlarmSound>();
    sound->setLimit(200);
    sound->start(path, 0);
    if (afterMs > 0)
        QTest::qWait(afterMs);
    sound.reset();
    // Queued failures and the limit timer must find nothing left to touch.
    QTest::qWait(400);
}

void TstAlarmSound::unplayableFileSwitchesToBundledSound_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.mp3"));
    QTest::newRow("garbage") << m_garbage;
    QTest::newRow("empty file") << m_empty;
    QTest::newRow("folder") << m_dir.path();
}

void TstAlarmSound::unplayableFileSwitchesToBundledSound()
{
    QFETCH(QString, path);
    AlarmSound sound;
    sound.start(path, 0);
    QVERIFY(!sound.isFallback());
    QTRY_VERIFY_WITH_TIMEOUT(sound.isFallback(), 3000);
    if (!m_noSound.isEmpty())
        return;
    QVERIFY(sound.isPlaying());
    QCOMPARE(sound.source(), QUrl(QStringLiteral("qrc:/audio/resources/audio/fire_alarm.wav")));
}

void TstAlarmSound::recordsWhilePlayingAndSilenceAfterStop_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("wav") << m_wav;
    QTest::newRow("mp3") << m_mp3;
    QTest::newRow("blanks, æøå, #") << m_odd;
}

void TstAlarmSound::recordsWhilePlayingAndSilenceAfterStop()
{
    SKIP_WITHOUT_SOUND();
    QFETCH(QString, path);
    AlarmSound sound;
    sound.start(path, 100);
    const qint64 started = m_recorder.now();
    QTest::qWait(1500);
    const qint64 stopped = m_recorder.now();
    sound.stop();
    QTest::qWait(1000);
    QVERIFY(!sound.isFallback());

    const auto playing = m_recorder.level(started + 500, stopped);
    QVERIFY(playing.ok);
    QVERIFY2(qAbs(playing.peak - kTonePeak) < 0.03, qPrintable(QString::number(playing.peak)));
    const auto after = m_recorder.level(stopped + 500, stopped + 1000);
    QVERIFY(after.ok);
    QVERIFY2(after.peak < kSilence, qPrintable(QString::number(after.peak)));
}

void TstAlarmSound::loopsShortFile()
{
    SKIP_WITHOUT_SOUND();
    AlarmSound sound;
    sound.start(m_shortWav, 100);
    const qint64 started = m_recorder.now();
    QTest::qWait(2600);
    // Long after a 0.3 s file has ended, however slowly it started, each slice holds the tone.
    for (qint64 at = 1200; at < 2400; at += 300) {
        const auto slice = m_recorder.level(started + at, started + at + 200);
        QVERIFY(slice.ok);
        QVERIFY2(slice.peak > kTonePeak * 0.8,
                 qPrintable(QStringLiteral("%1 ms: %2").arg(at).arg(slice.peak)));
    }
    sound.stop();
}

void TstAlarmSound::emptyPathRecordsBundledSound()
{
    SKIP_WITHOUT_SOUND();
    const double peak = peakWhilePlaying(QString(), 100);
    QVERIFY2(qAbs(peak - m_bundledPeak) < 0.05, qPrintable(QString::number(peak)));
}

void TstAlarmSound::unplayableFileRecordsBundledSound_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("no such folder/alarm.wav"));
    QTest::newRow("garbage") << m_garbage;
}

void TstAlarmSound::unplayableFileRecordsBundledSound()
{
    SKIP_WITHOUT_SOUND();
    QFETCH(QString, path);
    const double peak = peakWhilePlaying(path, 100);
    QVERIFY2(qAbs(peak - m_bundledPeak) < 0.05, qPrintable(QString::number(peak)));
}

void TstAlarmSound::quieterVolumeRecordsQuieter()
{
    SKIP_WITHOUT_SOUND();
    const double loud = peakWhilePlaying(m_wav, 80);
    const double quiet = peakWhilePlaying(m_wav, 30);
    QVERIFY2(loud > kTonePeak * 0.6 && quiet > kTonePeak * 0.2,
             qPrintable(QStringLiteral("%1 %2").arg(loud).arg(quiet)));
    // The volume is linear: 30 against 80 is 0.375.
    const double ratio = quiet / loud;
    QVERIFY2(ratio > 0.3 && ratio < 0.45, qPrintable(QString::number(ratio)));
}

void TstAlarmSound::limitSilencesAndSignals()
{
    SKIP_WITHOUT_SOUND();
    AlarmSound sound;
    sound.setLimit(1200);
    QSignalSpy reached(&sound, &AlarmSound::limitReached);
    const qint64 started = m_recorder.now();
    sound.start(m_wav, 100);
    QVERIFY(reached.wait(3000));
    const qint64 ended = m_recorder.now();
    QTest::qWait(1000);
    QVERIFY2(ended - started >= 1190, qPrintable(QString::number(ended - started)));
    const auto before = m_recorder.level(started + 600, ended - 100);
    const auto after = m_recorder.level(ended + 500, ended + 1000);
    QVERIFY(before.ok && after.ok);
    QVERIFY2(before.peak > kTonePeak * 0.8, qPrintable(QString::number(before.peak)));
    QVERIFY2(after.peak < kSilence, qPrintable(QString::number(after.peak)));
}

void TstAlarmSound::oneStreamAtATimeAndNoneAfterStop()
{
    SKIP_WITHOUT_SOUND();
    AlarmSound sound;
    sound.start(m_wav, 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_recorder.streams(), 1, 3000);
    sound.start(m_mp3, 0);
    QTest::qWait(500);
    QCOMPARE(m_recorder.streams(), 1);
    sound.start(m_dir.filePath(QStringLiteral("missing.wav")), 0);
    QTRY_VERIFY_WITH_TIMEOUT(sound.isFallback(), 3000);
    QTest::qWait(500);
    QCOMPARE(m_recorder.streams(), 1);
    sound.stop();
    QTRY_COMPARE_WITH_TIMEOUT(m_recorder.streams(), 0, 2000);
}

QTEST_MAIN(TstAlarmSound)
#include "tst_alarmsound.moc"
