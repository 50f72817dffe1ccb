#pragma once

#include <QString>

#include <optional>

// The program's two languages.
enum class Language { English, Norwegian };

// The language a stored language code selects: 1 English, 2 Norwegian. Any other code
// selects none, which each window answers in its own way (most with a "Load error" box).
inline std::optional<Language> languageOf(int code)
{
    if (code == 1)
        return Language::English;
    if (code == 2)
        return Language::Norwegian;
    return std::nullopt;
}

// The code the language file keeps for a language.
inline int codeOf(Language language)
{
    return language == Language::English ? 1 : 2;
}

// One text in both languages, side by side; the literals are UTF-8.
struct Bilingual
{
    const char *english;
    const char *norwegian;

    QString in(Language language) const
    {
        return QString::fromUtf8(language == Language::English ? english : norwegian);
    }
};

// A message box's title and text in both languages.
struct BilingualBox
{
    Bilingual title;
    Bilingual text;
};
