// Resident memory after start-up and after one hour of simulated use: the
// main window's clock driven through an hour, an alarm every five minutes,
// the five dialogs opened and closed in turn, update checks against a
// loopback server. A leak shows as memory growing with the hour.
#include "app/program.h"
#include "app/shell.h"
#include "kit/desktop.h"

#include "loopbackserver.h"
#include "programdriver.h"
#include "resident.h"

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
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

QDateTime simulatedNow;

double residentMiB()
{
    return residentKiB() / 1024.0;
}

void runEvents(int ms)
{
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (waited.elapsed() < ms);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    desktop::prepare();
    QApplication app(argc, argv);
    // The offscreen platform warns at every box; the figures stay readable without it.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QTemporaryDir folder;
    programdriver::copyShippedData(QStringLiteral(TIVORA_SOURCE_DIR "/data"), folder.path());
    QDir::setCurrent(folder.path());

    LoopbackServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "could not start the loopback server (python3)\n");
        return 1;
    }

    QElapsedTimer real;
    real.start();
    simulatedNow = QDateTime(QDate(2024, 5, 1), QTime(7, 0));
    programdriver::DialogCloser closer(true);
    Program program([] { return simulatedNow; }, monotonicMilliseconds,
                    server.url(QStringLiteral("/200/0/0/23")));
    auto shell = std::make_unique<Shell>(program);
    MainWindow *window = &shell->window();
    shell->start(false);
    runEvents(500);
    const double startMiB = residentMiB();

    auto *setTime = window->findChild<QTimeEdit *>(QStringLiteral("teSetTime"));
    auto *armed = window->findChild<QRadioButton *>(QStringLiteral("rbtnAlarmActive"));
    const char *const actions[] = {"actionSettings", "actionStopwatch", "actionCheck_for_updates",
                                   "actionHelp", "actionAbout"};
    const QDateTime begin = simulatedNow;
    setTime->setTime(begin.time().addSecs(300));
    armed->setChecked(true);

    int opened = 0;
    std::vector<double> checkpoints;
    for (int second = 1; second <= 3600; ++second) {
        simulatedNow = begin.addSecs(second);
        program.alarms.tick();
        if (second % 300 == 0)
            setTime->setTime(simulatedNow.time().addSecs(300));
        if (second % 120 == 60) {
            const char *name = actions[opened % 5];
            const bool fullCheck = opened == 2 || opened == 27;
            closer.setUntilVerdict(fullCheck);
            closer.setOpenFor(opened % 5 == 1 || opened % 5 == 2 ? 300 : 30);
            window->findChild<QAction *>(QLatin1String(name))->trigger();
            ++opened;
        }
        QCoreApplication::processEvents();
        if (second % 600 == 0) {
            runEvents(200);
            checkpoints.push_back(residentMiB());
        }
    }
    runEvents(500);
    const double endMiB = residentMiB();
    const double warmMiB = checkpoints.front();
    const int requests = server.requests();
    const QString mesa = mesaLibraries();
    shell.reset();

    const double change = 100.0 * (endMiB - startMiB) / startMiB;
    const double warmChange = 100.0 * (endMiB - warmMiB) / warmMiB;
    std::printf("one simulated hour in %.1f s real: %d alarms, %d dialogs opened and closed, "
                "%d full update checks, %d indicator requests\n",
                real.elapsed() / 1000.0, closer.boxes(), closer.closed(), closer.verdicts(),
                requests);
    std::printf("resident memory: start-up %.1f MiB, after 10 simulated minutes %.1f MiB, "
                "after the hour %.1f MiB\n",
                startMiB, warmMiB, endMiB);
    std::printf("every 10 simulated minutes:");
    for (const double mib : checkpoints)
        std::printf(" %.1f", mib);
    std::printf(" MiB\n");
    std::printf("change over the hour: %+.1f%% from start-up, %+.1f%% from minute 10\n", change,
                warmChange);
    // The first uses of the dialogs, the network and the sound load their libraries; what
    // matters for a long run is whether use keeps growing after that.
    const double settledMiB = checkpoints.size() > 1 ? checkpoints[1] : warmMiB;
    const double settledChange = 100.0 * (endMiB - settledMiB) / settledMiB;
    std::printf("Mesa libraries mapped after the hour: %s\n", qPrintable(mesa));
    std::printf("TABLE|Mesa libraries mapped after the hour|%s||none\n", qPrintable(mesa));
    std::printf("TABLE|Resident memory after one simulated hour|%.1f MiB: %+.1f%% from start-up, "
                "%+.1f%% from minute 20 to 60||flat within 5%%\n",
                endMiB, change, settledChange);
    return 0;
}
