#include "kit/timerwakeup.h"

#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

// A timerfd on CLOCK_REALTIME with an absolute deadline: the kernel wakes it on time after the
// clock or its zone was set and after a resume, and tells of a clock that was set.
class TimerFdWakeUp : public WakeUp
{
public:
    explicit TimerFdWakeUp(int fd) : m_fd(fd), m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &TimerFdWakeUp::read);
    }
    ~TimerFdWakeUp() override
    {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }

    void at(const QDateTime &moment) override
    {
        itimerspec when{};
        if (moment.isValid()) {
            // Zero would disarm the timer; a moment already past wakes at once.
            const qint64 ms = qMax<qint64>(1, moment.toMSecsSinceEpoch());
            when.it_value.tv_sec = ms / 1000;
            when.it_value.tv_nsec = ms % 1000 * 1000000;
        }
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
    }

private:
    void read()
    {
        std::uint64_t expirations = 0;
        // ECANCELED: the clock was set, and the deadline means another moment now.
        if (::read(m_fd, &expirations, sizeof expirations) > 0 || errno == ECANCELED)
            emit woke();
    }

    const int m_fd;
    QSocketNotifier m_notifier;
};

} // namespace

std::unique_ptr<WakeUp> WakeUp::make(const Clock &clock)
{
    // The kernel's timer follows the system's own clock; another clock needs the portable one.
    const int fd = clock ? -1 : timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd == -1)
        return std::make_unique<TimerWakeUp>(clock);
    return std::make_unique<TimerFdWakeUp>(fd);
}
