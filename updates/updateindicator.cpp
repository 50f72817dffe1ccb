#include "updates/updateindicator.h"

#include <optional>

namespace updateindicator {

namespace {

const Bilingual kUpdateAvailable{
    "New update available!\nClick button below in order to download the newest version.",
    "Ny oppdatering tilgjengelig!\nTrykk på knappen nedenfor for å laste ned nyeste versjon."};
const Bilingual kNoUpdate{"No updates available.", "Ingen oppdateringer tilgjengelig."};
const Bilingual kUnreachable{"Could not reach the update server. Please try again later.",
                             "Kunne ikke nå oppdateringsserveren. Vennligst prøv igjen senere."};

// The version an indicator text announces, as a whole base-10 integer with
// blanks around it; nothing when the text holds no such number.
std::optional<int> versionOf(const QString &text)
{
    bool isNumber = false;
    const int version = text.trimmed().toInt(&isNumber, 10);
    return isNumber ? std::optional<int>(version) : std::nullopt;
}

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

Verdict verdict(const QString &latestText, int installedVersion)
{
    const auto latest = versionOf(latestText);
    if (!latest)
        return Verdict::Unreachable;
    return *latest > installedVersion ? Verdict::UpdateAvailable : Verdict::NoUpdate;
}

QString verdictText(Verdict verdict, Language language)
{
    switch (verdict) {
    case Verdict::UpdateAvailable:
        return kUpdateAvailable.in(language);
    case Verdict::NoUpdate:
        return kNoUpdate.in(language);
    case Verdict::Unreachable:
        break;
    }
    return kUnreachable.in(language);
}

} // namespace updateindicator
