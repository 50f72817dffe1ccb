#include "articles/articles.h"
#include "ui_articles.h"

#include "articles/helparticles.h"
#include "kit/theme.h"

Articles::Articles(HelpArticles &articles, QWidget *parent)
    : QDialog(parent), ui(new Ui::Articles), articles(articles)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
    articles.readLanguage();
    for (const HelpArticles::Article &article : articles.list()) {
        auto *item = new QListWidgetItem(article.title, ui->listArticles);
        item->setData(Qt::UserRole, article.path);
    }
}

Articles::~Articles()
{
    delete ui;
}

void Articles::on_listArticles_doubleClicked(const QModelIndex &index)
{
    // A missing file leaves the article shown before.
    if (const auto html = articles.open(index.data(Qt::UserRole).toString()))
        ui->rtbContent->setHtml(*html);
}
