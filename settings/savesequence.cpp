#include "settings/savesequence.h"

#include "settings/settingsfiles.h"

namespace savesequence {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

std::vector<File> run(const Choices &choices)
{
    using namespace settingsfiles;
    if (!writeValue(kLanguage, QString::number(codeOf(choices.language))))
        return {File::Language};

    std::vector<File> failed;
    const auto write = [&failed](const QString &path, const QString &text, File file) {
        if (!writeValue(path, text))
            failed.push_back(file);
    };
    if (choices.storeAudio)
        write(kStoredAudio, choices.audioPath, File::StoredAudio);
    write(kVolume, QString::number(choices.volume), File::Volume);
    write(kStoredAudioChoice, flag(choices.storeAudio), File::StoredAudioChoice);
    write(kTooltips, flag(choices.tooltips), File::Tooltips);
    return failed;
}

QString errorText(File file)
{
    switch (file) {
    case File::Language:
        return QStringLiteral("Could not save the language settings properly, please try again.");
    case File::StoredAudio:
        return QStringLiteral(
            "Could not save the stored audio settings properly, please try again.");
    case File::Volume:
        return QStringLiteral("Could not save the volume settings properly, please try again.");
    case File::StoredAudioChoice:
        return QStringLiteral(
            "Could not save the audio storage settings properly, please try again.");
    case File::Tooltips:
        return QStringLiteral("Could not save the tooltip settings properly, please try again.");
    }
    return {};
}

} // namespace savesequence
