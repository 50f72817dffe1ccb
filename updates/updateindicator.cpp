#include "updates/updateindicator.h"

#include "settings/settingsfiles.h"

namespace updateindicator {

namespace {

const Bilingual kUpdateAvailable{
    "New update available!\nClick button below in order to download the newest version.",
    "Ny oppdatering tilgjengelig!\nTrykk på knappen nedenfor for å laste ned nyeste versjon."};
const Bilingual kNoUpdate{"No updates available.", "Ingen oppdateringer tilgjengelig."};

} // namespace

QUrl indicatorUrl()
{
    return QUrl(QStringLiteral("http://www.quorvane.com/TivoraUpdater/TivoraUpdateIndicator.txt"));
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

QString verdictText(bool updateAvailable, Language language)
{
    return (updateAvailable ? kUpdateAvailable : kNoUpdate).in(language);
}

} // namespace updateindicator
