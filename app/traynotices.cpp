#include "app/traynotices.h"

#include <QSystemTrayIcon>

namespace {

// A ring waits for its answer; the desktop may still take the message away sooner.
constexpr int kShownMs = 60 * 1000;

} // namespace

TrayNotices::TrayNotices(QSystemTrayIcon &icon) : icon(icon)
{
    connect(&icon, &QSystemTrayIcon::messageClicked, this, [this] {
        if (shown != 0)
            emit answered(shown, QString());
    });
}

void TrayNotices::show(quintptr key, const QString &title, const QString &text,
                       const QVector<Action> &)
{
    shown = key;
    icon.showMessage(title, text, icon.icon(), kShownMs);
}

void TrayNotices::withdraw(quintptr key)
{
    // A message cannot be taken back; a click on it then answers nothing.
    if (key == shown)
        shown = 0;
}
