#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>
#include <memory>

// Wakes the program at a moment of the wall clock while nothing else ticks, and not once before.
// Each platform has its own, which wakes on time also after the clock or its zone was set and
// after a resume from suspend; the portable one looks at the clock at least once a minute.
class WakeUp : public QObject
{
    Q_OBJECT

public:
    // The local date and time; the system clock when empty.
    using Clock = std::function<QDateTime()>;

    // The platform's own wake-up, or the portable one on the clock where there is none.
    static std::unique_ptr<WakeUp> make(const Clock &clock = {});

    // Wakes at the moment; an invalid one wakes never. A moment already past wakes at once,
    // though never inside this call.
    virtual void at(const QDateTime &moment) = 0;

signals:
    // The moment came, or the clock was set: look at the time again.
    void woke();

protected:
    explicit WakeUp(QObject *parent = nullptr) : QObject(parent) {}
};
