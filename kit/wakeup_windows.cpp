#include "kit/timerwakeup.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace {

// A FILETIME counts 100 ns steps from 1601-01-01 UTC; Qt counts milliseconds from 1970.
constexpr qint64 kFrom1601Ms = 11644473600000;
const wchar_t *const kWindowClass = L"TivoraWakeUp";

// A waitable timer with an absolute due time in UTC: Windows fires it on time after the clock was
// set and after a resume, and with its resume flag wakes a sleeping PC where the power settings
// allow wake timers.
class WaitableTimerWakeUp : public WakeUp
{
public:
    explicit WaitableTimerWakeUp(HANDLE timer) : m_timer(timer), m_notifier(timer)
    {
        connect(&m_notifier, &QWinEventNotifier::activated, this, &WakeUp::woke);
        // Windows tells top-level windows, never message-only ones, that the clock or zone was set.
        if (registerWindowClass())
            m_window = CreateWindowExW(0, kWindowClass, nullptr, WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
        if (m_window)
            SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~WaitableTimerWakeUp() override
    {
        if (m_window)
            DestroyWindow(m_window);
        m_notifier.setEnabled(false);
        CloseHandle(m_timer);
    }

    void at(const QDateTime &moment) override
    {
        if (!moment.isValid()) {
            CancelWaitableTimer(m_timer);
            return;
        }
        LARGE_INTEGER due;
        // Positive is absolute; a moment already past fires at once.
        due.QuadPart = (qMax<qint64>(0, moment.toMSecsSinceEpoch()) + kFrom1601Ms) * 10000;
        // Where the PC cannot be woken the call may fail with the resume flag alone.
        if (!SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, TRUE))
            SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, FALSE);
    }

private:
    static bool registerWindowClass()
    {
        static const bool registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = windowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kWindowClass;
            return RegisterClassW(&windowClass) != 0;
        }();
        return registered;
    }

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self =
            reinterpret_cast<WaitableTimerWakeUp *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        // Queued: the clock's setter waits for this window's answer.
        if (message == WM_TIMECHANGE && self)
            QMetaObject::invokeMethod(
                self, [self] { emit self->woke(); }, Qt::QueuedConnection);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    const HANDLE m_timer;
    QWinEventNotifier m_notifier;
    HWND m_window = nullptr;
};

} // namespace

std::unique_ptr<WakeUp> WakeUp::make(const Clock &clock)
{
    // The system's timer follows the system's own clock; another clock needs the portable one.
    const HANDLE timer = clock ? nullptr : CreateWaitableTimerW(nullptr, FALSE, nullptr);
    if (!timer)
        return std::make_unique<TimerWakeUp>(clock);
    return std::make_unique<WaitableTimerWakeUp>(timer);
}
