#include "kit/webpage.h"

#include <QDesktopServices>
#include <QUrl>

void webpage::open(const QUrl &url, QWidget *, const std::function<void()> &failed)
{
    if (!QDesktopServices::openUrl(url))
        failed();
}
