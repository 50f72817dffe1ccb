#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>

// Records what this process plays. The test's sound server (named by
// TIVORA_TEST_SINK) gets a null sink of this process's own, made the default
// for every stream the process opens, so tests running side by side never
// hear each other; parecord records that sink's monitor as raw 16-bit stereo
// at 44.1 kHz, which can be measured while the recording goes on.
class PulseRecorder
{
public:
    struct Level
    {
        bool ok = false;
        double peak = 0;
        double rms = 0;
    };

    PulseRecorder();
    ~PulseRecorder();
    PulseRecorder(const PulseRecorder &) = delete;
    PulseRecorder &operator=(const PulseRecorder &) = delete;

    // True when a test sound server was announced in the environment.
    static bool announced();
    // Loads the private sink and routes this process's sound to it; must run
    // before the first player is created. On failure, why says what went wrong.
    bool setUp(QString *why);

    // Starts recording into file and returns once samples are flowing.
    bool start(const QString &file);
    bool stop();

    // Milliseconds on the recorder's clock, for marking events.
    qint64 now() const { return m_clock.elapsed(); }
    // Peak and RMS between two marks; waits (running events) until the
    // recording reaches the later one.
    Level level(qint64 fromMs, qint64 toMs) const;
    // Streams playing into the private sink now, as the server lists them.
    int streams() const;

    QString sinkName() const { return m_sink; }

private:
    QElapsedTimer m_clock;
    QProcess m_parecord;
    QString m_sink;
    QString m_module;
    QString m_sinkIndex;
    QString m_file;
    qint64 m_originMs = 0;
};

// Peak and RMS of a slice of a sound file, as sox measures them; format
// arguments (such as those of a raw file) go before the file name.
PulseRecorder::Level measureSound(const QString &file, double startSeconds, double lengthSeconds,
                                  const QStringList &format = {});

// Writes a 440 Hz stereo sine of the given peak (fraction of full scale) with
// sox; the file's extension chooses its format (wav, mp3).
bool makeTone(const QString &file, double seconds, double peak);
