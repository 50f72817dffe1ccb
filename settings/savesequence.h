#pragma once

#include "kit/bilingual.h"

#include <QString>

#include <vector>

// Writes the settings dialog's choices to the settings files.
namespace savesequence {

struct Choices
{
    Language language = Language::English;
    bool storeAudio = false;
    QString audioPath;
    int volume = 0;
    bool tooltips = false;
};

enum class File { Language, StoredAudio, Volume, StoredAudioChoice, Tooltips };

// Writes language, stored-audio path (only with storeAudio), volume,
// stored-audio choice and tooltips, in that order, and returns the files that
// could not be written, in that order. A failed language file stops the
// sequence before any other file is touched; any other failure does not.
std::vector<File> run(const Choices &choices);

// The text of the "Error saving" box for a file that could not be written.
QString errorText(File file);

} // namespace savesequence
