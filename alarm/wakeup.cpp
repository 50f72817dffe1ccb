#include "alarm/wakeup.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#endif

WakeUp::WakeUp(QObject *parent) : QObject(parent)
{
#ifdef Q_OS_LINUX
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &WakeUp::read);
#endif
}

WakeUp::~WakeUp()
{
#ifdef Q_OS_LINUX
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void WakeUp::at(const QDateTime &moment)
{
#ifdef Q_OS_LINUX
    if (m_fd < 0)
        return;
    itimerspec when{};
    if (moment.isValid()) {
        // Zero would disarm the timer; a moment already past wakes at once.
        const qint64 ms = qMax<qint64>(1, moment.toMSecsSinceEpoch());
        when.it_value.tv_sec = ms / 1000;
        when.it_value.tv_nsec = ms % 1000 * 1000000;
    }
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
#else
    Q_UNUSED(moment)
#endif
}

void WakeUp::read()
{
#ifdef Q_OS_LINUX
    std::uint64_t expirations = 0;
    // ECANCELED: the clock was set, and the deadline means another moment now.
    if (::read(m_fd, &expirations, sizeof expirations) > 0 || errno == ECANCELED)
        emit woke();
#endif
}
