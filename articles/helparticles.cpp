#include "articles/helparticles.h"

#include "settings/settingsfiles.h"

#include <QFile>
#include <QTextStream>

namespace {

struct Entry
{
    Bilingual title;
    const char *file;
};

const Entry kArticles[] = {
    {{"Thank you", "Takk"}, "doc_item_one.html"},
    {{"The reason for Tivora", "Årsaken til Tivora"}, "doc_item_two.html"},
    {{"Get to know Tivora", "Bli kjent med Tivora"}, "doc_item_three.html"},
    {{"Recent changes", "Nylige endringer"}, "doc_item_four.html"},
    {{"Take a moment to like us!", "Ta et sekund å lik oss!"}, "doc_item_fb.html"},
};

const Bilingual kFolder{"data/articles/en/", "data/articles/no/"};

} // namespace

void HelpArticles::readLanguage()
{
    m_language = settingsfiles::readLanguage(m_language);
}

QVector<HelpArticles::Article> HelpArticles::list() const
{
    QVector<Article> articles;
    if (!m_language)
        return articles;
    for (const Entry &entry : kArticles)
        articles.append({entry.title.in(*m_language),
                         kFolder.in(*m_language) + QString::fromLatin1(entry.file)});
    return articles;
}

std::optional<QString> HelpArticles::open(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream stream(&file);
    return stream.readAll();
}
