#pragma once

#include "kit/bilingual.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

// The update indicator: where it is fetched, how its body becomes a version
// number, and the verdict drawn from it. Window-free, so any caller can use it.
namespace updateindicator {

// A body larger than this is never read: the reply is aborted and counts as failed.
inline constexpr qint64 kMaxBodyBytes = 64 * 1024;
// A request that has not finished transferring after this long counts as failed.
inline constexpr int kTransferTimeoutMs = 10000;

// The address of the indicator on the maker's server.
QUrl indicatorUrl();

// The product's page on the download site, opened by the download button.
QUrl downloadPageUrl();

// The body decoded as UTF-8 up to its first zero byte (or its end).
QString indicatorText(const QByteArray &body);

enum class Verdict { UpdateAvailable, NoUpdate, Unreachable };
// Unreachable when no number was read: no reply came, or not a number.
Verdict verdict(const QString &latestText, int installedVersion);
QString verdictText(Verdict verdict, Language language);

} // namespace updateindicator
