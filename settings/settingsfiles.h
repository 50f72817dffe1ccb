#pragma once

#include "kit/bilingual.h"

#include <QString>

#include <optional>

// The one-value settings files under data/settings/, resolved against the
// working directory. Every window reads them through these functions only.
namespace settingsfiles {

inline const QString kLanguage = QStringLiteral("data/settings/tivora_lang.txt");
inline const QString kStoredAudio = QStringLiteral("data/settings/tivora_sa.txt");
inline const QString kStoredAudioChoice = QStringLiteral("data/settings/tivora_sa_index.txt");
inline const QString kVolume = QStringLiteral("data/settings/tivora_volume.txt");
inline const QString kTooltips = QStringLiteral("data/settings/tivora_tooltips.txt");
inline const QString kInstalledVersion = QStringLiteral("data/settings/tivora_ivn.txt");

// Token rules on text already decoded.
// First word: leading white space skipped, then up to the next white space.
QString firstWord(const QString &text);
// First line: up to the first line terminator (LF, CR LF or CR), terminator excluded.
QString firstLine(const QString &text);

// Whole-token base-10 conversion: optional sign, surrounding white space
// ignored; anything else, an empty token and values outside 32 bits give 0.
int toInt(const QString &token);

// Readers: nullopt when the file cannot be opened for reading or is not a
// regular file. Only the first kReadLimit characters of a file are looked at.
inline constexpr int kReadLimit = 64 * 1024;
std::optional<QString> readFirstWord(const QString &path);
std::optional<QString> readFirstLine(const QString &path);
// First word converted by toInt.
std::optional<int> readInt(const QString &path);

// The language file, the one reader of it: the code its first word holds (its first line, for
// the settings dialog), which may name no language; nothing when the file cannot be read.
enum class Token { FirstWord, FirstLine };
std::optional<int> readLanguageCode(Token token = Token::FirstWord);
// The language the language file names, or none when it names neither; `kept` when the file
// cannot be read, so a window goes on in the language it read last.
std::optional<Language> readLanguage(std::optional<Language> kept);

// What the main window and the alarm's sound take from the settings files, once, at start.
struct Preferences
{
    // The stored sound's path, the alarm's sound until the user chooses another.
    QString storedSound;
    // Handed to the player unchanged.
    int volume = 0;
    // Off only when the tooltips file says 0.
    bool tooltips = true;
};
Preferences readPreferences();

// Replaces the file's content with text in the locale's encoding, no line
// terminator, atomically: the file holds either its old or its new content.
// True only when the new content is in place; false also when the locale's
// encoding cannot represent the text.
bool writeValue(const QString &path, const QString &text);

} // namespace settingsfiles
