#pragma once

#include <QDialog>
#include <QMessageBox>

class StopwatchSession;
class TimeKeeper;
struct BilingualBox;
struct ClockTexts;

namespace Ui {
class Stopwatch;
}

class Stopwatch : public QDialog
{
    Q_OBJECT

public:
    // Shows and runs the session, which goes on when the window closes.
    explicit Stopwatch(StopwatchSession &session, QWidget *parent = nullptr);
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
    // QMessageBox::information or QMessageBox::critical.
    using MessageBoxFunction = QMessageBox::StandardButton (*)(QWidget *, const QString &,
                                                               const QString &,
                                                               QMessageBox::StandardButtons,
                                                               QMessageBox::StandardButton);

    void showClock(const ClockTexts &clock);
    ClockTexts shownClock() const;
    void showBox(const BilingualBox &box, MessageBoxFunction show);
    TimeKeeper &keeper();

    Ui::Stopwatch *ui;
    StopwatchSession &session;
};
