#pragma once

#include "alarm/alarmclock.h"

#include <QDateTime>
#include <QMainWindow>

#include <functional>

class AlarmSound;
class QTimer;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    using RingObserver = std::function<void()>;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Where the clock and the alarm take the local time from; an empty
    // function restores QDateTime::currentDateTime.
    static void setClock(Clock now);
    // Called each time the alarm rings, after its sound (if any) has started
    // and before its box shows.
    static void setRingObserver(RingObserver observer);
    // Forgets the process-wide state of this module, for tests that build
    // several windows in one process.
    static void resetModuleState();

private slots:
    void showTime();
    void englishLang();
    void norwegianLang();
    void on_btnOpenFile_clicked();
    void on_actionExit_triggered();
    void on_actionSettings_triggered();
    void on_actionAbout_triggered();
    void on_actionStopwatch_triggered();
    void on_actionSend_feedback_triggered();
    void on_actionCheck_for_updates_triggered();
    void on_actionHelp_triggered();

private:
    void ring(bool withSound);
    void hideToolTips();

    Ui::MainWindow *ui;
    QTimer *clockTimer;
    AlarmSound *alarmSound;
    AlarmClock alarmClock;
    QDateTime lastTick;
};
