#pragma once

#include <QDateTime>
#include <QObject>

#include <memory>

class QSocketNotifier;

// Wakes the program at a moment of the wall clock, on time also after the system clock or its
// zone was changed and after a resume from suspend, and not once before. On Linux a timerfd on
// CLOCK_REALTIME with an absolute deadline; elsewhere it is not available.
class WakeUp : public QObject
{
    Q_OBJECT

public:
    explicit WakeUp(QObject *parent = nullptr);
    ~WakeUp() override;

    bool isAvailable() const { return m_fd >= 0; }
    // Wakes at the moment; an invalid one wakes never.
    void at(const QDateTime &moment);

signals:
    // The moment came, or the clock was set: look at the time again.
    void woke();

private:
    void read();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
