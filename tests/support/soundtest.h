#pragma once

#include "pulserecorder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A quarter-scale tone, told apart from the bundled alarm by its level.
constexpr double kTonePeak = 0.25;
constexpr double kSilence = 0.01;

// A developer without a sound server still passes; the test script has one.
#define SKIP_WITHOUT_SOUND()                                                                       \
    do {                                                                                           \
        if (!m_noSound.isEmpty())                                                                  \
            QSKIP(qPrintable(m_noSound));                                                          \
    } while (false)

// Why nothing can be recorded here, or nothing when a test sound server was announced.
inline QString missingSoundServer()
{
    return PulseRecorder::announced()
               ? QString()
               : QStringLiteral("no test sound server (TIVORA_TEST_SINK is unset)");
}

// The bundled alarm's peak, which the test tone must stay clear of; the caller checks
// QTest::currentTestFailed().
inline void measureBundledPeak(const QTemporaryDir &dir, double *peak)
{
    const QString bundled = dir.filePath(QStringLiteral("bundled.wav"));
    QVERIFY(QFile::copy(QStringLiteral(":/audio/resources/audio/fire_alarm.wav"), bundled));
    const auto level = measureSound(bundled, 0, 2);
    QVERIFY(level.ok);
    *peak = level.peak;
    QVERIFY2(qAbs(*peak - kTonePeak) > 0.1, "the test tone must differ from the bundle");
}

// Routes this process's sound to a sink of its own and records it; why says what failed.
inline void startRecording(PulseRecorder &recorder, const QTemporaryDir &dir, QString *why)
{
    QVERIFY2(recorder.setUp(why), qPrintable(*why));
    QVERIFY(recorder.start(dir.filePath(QStringLiteral("monitor.raw"))));
}
