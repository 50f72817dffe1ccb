#pragma once

#include "app/notices.h"

// Notices as the tray icon's messages (a toast on Windows): no actions, and a click on the
// message answers the latest one.
class TrayNotices : public Notices
{
    Q_OBJECT

public:
    explicit TrayNotices(QSystemTrayIcon &icon);

    void show(quintptr key, const QString &title, const QString &text,
              const QVector<Action> &actions) override;
    void withdraw(quintptr key) override;

private:
    QSystemTrayIcon &icon;
    quintptr shown = 0;
};
