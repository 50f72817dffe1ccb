#pragma once

#include "kit/bilingual.h"

#include <QString>
#include <QVector>

#include <optional>

// The help articles while Tivora runs, listed in the language read last.
class HelpArticles
{
public:
    struct Article
    {
        QString title;
        QString path;
    };

    // Reads the language file; the language read last stays when it cannot be read.
    void readLanguage();
    // The articles in the language, in their order; none without a language.
    QVector<Article> list() const;
    // The HTML of the article at path; none when it cannot be read.
    static std::optional<QString> open(const QString &path);

private:
    std::optional<Language> m_language;
};
