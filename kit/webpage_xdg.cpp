#include "kit/webpage.h"

#include <QDesktopServices>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <memory>

namespace {

// xdg-open fails at once when no browser can open the page; a browser it started may run as
// long as the user likes, and its exit then says nothing about the page.
constexpr int kFailsWithinMs = 5000;

} // namespace

void webpage::open(const QUrl &url, QWidget *window, const std::function<void()> &failed)
{
    // Qt starts xdg-open too, but without hearing whether it found a browser.
    auto *opener = new QProcess(window);
    // The browser inherits nothing of the program's, so it outlives it untouched.
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    const auto late = std::make_shared<bool>(false);
    QTimer::singleShot(kFailsWithinMs, opener, [late] { *late = true; });
    QObject::connect(opener, &QProcess::errorOccurred, window,
                     [opener, url, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         // No xdg-open: whatever else Qt knows of, or nothing.
                         if (!QDesktopServices::openUrl(url))
                             failed();
                     });
    QObject::connect(opener, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), window,
                     [opener, failed, late](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (!*late && (status != QProcess::NormalExit || code != 0))
                             failed();
                     });
    opener->start(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
}
