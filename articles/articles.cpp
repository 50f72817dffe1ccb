#include "articles/articles.h"
#include "ui_articles.h"

#include "app/theme.h"
#include "settings/settingsfiles.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <array>
#include <cstdint>

namespace {

// Process-wide: a later opening keeps the language read by an earlier one.
std::int32_t articleLanguage = 0;
QString articlePath;

struct Article
{
    const char *title;
    const char *file;
};

constexpr std::array<Article, 5> englishArticles{{
    {"Thank you", "data/articles/en/doc_item_one.html"},
    {"The reason for Tivora", "data/articles/en/doc_item_two.html"},
    {"Get to know Tivora", "data/articles/en/doc_item_three.html"},
    {"Recent changes", "data/articles/en/doc_item_four.html"},
    {"Take a moment to like us!", "data/articles/en/doc_item_fb.html"},
}};

constexpr std::array<Article, 5> norwegianArticles{{
    {"Takk", "data/articles/no/doc_item_one.html"},
    {"Årsaken til Tivora", "data/articles/no/doc_item_two.html"},
    {"Bli kjent med Tivora", "data/articles/no/doc_item_three.html"},
    {"Nylige endringer", "data/articles/no/doc_item_four.html"},
    {"Ta et sekund å lik oss!", "data/articles/no/doc_item_fb.html"},
}};

QStringList titlesOf(const std::array<Article, 5> &articles)
{
    QStringList titles;
    for (const Article &article : articles)
        titles << QString::fromUtf8(article.title);
    return titles;
}

// A title picks its file whichever language the list was built in.
QString fileForTitle(const QString &title)
{
    for (const auto *articles : {&englishArticles, &norwegianArticles}) {
        for (const Article &article : *articles) {
            if (title == QString::fromUtf8(article.title))
                return QString::fromUtf8(article.file);
        }
    }
    return {};
}

} // namespace

Articles::Articles(QWidget *parent) : QDialog(parent), ui(new Ui::Articles)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
    loadLanguage();
    addArticles();
}

Articles::~Articles()
{
    delete ui;
}

void Articles::addArticles()
{
    QStringList titles;
    if (articleLanguage == 1)
        titles = titlesOf(englishArticles);
    else if (articleLanguage == 2)
        titles = titlesOf(norwegianArticles);
    else
        return;
    ui->listArticles->insertItems(ui->listArticles->count(), titles);
}

void Articles::loadLanguage()
{
    if (const auto code = settingsfiles::readInt(settingsfiles::kLanguage))
        articleLanguage = *code;
}

void Articles::on_listArticles_doubleClicked(const QModelIndex &)
{
    const QListWidgetItem *item = ui->listArticles->currentItem();
    if (!item)
        return;
    const QString file = fileForTitle(item->text());
    if (file.isEmpty())
        return;
    articlePath = file;
    readFile();
}

void Articles::readFile()
{
    QFile file(articlePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    ui->rtbContent->setHtml(stream.readAll());
}
