#pragma once

#include "app/bilingual.h"

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
// The version number a body announces: indicatorText converted as a whole
// base-10 integer; anything that is not one gives 0.
int indicatorVersion(const QByteArray &body);

// True when the published version is newer than the installed one.
bool updateAvailable(int latestVersion, int installedVersion);
// The verdict line in the language.
QString verdictText(bool updateAvailable, Language language);

} // namespace updateindicator
