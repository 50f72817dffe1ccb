// Prints the processor time the main window uses while it idles, and the
// delay from each wall-clock second to the repaint of its clock label, beside
// the same figures for a bare label re-armed once a second and for a label
// driven by a 0 ms timer. Usage: bench_alarm_idle [window seconds] [reference seconds]
// Under valgrind --tool=callgrind each measured phase is dumped to its own file.
// With TIVORA_XVFB_PID set (scripts/with-x) it also counts the X server's time.

#include "app/program.h"
#include "app/shell.h"
#include "kit/desktop.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

// Nanoseconds this thread has run, as the scheduler counts them.
qint64 threadCpuNs()
{
    QFile file(QStringLiteral("/proc/thread-self/schedstat"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readLine().split(' ').value(0).toLongLong();
}

// Nanoseconds all threads of the X server have run; -1 without one to watch.
qint64 xServerCpuNs()
{
    const QByteArray pid = qgetenv("TIVORA_XVFB_PID");
    if (pid.isEmpty())
        return -1;
    qint64 total = 0;
    QDirIterator tasks(QStringLiteral("/proc/%1/task").arg(QString::fromLatin1(pid)),
                       QDir::Dirs | QDir::NoDotAndDotDot);
    while (tasks.hasNext()) {
        QFile file(tasks.next() + QStringLiteral("/schedstat"));
        if (file.open(QIODevice::ReadOnly))
            total += file.readLine().split(' ').value(0).toLongLong();
    }
    return total;
}

// Times the GUI thread, which runs the clock and the alarm, was woken from a wait (its
// voluntary context switches).
qint64 guiThreadWakeups()
{
    QFile file(QStringLiteral("/proc/thread-self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(24).trimmed().toLongLong();
    }
    return -1;
}

qint64 processCpuUs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

// Microseconds since local midnight.
qint64 localTimeOfDayUs()
{
    const qint64 utcUs = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    const qint64 offsetUs = QDateTime::currentDateTime().offsetFromUtc() * 1000000LL;
    const qint64 day = 86400LL * 1000000LL;
    return ((utcUs + offsetUs) % day + day) % day;
}

// "hh:mm:ss" read by hand, so the probe costs little beside the repaint it watches.
int secondsOfDay(const QString &text)
{
    if (text.size() != 8)
        return -1;
    int fields[3];
    for (int i = 0; i < 3; ++i) {
        const int tens = text.at(3 * i).digitValue();
        const int ones = text.at(3 * i + 1).digitValue();
        if (tens < 0 || ones < 0)
            return -1;
        fields[i] = tens * 10 + ones;
    }
    return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

// Watches a label's repaints and notes, for each new text, how long after the
// start of the second it names the new text reached the screen.
class RepaintProbe : public QObject
{
public:
    explicit RepaintProbe(QLabel *label) : QObject(label), m_label(label)
    {
        label->installEventFilter(this);
    }

    void setCounting(bool on) { m_counting = on; }
    const std::vector<double> &delaysMs() const { return m_delaysMs; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        const QString text = m_label->text();
        if (text == m_last)
            return false;
        m_last = text;
        const int shownMs = secondsOfDay(text) * 1000;
        if (!m_counting || shownMs < 0)
            return false;
        const qint64 day = 86400LL * 1000000LL;
        qint64 delayUs = localTimeOfDayUs() - shownMs * 1000LL;
        if (delayUs < -day / 2)
            delayUs += day;
        m_delaysMs.push_back(delayUs / 1000.0);
        return false;
    }

private:
    QLabel *m_label;
    QString m_last;
    std::vector<double> m_delaysMs;
    bool m_counting = false;
};

struct Figures
{
    const char *name = "";
    double seconds = 0;
    double threadCpuMs = 0;
    double processCpuMs = 0;
    double xServerCpuMs = -1;
    qint64 wakeups = 0;
    std::vector<double> delaysMs;
};

void runFor(double seconds)
{
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

Figures measure(const char *name, QLabel *label, double seconds)
{
    auto *probe = new RepaintProbe(label);
    runFor(2); // settle: first paints, layout, fonts
    Figures figures;
    figures.name = name;
    probe->setCounting(true);
    // Under callgrind each phase's instructions are dumped on their own.
    CALLGRIND_ZERO_STATS;
    const qint64 thread0 = threadCpuNs();
    const qint64 process0 = processCpuUs();
    const qint64 server0 = xServerCpuNs();
    const qint64 wakeups0 = guiThreadWakeups();
    const auto wall0 = std::chrono::steady_clock::now();
    runFor(seconds);
    // Less the wake-up that ends the measurement.
    figures.wakeups = guiThreadWakeups() - wakeups0 - 1;
    const auto wall1 = std::chrono::steady_clock::now();
    CALLGRIND_DUMP_STATS_AT(name);
    figures.threadCpuMs = (threadCpuNs() - thread0) / 1e6;
    figures.processCpuMs = (processCpuUs() - process0) / 1e3;
    if (server0 >= 0)
        figures.xServerCpuMs = (xServerCpuNs() - server0) / 1e6;
    figures.seconds = std::chrono::duration<double>(wall1 - wall0).count();
    figures.delaysMs = probe->delaysMs();
    return figures;
}

void print(const Figures &f)
{
    std::vector<double> delays = f.delaysMs;
    std::sort(delays.begin(), delays.end());
    const double median = delays.empty() ? -1 : delays[delays.size() / 2];
    const double worst = delays.empty() ? -1 : delays.back();
    const double perChangeUs = delays.empty() ? -1 : f.threadCpuMs * 1000 / delays.size();
    std::printf("%-26s %6.1f s %10.2f ms %9.3f %% %10.2f ms %8zu %12.1f %10.2f %9.2f %10.2f ms\n",
                f.name, f.seconds, f.threadCpuMs, 100.0 * f.threadCpuMs / (f.seconds * 1000),
                f.processCpuMs, delays.size(), perChangeUs, median, worst, f.xServerCpuMs);
    std::printf("%-26s %lld wake-ups of the GUI thread\n", "", static_cast<long long>(f.wakeups));
    std::fflush(stdout);
}

QString nowText()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    desktop::prepare();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const double windowSeconds = args.value(1, QStringLiteral("60")).toDouble();
    const double referenceSeconds = args.value(2, QStringLiteral("20")).toDouble();

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir(folder.path()).mkpath(QStringLiteral("data/settings")))
        return 1;
    QDir::setCurrent(folder.path());
    QFile language(QStringLiteral("data/settings/tivora_lang.txt"));
    if (language.open(QIODevice::WriteOnly))
        language.write("1");
    language.close();

    std::printf("Idle cost on platform %s; cpu is the GUI thread's scheduler time, process is "
                "getrusage\n",
                qPrintable(QApplication::platformName()));
    std::printf("%-26s %8s %13s %11s %13s %8s %12s %10s %9s %13s\n", "", "wall", "cpu", "of a core",
                "process", "changes", "cpu/chg us", "median ms", "worst ms", "X server");
    std::fflush(stdout);

    std::vector<Figures> all;
    {
        Program program;
        Shell shell(program);
        MainWindow &window = shell.window();
        window.show();
        program.alarms.start();
        auto *clock = window.findChild<QLabel *>(QStringLiteral("lblClock"));
        if (!clock) {
            std::fprintf(stderr, "no lblClock in the main window\n");
            return 1;
        }
        all.push_back(measure("main window", clock, windowSeconds));
        print(all.back());
        // Closed to the background: the alarm, armed for tomorrow, sleeps until it is due.
        const QTime now = QTime::currentTime();
        program.alarms.at(0).setTime(now.addSecs(-3600));
        program.alarms.at(0).setArmed(true);
        window.hide();
        all.push_back(measure("hidden, armed", clock, windowSeconds));
        print(all.back());
        // A countdown running with the window hidden wakes nothing before its end.
        program.timers.start();
        program.timers.add(qint64(windowSeconds * 1000) + 60 * 1000)->start(program.timers.now());
        all.push_back(measure("hidden, a timer running", clock, windowSeconds));
        print(all.back());
        // A ring that fades in over a minute steps its volume ten times a second, and no more;
        // beside a ring at full volume, which the player itself wakes.
        for (const int fade : {0, 60}) {
            Alarm &ringing = *program.alarms.add();
            ringing.setFadeSeconds(fade);
            ringing.setTime(QTime::currentTime().addSecs(3));
            ringing.setArmed(true);
            all.push_back(measure(fade ? "a ring fading in" : "a ring at full volume", clock, 10));
            print(all.back());
            program.alarms.stop(&ringing);
            program.alarms.remove(ringing);
        }
    }
    {
        QLabel label;
        label.resize(200, 40);
        label.show();
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            label.setText(nowText());
            timer.start(1000 - QTime::currentTime().msec());
        });
        timer.start(0);
        all.push_back(measure("bare label, 1 s re-arm", &label, referenceSeconds));
        print(all.back());
    }
    {
        QLabel label;
        label.resize(200, 40);
        label.show();
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { label.setText(nowText()); });
        timer.start(0);
        all.push_back(measure("0 ms timer", &label, referenceSeconds));
        print(all.back());
    }
    QDir::setCurrent(QDir::tempPath());

    // Every thread counts: under X11 a second thread reads the server's events.
    const auto share = [](const Figures &f) { return 100.0 * f.processCpuMs / (f.seconds * 1000); };
    const auto delay = [](const Figures &f, bool worst) {
        std::vector<double> delays = f.delaysMs;
        std::sort(delays.begin(), delays.end());
        return delays.empty() ? -1.0 : worst ? delays.back() : delays[delays.size() / 2];
    };
    const Figures &window = all.front();
    const Figures &hidden = all[1];
    const Figures &timer = all[2];
    const Figures &loud = all[3];
    const Figures &fading = all[4];
    const Figures &bare = all[all.size() - 2];
    const Figures &busy = all.back();
    std::printf("TABLE|Idle processor use of the main window (%.0f s)|%.3f%% of a core|%.3f%% "
                "(bare label, 1 s re-arm)|under 0.1%%\n",
                window.seconds, share(window), share(bare));
    // Offscreen the row stays empty, so it keeps its place beside the one above.
    if (window.xServerCpuMs < 0)
        std::printf("TABLE|X server's processor use meanwhile|||\n");
    else
        std::printf("TABLE|X server's processor use meanwhile|%.3f%% of a core|%.3f%% (bare "
                    "label, 1 s re-arm)|\n",
                    window.xServerCpuMs / (window.seconds * 10),
                    bare.xServerCpuMs / (bare.seconds * 10));
    std::printf("TABLE|GUI thread's wake-ups in %.0f s, window shown / hidden with an alarm "
                "armed|%lld / %lld||"
                "none while hidden\n",
                window.seconds, static_cast<long long>(window.wakeups),
                static_cast<long long>(hidden.wakeups));
    std::printf("TABLE|Processor use with the window hidden (%.0f s)|%.3f%% of a core||-\n",
                hidden.seconds, share(hidden));
    std::printf("TABLE|GUI thread's wake-ups in %.0f s, hidden, a timer running to its end "
                "later|%lld||none before its end\n",
                timer.seconds, static_cast<long long>(timer.wakeups));
    std::printf("TABLE|GUI thread's wake-ups in %.0f s of a ring fading in over a minute|%lld|%lld "
                "(a ring at full volume)|at most 10 a second more\n",
                fading.seconds, static_cast<long long>(fading.wakeups),
                static_cast<long long>(loud.wakeups));
    std::printf("TABLE|Second boundary to label change, median|%.2f ms|%.2f ms (0 ms timer)|"
                "under 5 ms\n",
                delay(window, false), delay(busy, false));
    std::printf("TABLE|Second boundary to label change, worst|%.2f ms|%.2f ms (0 ms timer)|"
                "under 20 ms\n",
                delay(window, true), delay(busy, true));
    return 0;
}
