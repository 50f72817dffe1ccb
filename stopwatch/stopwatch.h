#pragma once

#include <QDialog>
#include <QtGlobal>

#include <functional>

namespace Ui {
class Stopwatch;
}

class Stopwatch : public QDialog
{
    Q_OBJECT

public:
    explicit Stopwatch(QWidget *parent = nullptr);
    ~Stopwatch() override;

private slots:
    void showTime();
    void startStopwatch();
    void on_btnStart_clicked();
    void on_btnPause_clicked();
    void on_btnStop_clicked();
    void on_btnRound_clicked();
    void on_btnClearLog_clicked();
    void langEnglish();
    void langNorwegian();
    void on_btnSaveFile_clicked();
    void on_btnExport_clicked();

private:
    Ui::Stopwatch *ui;
};

// The process-wide stopwatch state outlives every dialog; these reach it from outside.
namespace stopwatchstate {

// The monotonic clock (milliseconds) the stopwatch measures with; an empty
// function restores the system's monotonic clock.
void setClock(std::function<qint64()> clock);

// Puts the time, the round count and the language code back to their values
// at process start, for tests that need a fresh process.
void resetToProcessStart();

} // namespace stopwatchstate
