// Start-up time: from spawning a process to the main window's first paint,
// and the resident memory right after it. Run without arguments; the program
// re-runs itself as the measured child, on the offscreen platform unless
// QT_QPA_PLATFORM names another.
#include "app/program.h"
#include "app/shell.h"
#include "kit/desktop.h"
#include "resident.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QElapsedTimer now;
            now.start();
            // The monotonic clock is shared with the parent process.
            std::printf("%lld %ld\n", static_cast<long long>(now.msecsSinceReference()),
                        residentKiB());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

int child(int argc, char **argv)
{
    desktop::prepare();
    QApplication app(argc, argv);
    Program program;
    // As the program starts: with its tray icon and its notifications on the session bus.
    Shell shell(program);
    FirstPaint watcher;
    shell.window().installEventFilter(&watcher);
    shell.start(false);
    return app.exec();
}

void seedSettings(const QString &root)
{
    QDir(root).mkpath(QStringLiteral("data/settings"));
    const QList<QPair<QString, QByteArray>> files = {{QStringLiteral("tivora_lang.txt"), "1"},
                                                     {QStringLiteral("tivora_volume.txt"), "80"},
                                                     {QStringLiteral("tivora_tooltips.txt"), "1"},
                                                     {QStringLiteral("tivora_sa_index.txt"), "0"},
                                                     {QStringLiteral("tivora_ivn.txt"), "22"}};
    for (const auto &file : files) {
        QFile out(root + QStringLiteral("/data/settings/") + file.first);
        if (out.open(QIODevice::WriteOnly))
            out.write(file.second);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    // The child runs in the settings folder, so a relative argv[0] would not find it.
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    QTemporaryDir folder;
    seedSettings(folder.path());
    const int runs = 10;
    std::vector<double> startMs;
    std::vector<long> rssKiB;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (env.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        QElapsedTimer spawn;
        spawn.start();
        process.start(self, {QStringLiteral("--child")});
        process.waitForFinished(30000);
        const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() != 2) {
            std::fprintf(stderr, "run %d: no paint reported\n", i);
            return 1;
        }
        startMs.push_back(double(fields[0].toLongLong() - spawn.msecsSinceReference()));
        rssKiB.push_back(fields[1].toLong());
    }
    std::sort(startMs.begin(), startMs.end());
    std::sort(rssKiB.begin(), rssKiB.end());
    std::printf("start-up to first painted main window, %d runs: median %.0f ms, worst %.0f ms\n",
                runs, startMs[runs / 2], startMs.back());
    std::printf("resident memory after start-up: median %.1f MiB\n", rssKiB[runs / 2] / 1024.0);
    std::printf("TABLE|Start-up to first painted main window (median)|%.0f ms||under 300 ms\n",
                startMs[runs / 2]);
    std::printf("TABLE|Resident memory after start-up|%.1f MiB||\n", rssKiB[runs / 2] / 1024.0);
    return 0;
}
