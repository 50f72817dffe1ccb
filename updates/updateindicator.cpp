#include "updates/updateindicator.h"

#include "settings/settingsfiles.h"

namespace updateindicator {

namespace {

QUrl &testUrl()
{
    static QUrl url;
    return url;
}

} // namespace

QUrl indicatorUrl()
{
    if (!testUrl().isEmpty())
        return testUrl();
    return QUrl(QStringLiteral("http://www.quorvane.com/TivoraUpdater/TivoraUpdateIndicator.txt"));
}

void setIndicatorUrlForTesting(const QUrl &url)
{
    testUrl() = url;
}

QUrl downloadPageUrl()
{
    return QUrl(QStringLiteral("http://www.softpedia.com/get/Desktop-Enhancements/"
                               "Clocks-Time-Management/Tivora.shtml"),
                QUrl::TolerantMode);
}

QString indicatorText(const QByteArray &body)
{
    const int zero = body.indexOf('\0');
    return QString::fromUtf8(body.constData(), zero < 0 ? body.size() : zero);
}

int indicatorVersion(const QByteArray &body)
{
    return settingsfiles::toInt(indicatorText(body));
}

bool updateAvailable(int latestVersion, int installedVersion)
{
    return latestVersion > installedVersion;
}

QString verdictText(bool updateAvailable, int languageCode)
{
    const bool english = languageCode == 1;
    if (updateAvailable)
        return english ? QStringLiteral("New update available!\nClick button below in order to "
                                        "download the newest version.")
                       : QStringLiteral("Ny oppdatering tilgjengelig!\nTrykk på knappen nedenfor "
                                        "for å laste ned nyeste versjon.");
    return english ? QStringLiteral("No updates available.")
                   : QStringLiteral("Ingen oppdateringer tilgjengelig.");
}

} // namespace updateindicator
