#pragma once

#include "settings/savesequence.h"

#include <QByteArray>
#include <QString>

#include <array>

// The two sets of choices the saver alternates between, and the bytes each
// leaves in the settings files.
namespace savervalues {

struct Expected
{
    savesequence::Choices choices;
    std::array<QByteArray, 5> bytes; // in the order of files()
};

inline std::array<QString, 5> files()
{
    return {QStringLiteral("data/settings/tivora_lang.txt"),
            QStringLiteral("data/settings/tivora_sa.txt"),
            QStringLiteral("data/settings/tivora_volume.txt"),
            QStringLiteral("data/settings/tivora_sa_index.txt"),
            QStringLiteral("data/settings/tivora_tooltips.txt")};
}

inline Expected first()
{
    return {{1, true, QStringLiteral("/home/user/My Music/morning alarm.mp3"), 7, false},
            {"1", "/home/user/My Music/morning alarm.mp3", "7", "1", "0"}};
}

inline Expected second()
{
    return {{2, true, QStringLiteral("/lyd/å vekke.wav"), 100, true},
            {"2", "/lyd/\xc3\xa5 vekke.wav", "100", "1", "1"}};
}

} // namespace savervalues
