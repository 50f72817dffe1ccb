#pragma once

#include <functional>

class QUrl;
class QWidget;

namespace webpage {

// Opens the page in the desktop's web browser. When the desktop says it cannot (no browser),
// calls failed, so the window can give the address instead; the window owns the attempt.
void open(const QUrl &url, QWidget *window, const std::function<void()> &failed);

} // namespace webpage
