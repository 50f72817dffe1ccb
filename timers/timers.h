#pragma once

#include "kit/bilingual.h"

#include <QDialog>
#include <QTimer>

class Countdown;
class TimerList;

namespace Ui {
class Timers;
}

// The countdown timers' window: the list of timers with the time each has left, a length and a
// label for the selected one, Start, Pause and Reset, and presets that start a timer at once.
// The timers run on when it closes.
class Timers : public QDialog
{
    Q_OBJECT

public:
    explicit Timers(TimerList &timers, QWidget *parent = nullptr);
    ~Timers() override;

private:
    void showList();
    void select(int row);
    Countdown *selected() const;
    // The length the form shows, in milliseconds.
    qint64 formLength() const;
    void startNew(qint64 lengthMs, const QString &label);

    Ui::Timers *ui;
    TimerList &timers;
    Language language = Language::English;
    // Each second while open, for the time left.
    QTimer tick;
};
