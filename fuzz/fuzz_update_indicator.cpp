// The update indicator comes from a web server: any body must decode up to
// its first zero byte, convert to a number, and give one of the fixed verdicts.
#include "settings/settingsfiles.h"
#include "updates/updateindicator.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *expression, int line)
{
    std::fprintf(stderr, "check failed at line %d: %s\n", line, expression);
    std::abort();
}

#define check(condition) ((condition) ? void() : fail(#condition, __LINE__))

const QString kEnglishYes = QStringLiteral(
    "New update available!\nClick button below in order to download the newest version.");
const QString kEnglishNo = QStringLiteral("No updates available.");
const QString kNorwegianYes = QStringLiteral(
    "Ny oppdatering tilgjengelig!\nTrykk på knappen nedenfor for å laste ned nyeste versjon.");
const QString kNorwegianNo = QStringLiteral("Ingen oppdateringer tilgjengelig.");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace updateindicator;
    const QByteArray body(reinterpret_cast<const char *>(data), static_cast<int>(size));

    const QString text = indicatorText(body);
    check(!text.contains(QChar(0)));
    const int zero = body.indexOf('\0');
    const QByteArray decoded = zero < 0 ? body : body.left(zero);
    check(text == QString::fromUtf8(decoded));
    // Nothing after the first zero byte counts.
    check(indicatorText(decoded + QByteArray("\0tail 99", 8)) == text);

    const int latest = indicatorVersion(body);
    check(latest == settingsfiles::toInt(text));
    if (latest != 0) {
        bool ok = false;
        check(text.trimmed().toLongLong(&ok) == latest && ok);
        check(indicatorVersion(QByteArray::number(latest)) == latest);
    }

    for (const int installed : {0, 22, latest, latest - 1, -1}) {
        const bool newer = updateAvailable(latest, installed);
        check(newer == (latest > installed));
        for (const int language : {1, 2, 0, -1, latest}) {
            const QString verdict =
                verdictText(newer, language == 1 ? Language::English : Language::Norwegian);
            if (language == 1)
                check(verdict == (newer ? kEnglishYes : kEnglishNo));
            else
                check(verdict == (newer ? kNorwegianYes : kNorwegianNo));
        }
    }
    return 0;
}
