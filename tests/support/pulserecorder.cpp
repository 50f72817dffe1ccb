#include "pulserecorder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

namespace {

constexpr qint64 kBytesPerSecond = 44100 * 2 * 2;

QString run(const QString &program, const QStringList &arguments, bool *ok, bool wantStderr = false)
{
    QProcess process;
    process.start(program, arguments);
    *ok = process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit &&
          process.exitCode() == 0;
    return QString::fromLocal8Bit(wantStderr ? process.readAllStandardError()
                                             : process.readAllStandardOutput());
}

double statValue(const QString &output, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^%1\\s+amplitude:\\s+(\\S+)\\s*$").arg(name),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(output);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

const QStringList kRawFormat = {
    QStringLiteral("-t"), QStringLiteral("raw"),    QStringLiteral("-r"), QStringLiteral("44100"),
    QStringLiteral("-e"), QStringLiteral("signed"), QStringLiteral("-b"), QStringLiteral("16"),
    QStringLiteral("-c"), QStringLiteral("2")};

} // namespace

PulseRecorder::Level measureSound(const QString &file, double startSeconds, double lengthSeconds,
                                  const QStringList &format)
{
    bool ok = false;
    const QString out =
        run(QStringLiteral("sox"),
            format + QStringList{file, QStringLiteral("-n"), QStringLiteral("trim"),
                                 QString::number(qMax(0.0, startSeconds), 'f', 3),
                                 QString::number(qMax(0.001, lengthSeconds), 'f', 3),
                                 QStringLiteral("stat")},
            &ok, true);
    PulseRecorder::Level level;
    level.peak = statValue(out, QStringLiteral("Maximum"));
    level.rms = statValue(out, QStringLiteral("RMS"));
    level.ok = ok && level.peak >= 0 && level.rms >= 0;
    return level;
}

PulseRecorder::PulseRecorder()
{
    m_clock.start();
}

PulseRecorder::~PulseRecorder()
{
    stop();
    if (!m_module.isEmpty()) {
        bool ok = false;
        run(QStringLiteral("pactl"), {QStringLiteral("unload-module"), m_module}, &ok);
    }
}

bool PulseRecorder::announced()
{
    return !qEnvironmentVariableIsEmpty("TIVORA_TEST_SINK");
}

bool PulseRecorder::setUp(QString *why)
{
    m_sink = QStringLiteral("tivora_%1_%2")
                 .arg(QFileInfo(QCoreApplication::applicationFilePath()).baseName())
                 .arg(QCoreApplication::applicationPid());
    bool ok = false;
    m_module = run(QStringLiteral("pactl"),
                   {QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                    QStringLiteral("sink_name=") + m_sink, QStringLiteral("rate=44100"),
                    QStringLiteral("channels=2")},
                   &ok)
                   .trimmed();
    if (!ok || m_module.isEmpty()) {
        m_module.clear();
        *why = QStringLiteral("pactl could not load a null sink");
        return false;
    }
    const QString sinks =
        run(QStringLiteral("pactl"),
            {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}, &ok);
    for (const QString &line : sinks.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() > 1 && fields.at(1) == m_sink)
            m_sinkIndex = fields.at(0);
    }
    if (m_sinkIndex.isEmpty()) {
        *why = QStringLiteral("the null sink did not appear");
        return false;
    }
    // libpulse sends every stream without a named device to this sink.
    qputenv("PULSE_SINK", m_sink.toUtf8());
    return true;
}

bool PulseRecorder::start(const QString &file)
{
    m_file = file;
    m_parecord.start(QStringLiteral("parecord"),
                     {QStringLiteral("--device=%1.monitor").arg(m_sink), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                      QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=10"), file});
    if (!m_parecord.waitForStarted(5000))
        return false;
    // The file's time zero is placed by how much it holds when first seen growing.
    for (int i = 0; i < 2500; ++i) {
        const qint64 bytes = QFileInfo(file).size();
        if (bytes > 0) {
            m_originMs = now() - bytes * 1000 / kBytesPerSecond;
            return true;
        }
        if (m_parecord.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(2);
    }
    return false;
}

bool PulseRecorder::stop()
{
    if (m_parecord.state() == QProcess::NotRunning)
        return false;
    m_parecord.terminate();
    if (!m_parecord.waitForFinished(5000)) {
        m_parecord.kill();
        m_parecord.waitForFinished(2000);
        return false;
    }
    return true;
}

PulseRecorder::Level PulseRecorder::level(qint64 fromMs, qint64 toMs) const
{
    const qint64 needed = (toMs - m_originMs) * kBytesPerSecond / 1000;
    for (int i = 0; i < 1000 && QFileInfo(m_file).size() < needed; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
    return measureSound(m_file, (fromMs - m_originMs) / 1000.0, (toMs - fromMs) / 1000.0,
                        kRawFormat);
}

int PulseRecorder::streams() const
{
    bool ok = false;
    const QString inputs =
        run(QStringLiteral("pactl"),
            {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")}, &ok);
    int count = 0;
    for (const QString &line : inputs.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() > 1 && fields.at(1) == m_sinkIndex)
            ++count;
    }
    return count;
}

bool makeTone(const QString &file, double seconds, double peak)
{
    bool ok = false;
    run(QStringLiteral("sox"),
        {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"),
         QStringLiteral("2"), file, QStringLiteral("synth"), QString::number(seconds),
         QStringLiteral("sine"), QStringLiteral("440"), QStringLiteral("vol"),
         QString::number(peak)},
        &ok);
    return ok && QFileInfo::exists(file);
}
