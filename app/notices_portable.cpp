#include "app/traynotices.h"

std::unique_ptr<Notices> Notices::make(QSystemTrayIcon &icon)
{
    return std::make_unique<TrayNotices>(icon);
}
