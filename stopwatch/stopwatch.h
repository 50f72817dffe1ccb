#pragma once

#include "kit/texttable.h"

#include <QDialog>
#include <QMessageBox>
#include <QtGlobal>

#include <functional>

struct BilingualBox;
struct ClockTexts;

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
    // QMessageBox::information or QMessageBox::critical.
    using MessageBoxFunction = QMessageBox::StandardButton (*)(QWidget *, const QString &,
                                                               const QString &,
                                                               QMessageBox::StandardButtons,
                                                               QMessageBox::StandardButton);

    void showClock(const ClockTexts &clock);
    ClockTexts shownClock() const;
    void showBox(const BilingualBox &box, MessageBoxFunction show);

    // Members are only the objects this window owns; its values live in the module.
    Ui::Stopwatch *ui;
};

// The stopwatch module's process-wide state, reached from tests and benchmarks.
namespace stopwatchhooks {

// The monotonic clock (milliseconds) the stopwatch measures with; empty: the system's.
void setClock(std::function<qint64()> clock);
// Time, round count and language code back to program start, hooks included.
void reset();
// The stopwatch's texts in both languages.
const texttable::Table &texts();

} // namespace stopwatchhooks
