#pragma once

#include "kit/texttable.h"

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
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Asks first while an alarm is armed, which cannot ring once Tivora is closed.
    bool mayQuit();
    void readSettings();
    void applyLanguage(Language language);
    void showAlarmState();
    void restoreAlarm();
    void saveAlarm();
    void ring(bool withSound);
    void hideToolTips();

    // Members are only the objects this window owns; its values live in the module.
    Ui::MainWindow *ui;
    QTimer *clockTimer;
    QTimer *saveTimer;
    AlarmSound *alarmSound;
};

// The alarm module's process-wide state, reached from tests and benchmarks.
namespace alarmhooks {

// Where the clock and the alarm take the local time from; empty: the system clock.
void setClock(std::function<QDateTime()> now);
// Called each time the alarm rings, after its sound (if any) has started and
// before its box shows.
void setRingObserver(std::function<void()> observer);
// How long a snoozed alarm waits before it rings again.
void setSnoozeInterval(qint64 ms);
// Everything back to program start, hooks included.
void reset();
// The main window's texts in both languages.
const texttable::Table &texts();

} // namespace alarmhooks
