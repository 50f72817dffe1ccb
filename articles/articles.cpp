#include "articles/articles.h"
#include "ui_articles.h"

#include "articles/helparticles.h"
#include "kit/form.h"

#include <QShortcut>

Articles::Articles(HelpArticles &articles, QWidget *parent)
    : QDialog(parent), ui(new Ui::Articles), articles(articles)
{
    form::build(this, *ui);
    articles.readLanguage();
    for (const HelpArticles::Article &article : articles.list()) {
        auto *item = new QListWidgetItem(article.title, ui->listArticles);
        item->setData(Qt::UserRole, article.path);
    }
    // Enter and Space open the selected article, as a double-click does.
    for (const QKeySequence key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        connect(new QShortcut(key, ui->listArticles, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, [this] {
                    if (ui->listArticles->currentIndex().isValid())
                        on_listArticles_doubleClicked(ui->listArticles->currentIndex());
                });
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
